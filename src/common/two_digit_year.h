// Two-digit years as players and spreadsheets write them: no draw of either
// lottery is older than 1996, so 96..99 are 1996..1999 and 00..95 are
// 2000..2095.
#pragma once

namespace numora {

constexpr int expandTwoDigitYear(int twoDigitYear) {
  return twoDigitYear >= 96 ? 1900 + twoDigitYear : 2000 + twoDigitYear;
}

}  // namespace numora
