#include "common/parallel_for.h"

#include <gtest/gtest.h>

#include <atomic>
#include <stdexcept>
#include <thread>
#include <vector>

namespace numora {
namespace {

TEST(ParallelFor, RunsEveryIndexOnceWhateverTheThreadCount) {
  for (const unsigned threads : {1u, 2u, 3u, 8u, 0u}) {
    for (const std::size_t count :
         {std::size_t{0}, std::size_t{1}, std::size_t{7}, std::size_t{1000}}) {
      SCOPED_TRACE(std::to_string(threads) + " threads, " + std::to_string(count) + " indexes");
      std::vector<std::atomic<int>> runs(count);
      parallelFor(count, threads, [&](std::size_t i) { ++runs[i]; });
      for (std::size_t i = 0; i < count; ++i) EXPECT_EQ(runs[i].load(), 1) << i;
    }
  }
}

TEST(ParallelFor, UsesTheThreadsAskedForAndNeverMoreThanTheTasks) {
  struct Case {
    unsigned requested;
    std::size_t tasks;
    unsigned expected;
  };
  const unsigned cores = std::max(std::thread::hardware_concurrency(), 1u);
  const Case cases[] = {{4, 10, 4}, {4, 2, 2}, {4, 0, 1}, {1, 10, 1}, {0, 1000, cores}};
  for (const Case& c : cases) {
    EXPECT_EQ(threadCount(c.requested, c.tasks), c.expected) << c.requested << " " << c.tasks;
  }
}

TEST(ParallelFor, AnErrorOfOneIndexReachesTheCallerAndStopsTheRest) {
  for (const unsigned threads : {1u, 2u}) {
    std::atomic<int> started{0};
    EXPECT_THROW(parallelFor(1000, threads,
                             [&](std::size_t i) {
                               ++started;
                               if (i == 3) throw std::runtime_error("index 3 failed");
                             }),
                 std::runtime_error);
    // On one thread nothing starts after the failing index; on more, what runs meanwhile.
    if (threads == 1) {
      EXPECT_EQ(started.load(), 4);
    }
  }
}

}  // namespace
}  // namespace numora
