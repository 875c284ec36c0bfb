#include "draws/draw_caption.h"

#include "common/translatable.h"

namespace numora {

std::string drawCaption(const DrawRecord& record, CaptionGap gap, const WeekdayNames& shortNames) {
  std::string caption = formatDateShortWeekday(record.date, shortNames);
  caption.append(static_cast<std::size_t>(gap), ' ');
  if (record.isMidday()) caption += " (Midday) ";
  for (const auto number : record.numbers) {
    caption += "  ";
    caption += std::to_string(number);
  }
  return caption;
}

std::string crossSumCaption(const DrawRecord& record) {
  return fillPattern(NUMORA_TRANSLATABLE("Numora", "cross sum: %1"),
                     {std::to_string(record.crossSum())});
}

}  // namespace numora
