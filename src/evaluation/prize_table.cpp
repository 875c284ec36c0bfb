#include "evaluation/prize_table.h"

namespace numora {
namespace {

// Keno Atlantic, numbers per tip 2..10.
constexpr PrizeClass kAtlantic2[] = {{2, 7}};
constexpr PrizeClass kAtlantic3[] = {{3, 25}};
constexpr PrizeClass kAtlantic4[] = {{4, 75}, {3, 3}};
constexpr PrizeClass kAtlantic5[] = {{5, 250}, {4, 10}};
constexpr PrizeClass kAtlantic6[] = {{6, 1000}, {5, 15}, {4, 2}};
constexpr PrizeClass kAtlantic7[] = {{7, 5000}, {6, 100}, {5, 5}};
constexpr PrizeClass kAtlantic8[] = {{8, 25000}, {7, 200}, {6, 10}, {5, 2}};
constexpr PrizeClass kAtlantic9[] = {{9, 50000}, {8, 1000}, {7, 100}, {6, 5}, {5, 2}};
constexpr PrizeClass kAtlantic10[] = {{10, 250000}, {9, 5000}, {8, 200}, {7, 25}, {6, 5}, {0, 2}};

// Daily Keno, numbers per tip 2..10.
constexpr PrizeClass kDaily2[] = {{2, 7}};
constexpr PrizeClass kDaily3[] = {{3, 25}};
constexpr PrizeClass kDaily4[] = {{4, 100}};
constexpr PrizeClass kDaily5[] = {{5, 250}, {4, 5}};
constexpr PrizeClass kDaily6[] = {{6, 1000}, {5, 25}};
constexpr PrizeClass kDaily7[] = {{7, 5000}, {6, 50}, {5, 5}};
constexpr PrizeClass kDaily8[] = {{8, 25000}, {7, 200}, {6, 10}};
constexpr PrizeClass kDaily9[] = {{9, 50000}, {8, 1000}, {7, 100}, {6, 5}};
constexpr PrizeClass kDaily10[] = {{10, 250000}, {9, 5000}, {8, 200}, {7, 25}, {0, 2}};

constexpr std::span<const PrizeClass> kAtlantic[] = {kAtlantic2, kAtlantic3, kAtlantic4,
                                                     kAtlantic5, kAtlantic6, kAtlantic7,
                                                     kAtlantic8, kAtlantic9, kAtlantic10};
constexpr std::span<const PrizeClass> kDaily[] = {kDaily2, kDaily3, kDaily4, kDaily5, kDaily6,
                                                  kDaily7, kDaily8, kDaily9, kDaily10};

}  // namespace

std::span<const PrizeClass> prizeClasses(int lotteryIndex, int numbersPerTip) {
  if (numbersPerTip < 2 || numbersPerTip > 10) return {};
  const auto& table = lotteryIndex == 0 ? kAtlantic : kDaily;
  return table[numbersPerTip - 2];
}

}  // namespace numora
