#include "app/qt/date_conversion.h"

#include <QTime>

namespace numora {
namespace {
constexpr double kMillisecondsPerDay = 24.0 * 60 * 60 * 1000;
}

QDate toQDate(DayCount date) {
  const CivilDate civil = decodeDate(date);
  return QDate(civil.year, civil.month, civil.day);
}

DayCount toDayCount(QDate date) {
  return encodeDate(date.year(), date.month(), date.day());
}

DayCount toDayCount(const QDateTime& dateTime) {
  return toDayCount(dateTime.date()) + dateTime.time().msecsSinceStartOfDay() / kMillisecondsPerDay;
}

}  // namespace numora
