#include "draws/draw_caption.h"

#include "common/translatable.h"

namespace numora {

std::string drawCaption(const DrawRecord& record, CaptionGap gap, const WeekdayNames& shortNames) {
  std::string date = formatDateShortWeekday(record.date, shortNames);
  date.append(static_cast<std::size_t>(gap), ' ');
  std::string numbers;
  for (const auto number : record.numbers) {
    numbers += "  ";
    numbers += std::to_string(number);
  }
  if (!record.isMidday()) return date + numbers;
  return fillPattern(NUMORA_TRANSLATABLE("Numora", "%1 (Midday) %2"), {date, numbers});
}

std::string crossSumCaption(const DrawRecord& record) {
  return fillPattern(NUMORA_TRANSLATABLE("Numora", "cross sum: %1"),
                     {std::to_string(record.crossSum())});
}

}  // namespace numora
