// Day counts (day 0 = 30.12.1899, the time as fraction) to and from Qt's date types.
#pragma once

#include <QDate>
#include <QDateTime>

#include "common/day_date.h"

namespace numora {

QDate toQDate(DayCount date);
DayCount toDayCount(QDate date);
// The date plus the time of day as a fraction of 24 hours.
DayCount toDayCount(const QDateTime& dateTime);

}  // namespace numora
