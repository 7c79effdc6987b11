// Work shared among threads in chunks: a queue that hands each chunk out once, and the one pool
// of threads that takes from it.
#pragma once

#include <atomic>
#include <condition_variable>
#include <cstddef>
#include <exception>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

namespace qel {

// Hands out the chunk numbers 0 .. count - 1, each exactly once, to whichever thread asks.
class ChunkQueue {
 public:
  explicit ChunkQueue(std::size_t count) : count_(count) {}
  // The next chunk, or nothing when every chunk was handed out.
  std::optional<std::size_t> Next() {
    const std::size_t chunk = next_.fetch_add(1, std::memory_order_relaxed);
    if (chunk >= count_) return std::nullopt;
    return chunk;
  }

 private:
  std::size_t count_;
  std::atomic<std::size_t> next_{0};
};

// A pool of threads started once and reused by every parallel loop, so that a loop costs a
// wake-up rather than thread starts. A worker's exception is carried back to the caller.
class Executor {
 public:
  // `threads` threads in all, the caller's included: threads - 1 are started here (fewer when
  // the system refuses some).
  explicit Executor(int threads);
  ~Executor();
  Executor(const Executor&) = delete;
  Executor& operator=(const Executor&) = delete;

  // The executor of the process, sized once to the machine's cores.
  static Executor& Shared();

  // How many threads a run can use, the caller's included.
  int size() const { return static_cast<int>(threads_.size()) + 1; }

  // Runs `worker` on `workers` threads (all of size() when `workers` <= 0 or more), the
  // calling one included, and returns when all have finished. When a worker throws, the first
  // exception is rethrown here once every thread has finished. A run started while another
  // holds the pool (from a worker, or from another thread) runs on the calling thread alone.
  // Workers take their work from a ChunkQueue until it is empty rather than counting on a
  // share of their own, since how many threads take part is not promised.
  void Run(int workers, const std::function<void()>& worker);

 private:
  void Serve();
  // Runs the worker, keeping the first exception of the run.
  void RunOne(const std::function<void()>& worker);

  std::vector<std::thread> threads_;
  std::mutex mutex_;   // guards what follows
  bool busy_ = false;  // a run owns the pool
  std::condition_variable wake_;
  std::condition_variable done_;
  const std::function<void()>* worker_ = nullptr;
  int unclaimed_ = 0;  // helpers the run still wants
  int running_ = 0;    // helpers that claimed a place and have not finished
  std::exception_ptr error_;
  bool stopping_ = false;
};

// A count of workers that asks for every thread of the executor.
inline constexpr int kAllWorkers = 0;

// Runs `worker` on `threads` threads of the shared executor (every one when `threads` <= 0),
// the calling one included; see Executor::Run.
void RunWorkers(int threads, const std::function<void()>& worker);

}  // namespace qel
