// Work shared among threads in chunks: a queue that hands each chunk out once, and the threads
// that take from it.
#pragma once

#include <atomic>
#include <cstddef>
#include <functional>
#include <optional>

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

// Runs `worker` on `threads` threads, the calling one included, and returns when all have
// finished. A thread that cannot be started leaves its share to the others, so `worker` takes
// its work from a ChunkQueue until it is empty rather than counting on a share of its own.
void RunWorkers(int threads, const std::function<void()>& worker);

}  // namespace qel
