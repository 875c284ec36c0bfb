// Why a calculation the player started found fewer tips than asked: options that can never be
// met together, the filters that rejected most candidates with the option that steers each, and
// the one change that would let most candidates through. Shown beside the tip list, in the
// status line's tooltip and by numora-cli as "detail:" lines.
#pragma once

#include <string>
#include <vector>

#include "generator/generator_options.h"
#include "generator/rejection_counts.h"

namespace numora {

// Options that no tip can meet together, as sentences; empty when there are none.
std::vector<std::string> conflictingOptions(const GeneratorOptions& options);

// The explanation, one line each: the conflicts first, then up to three filters with the most
// rejections ("6,184 of 10,000 candidates: hits with the second-last draw (Options ›
// statistical)"), then the change to make. poolTooSmall: the pool never held enough different
// numbers for one tip.
std::vector<std::string> explainShortfall(const RejectionCounts& counts,
                                          const GeneratorOptions& options, bool poolTooSmall);

}  // namespace numora
