// The preparation of the page shown, run on one thread kept for it while the calling thread
// goes on serving the window, with a busy signal once it takes longer than a user waits without
// wondering.
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
// How often the calling thread serves the window while the work runs: about a frame.
inline constexpr std::chrono::milliseconds kServeInterval{10};

class PagePreparer {
 public:
  explicit PagePreparer(std::chrono::milliseconds patience = kBusyPatience);
  ~PagePreparer();
  PagePreparer(const PagePreparer&) = delete;
  PagePreparer& operator=(const PagePreparer&) = delete;

  // Runs `work` on the preparer's thread and returns once it is over. Meanwhile the calling
  // thread calls `serve` every kServeInterval, and nothing else: `serve` must leave alone what
  // `work` uses (a window serves its paints and geometry then, and keeps user input for later).
  // When the work is not over after the patience, `showBusy(true)` is called on the calling
  // thread, and `showBusy(false)` once it is. An exception of `work` is rethrown here. A Run
  // called while another waits (from `serve`) is refused with std::logic_error: the preparer's
  // one thread is taken.
  void Run(const std::function<void()>& work, const std::function<void(bool)>& showBusy,
           const std::function<void()>& serve = {});

 private:
  void Serve();

  std::chrono::milliseconds patience_;
  std::thread thread_;
  bool running_ = false;  // a Run waits; touched by the calling thread alone
  std::mutex mutex_;      // guards what follows
  std::condition_variable wake_, done_;
  const std::function<void()>* work_ = nullptr;  // the work handed over, until it is over
  bool finished_ = false;
  std::exception_ptr error_;
  bool stopping_ = false;
};

}  // namespace qel
