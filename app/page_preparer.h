// The preparation of the page shown, run on one thread kept for it, with a busy signal once it
// takes longer than a user waits without wondering.
#pragma once

#include <chrono>
#include <condition_variable>
#include <exception>
#include <functional>
#include <mutex>
#include <thread>

namespace qel {

// How long work runs before the user is shown that the program is busy.
inline constexpr std::chrono::milliseconds kBusyPatience{100};

class PagePreparer {
 public:
  explicit PagePreparer(std::chrono::milliseconds patience = kBusyPatience);
  ~PagePreparer();
  PagePreparer(const PagePreparer&) = delete;
  PagePreparer& operator=(const PagePreparer&) = delete;

  // Runs `work` on the preparer's thread and returns once it is over. The calling thread does
  // nothing else meanwhile, so `work` may use whatever the caller owns. When the work is not
  // over after the patience, `showBusy(true)` is called on the calling thread, and
  // `showBusy(false)` once it is. An exception of `work` is rethrown here.
  void Run(const std::function<void()>& work, const std::function<void(bool)>& showBusy);

 private:
  void Serve();

  std::chrono::milliseconds patience_;
  std::thread thread_;
  std::mutex mutex_;  // guards what follows
  std::condition_variable wake_, done_;
  const std::function<void()>* work_ = nullptr;  // the work handed over, until it is over
  bool finished_ = false;
  std::exception_ptr error_;
  bool stopping_ = false;
};

}  // namespace qel
