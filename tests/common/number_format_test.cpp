#include "common/number_format.h"

#include <gtest/gtest.h>

namespace numora {
namespace {

// The plain format keeps what numora-cli and the files have always written; the window's
// formats group every amount with the locale's separator and use its decimal point.
TEST(NumberFormat, AmountsAndDecimalsFollowTheFormat) {
  const NumberFormat plain;
  const NumberFormat english{",", ".", true};
  const NumberFormat french{"\u00a0", ",", true};
  const struct {
    const NumberFormat& format;
    long long amount;
    double decimal;
    int decimals;
    const char* amountText;
    const char* decimalText;
  } cases[] = {
      {plain, 2500000, 26.04, 1, "2500000", "26.0"},
      {plain, -1200, 0.8216, 3, "-1200", "0.822"},
      {english, 1200, 1234.5, 2, "1,200", "1,234.50"},
      {english, 999, 9.996, 2, "999", "10.00"},
      {english, -1200, -1234.5, 1, "-1,200", "-1,234.5"},
      {english, 100000, 0.0, 0, "100,000", "0"},
      {french, 1200, 26.04, 1, "1\u00a0200", "26,0"},
      {french, 2500000, 1234.5, 2, "2\u00a0500\u00a0000", "1\u00a0234,50"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(formatAmount(c.amount, c.format), c.amountText);
    EXPECT_EQ(formatDecimals(c.decimal, c.decimals, c.format), c.decimalText);
  }
}

}  // namespace
}  // namespace numora
