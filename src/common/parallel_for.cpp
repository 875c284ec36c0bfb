#include "common/parallel_for.h"

#include <algorithm>
#include <atomic>
#include <exception>
#include <mutex>
#include <thread>
#include <vector>

namespace numora {

unsigned threadCount(unsigned requested, std::size_t tasks) {
  const unsigned threads = requested != 0 ? requested : std::thread::hardware_concurrency();
  return static_cast<unsigned>(
      std::min<std::size_t>(std::max(threads, 1u), std::max<std::size_t>(tasks, 1)));
}

void parallelFor(std::size_t count, unsigned threads,
                 const std::function<void(std::size_t index)>& body) {
  std::atomic<std::size_t> next{0};
  std::atomic<bool> failed{false};
  std::exception_ptr failure;
  std::mutex failureMutex;
  auto work = [&] {
    for (std::size_t index = next++; index < count && !failed.load(); index = next++) {
      try {
        body(index);
      } catch (...) {
        std::lock_guard lock(failureMutex);
        if (!failure) failure = std::current_exception();
        failed = true;
      }
    }
  };
  {
    std::vector<std::jthread> workers;
    for (unsigned t = 1; t < threadCount(threads, count); ++t) workers.emplace_back(work);
    work();
  }
  if (failure) std::rethrow_exception(failure);
}

}  // namespace numora
