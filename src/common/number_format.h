// How numbers are written for a reader: the thousands separator and the decimal point. The
// window takes them from the user's locale; numora-cli and the program's files keep the plain
// format, so scripts and stored files read the same on every machine.
#pragma once

#include <string>

namespace numora {

struct NumberFormat {
  std::string groupSeparator = ",";
  std::string decimalPoint = ".";
  // Whole amounts (prizes, counts) grouped too; the plain format groups only large odds.
  bool groupWholeAmounts = false;
};

// A whole amount: "250000" plain, "250,000" or "250 000" in the window.
std::string formatAmount(long long value, const NumberFormat& format);
// A number with a fixed count of decimals: 0.8216 with 3 is "0.822", or "0,822" in French.
std::string formatDecimals(double value, int decimals, const NumberFormat& format);
// The digits of a whole number with the separator between thousands: "2147181" -> "2,147,181".
std::string groupThousands(std::string digits, const std::string& separator);

}  // namespace numora
