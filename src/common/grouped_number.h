// Whole numbers as the reports and explanations print them: thousands grouped by commas
// ("10,000", "-1,234").
#pragma once

#include <cstdint>
#include <string>

namespace numora {

std::string formatGrouped(std::int64_t value);

}  // namespace numora
