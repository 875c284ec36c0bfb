// Work over the indexes 0..count-1 on several threads: each index runs once, taken in order by
// whichever thread is free, the calling thread among them. Whatever an index computes must not
// depend on the thread that ran it, so results never change with the number of threads.
#pragma once

#include <cstddef>
#include <functional>

namespace numora {

// The threads to use for `tasks` tasks: `requested`, or every core when 0; never more than
// there are tasks, and at least one.
unsigned threadCount(unsigned requested, std::size_t tasks);

// Runs body(i) for every index on `threads` threads (threadCount decides how many) and returns
// when all have ended. The first error a body throws is rethrown here; no index starts after it.
void parallelFor(std::size_t count, unsigned threads,
                 const std::function<void(std::size_t index)>& body);

}  // namespace numora
