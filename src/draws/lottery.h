// The two lotteries the program knows; the index is RadioGroup1's item index.
#pragma once

#include <string>

#include "common/day_date.h"

namespace numora {

struct Lottery {
  const char* name;
  const char* drawFile;  // the name the lottery switch writes
  DayCount firstDrawDate;
  int drawsPerDate;
};

enum LotteryIndex { kKenoAtlantic = 0, kDailyKeno = 1 };

// Index 0 or 1; any other index is taken as Daily Keno, the default lottery.
const Lottery& lottery(int index);

}  // namespace numora
