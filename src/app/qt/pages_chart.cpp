#include <QDateEdit>

#include "app/qt/page_builder.h"
#include "app/qt/pages.h"

namespace numora {

void buildChartPage(QWidget* page, PageBuilder& build) {
  // The chart and its buttons come with the statistics; the start date is needed already by
  // the step to the next draw.
  build.datePicker(page, build.form().DateTimePicker2, QRect(8, 8, 120, 24));
}

}  // namespace numora
