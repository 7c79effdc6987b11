// The preparation of the page shown, on a thread kept for it.
#include "app/page_preparer.h"

#include <system_error>
#include <utility>

namespace qel {

PagePreparer::PagePreparer(std::chrono::milliseconds patience) : patience_(patience) {
  try {
    thread_ = std::thread([this] { Serve(); });
  } catch (const std::system_error&) {
    // No thread to spare: Prepare runs the work itself, without the busy signal.
  }
}

PagePreparer::~PagePreparer() {
  if (!thread_.joinable()) return;
  {
    std::lock_guard lock(mutex_);
    stopping_ = true;
  }
  wake_.notify_one();
  thread_.join();
}

void PagePreparer::Run(const std::function<void()>& work,
                       const std::function<void(bool)>& showBusy) {
  if (!thread_.joinable()) {
    work();
    return;
  }
  std::unique_lock lock(mutex_);
  work_ = &work;
  finished_ = false;
  error_ = nullptr;
  wake_.notify_one();
  if (!done_.wait_for(lock, patience_, [this] { return finished_; })) {
    lock.unlock();
    showBusy(true);
    lock.lock();
    done_.wait(lock, [this] { return finished_; });
    lock.unlock();
    showBusy(false);
    lock.lock();
  }
  if (std::exception_ptr error = std::exchange(error_, nullptr)) std::rethrow_exception(error);
}

void PagePreparer::Serve() {
  std::unique_lock lock(mutex_);
  for (;;) {
    wake_.wait(lock, [this] { return stopping_ || work_ != nullptr; });
    if (stopping_) return;
    const std::function<void()>& work = *std::exchange(work_, nullptr);
    lock.unlock();
    std::exception_ptr error;
    try {
      work();
    } catch (...) {
      error = std::current_exception();
    }
    lock.lock();
    error_ = error;
    finished_ = true;
    done_.notify_one();
  }
}

}  // namespace qel
