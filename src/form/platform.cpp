#include "form/platform.h"

#include <stdexcept>

#include "common/translatable.h"

namespace numora {

int Platform::currentHour() {
  const DayCount moment = now();
  // A tiny margin keeps 19:00 from reading as 18 after the day fraction's rounding.
  return static_cast<int>((moment - dateOnly(moment)) * 24 + 1e-9);
}

namespace {
[[noreturn]] void notAvailable() {
  throw std::runtime_error(
      NUMORA_TRANSLATABLE("Numora", "Printing and image export are not available here."));
}
}  // namespace

std::optional<PaperSize> Platform::choosePrinter() {
  notAvailable();
}
void Platform::printDocument(const PrintDocument&) {
  notAvailable();
}
void Platform::writePdf(const PrintDocument&, const std::string&) {
  notAvailable();
}
void Platform::saveChartImage(const Chart&, const std::string&, ImageSize) {
  notAvailable();
}

}  // namespace numora
