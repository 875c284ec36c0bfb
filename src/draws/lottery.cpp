#include "draws/lottery.h"

namespace numora {

const Lottery& lottery(int index) {
  static const Lottery kLotteries[] = {
      {"Keno Atlantic", "Kenoal.dat", encodeDate(2001, 10, 22), 1},
      {"Daily Keno", "Vuduro.dat", encodeDate(1996, 4, 29), 2},
  };
  return kLotteries[index == kKenoAtlantic ? 0 : 1];
}

}  // namespace numora
