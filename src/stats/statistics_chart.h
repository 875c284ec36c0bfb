// How every statistic leaves its result in Chart1: Series2 active and cleared, Series1 hidden,
// bars in the prime colouring or the series' colour, a fixed or automatic value axis.
#pragma once

#include <span>

#include "form/form.h"

#include "common/translatable.h"

namespace numora {

constexpr std::uint32_t kPrimeRed = 0xFF0000;
constexpr std::uint32_t kOtherGreen = 0x008000;
// What the two colours mean, for a legend.
constexpr const char* kPrimeLegend = NUMORA_TRANSLATABLE("Numora", "prime numbers and 1");
constexpr const char* kOtherLegend = NUMORA_TRANSLATABLE("Numora", "other numbers");

// What the bars of a statistic count: draws, or for the overdue numbers the draws since.
constexpr const char* kCountsDraws = NUMORA_TRANSLATABLE("Numora", "draws");
constexpr const char* kCountsDrawsSince = NUMORA_TRANSLATABLE("Numora", "draws since last drawn");
// The tip distribution counts the tips of the tip list that hold a number.
constexpr const char* kCountsTips = NUMORA_TRANSLATABLE("Numora", "tips");

// The range a statistic's value axis shows.
struct AxisRange {
  int min = 0;
  int max = 0;
};
// A fixed axis: from the smallest to the largest of the values (0..0 for none).
AxisRange fixedAxisRange(std::span<const int> values);
// The automatic axis: from 0 to the largest of the values.
AxisRange automaticAxisRange(std::span<const int> values);

// 1 and the primes up to 70.
bool isPrimeColoured(int number);

// Series2 active and cleared, Series1 hidden, the value axis titled with what the bars count.
void startStatisticsChart(Chart& chart, const char* counted = kCountsDraws);
// Bars x = 1..counts.size()-1 with y = counts[x]; coloured by prime or in the series' colour.
void addCountBars(Chart& chart, std::span<const int> counts, bool primeColouring);
// The value axis fixed from the smallest to the largest of the values, set as a chart axis
// wants it: minimum 0 first, then the maximum, then the minimum.
void fixValueAxis(Chart& chart, std::span<const int> values);

}  // namespace numora
