// The executor: parallel runs sum like the serial loop, reuse their threads, carry a worker's
// exception back to the caller, and nest without waiting on themselves.
#include "engine/worker_threads.h"

#include <gtest/gtest.h>

#include <atomic>
#include <mutex>
#include <numeric>
#include <set>
#include <stdexcept>
#include <thread>
#include <vector>

namespace qel {
namespace {

// The sum of f(i) over 0..count-1, shared among `workers` threads of `executor` in chunks.
long long ParallelSum(Executor& executor, int workers, int count) {
  std::vector<long long> values(static_cast<std::size_t>(count));
  ChunkQueue chunks(values.size());
  executor.Run(workers, [&] {
    while (const std::optional<std::size_t> i = chunks.Next())
      values[*i] = static_cast<long long>(*i) * static_cast<long long>(*i) % 97;
  });
  return std::accumulate(values.begin(), values.end(), 0LL);
}

TEST(Executor, RunsGiveTheSerialResultsOnEveryCountOfWorkers) {
  Executor executor(4);
  EXPECT_EQ(executor.size(), 4);
  for (int count : {0, 1, 7, 1000}) {
    long long serial = 0;
    for (long long i = 0; i < count; ++i)
      serial += i * i % 97;
    for (int workers : {-1, 0, 1, 2, 4, 9})
      EXPECT_EQ(ParallelSum(executor, workers, count), serial) << count << " " << workers;
  }
}

// Many runs take their helpers from the same threads: never more than the executor holds.
TEST(Executor, ManyRunsReuseTheSameThreads) {
  Executor executor(3);
  std::mutex lock;
  std::set<std::thread::id> seen;
  for (int run = 0; run < 200; ++run)
    executor.Run(0, [&] {
      std::lock_guard guard(lock);
      seen.insert(std::this_thread::get_id());
    });
  // A helper that wakes late may find its share taken by one that came back for another: how
  // many distinct threads ran depends on the scheduler, but never more than the pool's.
  EXPECT_LE(seen.size(), 3u);
  EXPECT_TRUE(seen.count(std::this_thread::get_id()));
}

// A helper's exception reaches the caller once every thread has finished, and the executor
// serves the next run; a run started inside a worker runs there instead of waiting.
TEST(Executor, AWorkersExceptionReachesTheCallerAndNestedRunsFinish) {
  Executor executor(3);
  const std::thread::id caller = std::this_thread::get_id();
  EXPECT_THROW(executor.Run(0,
                            [&] {
                              if (std::this_thread::get_id() != caller)
                                throw std::runtime_error("helper");
                            }),
               std::runtime_error);
  EXPECT_THROW(executor.Run(1, [] { throw std::logic_error("caller"); }), std::logic_error);
  std::atomic<int> inner{0};
  executor.Run(0, [&] { executor.Run(0, [&] { ++inner; }); });
  EXPECT_EQ(inner.load(), 3);  // each of the three workers ran its nested run itself
  EXPECT_EQ(ParallelSum(executor, 0, 10), 0 + 1 + 4 + 9 + 16 + 25 + 36 + 49 + 64 + 81);
}

}  // namespace
}  // namespace qel
