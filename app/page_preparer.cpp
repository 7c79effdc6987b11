// The preparation of the page shown, on a thread kept for it, while the caller serves the window.
#include "app/page_preparer.h"

#include <stdexcept>
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

void PagePreparer::Run(const std::function<void()>& work, const std::function<void(bool)>& showBusy,
                       const std::function<void()>& serve) {
  if (running_) throw std::logic_error("PagePreparer::Run while another run waits");
  if (!thread_.joinable()) {
    work();
    return;
  }
  running_ = true;
  const auto start = std::chrono::steady_clock::now();
  bool busy = false;
  std::exception_ptr served;  // what serve threw: the work is waited for all the same
  std::unique_lock lock(mutex_);
  work_ = &work;
  finished_ = false;
  error_ = nullptr;
  wake_.notify_one();
  while (!done_.wait_for(lock, kServeInterval, [this] { return finished_; })) {
    if (served) continue;
    lock.unlock();
    if (!busy && std::chrono::steady_clock::now() - start >= patience_) {
      busy = true;
      showBusy(true);
    }
    try {
      if (serve) serve();
    } catch (...) {
      served = std::current_exception();
    }
    lock.lock();
  }
  std::exception_ptr error = std::exchange(error_, nullptr);
  lock.unlock();
  running_ = false;
  if (busy) showBusy(false);
  if (error) std::rethrow_exception(error);
  if (served) std::rethrow_exception(served);
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
