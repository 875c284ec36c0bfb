// The statistical preparation of a calculation: the candidate pool built step by step from the
// options (the last draws' numbers, the group and number statistics with their value bands,
// neighbours, every number once, the removal of recent draws' numbers, the draws of one date in
// all years, the edit list), each step reported in the status line.
#pragma once

#include <string>

#include "generator/candidate_pool.h"
#include "generator/generator_options.h"
#include "generator/last_draws.h"

namespace numora {

enum class PoolOutcome { Ready, Cancelled };

// The band line of the status bar: "Min: 170  Max: 200  35", or with one blank before "Max:".
std::string bandLine(std::int64_t min, std::int64_t max, std::uint32_t poolSize, bool oneBlank);

// Builds the pool; Cancelled when the user left the edit list's dialog without confirming.
PoolOutcome preparePool(const CalculationContext& context, const GeneratorOptions& options,
                        const LastDraws& last, const PickedDraw& picked, CandidatePool& pool);

}  // namespace numora
