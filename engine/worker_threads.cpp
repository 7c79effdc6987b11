// Running a worker on several threads.
#include "engine/worker_threads.h"

#include <system_error>
#include <thread>
#include <vector>

namespace qel {

void RunWorkers(int threads, const std::function<void()>& worker) {
  std::vector<std::thread> helpers;
  for (int i = 1; i < threads; ++i) {
    try {
      helpers.emplace_back(worker);
    } catch (const std::system_error&) {
      break;
    }
  }
  worker();
  for (std::thread& helper : helpers)
    helper.join();
}

}  // namespace qel
