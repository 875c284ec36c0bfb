#include "draws/lottery_dates.h"

#include "draws/lottery.h"

namespace numora {

void applyLotteryDates(Form& form, int lotteryIndex) {
  const DayCount first = lottery(lotteryIndex).firstDrawDate;
  // A raised limit moves a date below it up; a lowered one lets the start go down to it.
  form.DateTimePicker1.setMinDate(first);
  form.DateTimePicker2.setMinDate(first);
  (void)form.DateTimePicker2.setDate(first);
}

}  // namespace numora
