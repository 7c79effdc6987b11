// The pool of threads that runs parallel loops.
#include "engine/worker_threads.h"

#include <algorithm>
#include <system_error>
#include <utility>

namespace qel {

namespace {

// Set on the executor's own threads: a run they start cannot wait for the pool they belong to.
thread_local bool onPoolThread = false;

}  // namespace

Executor::Executor(int threads) {
  for (int i = 1; i < threads; ++i) {
    try {
      threads_.emplace_back([this] { Serve(); });
    } catch (const std::system_error&) {
      break;  // the threads started do the work
    }
  }
}

Executor::~Executor() {
  {
    std::lock_guard lock(mutex_);
    stopping_ = true;
  }
  wake_.notify_all();
  for (std::thread& thread : threads_)
    thread.join();
}

Executor& Executor::Shared() {
  static Executor shared(static_cast<int>(std::max(1u, std::thread::hardware_concurrency())));
  return shared;
}

void Executor::Serve() {
  onPoolThread = true;
  std::unique_lock lock(mutex_);
  for (;;) {
    wake_.wait(lock, [this] { return stopping_ || unclaimed_ > 0; });
    if (stopping_) return;
    --unclaimed_;
    ++running_;
    const std::function<void()>& worker = *worker_;
    lock.unlock();
    RunOne(worker);
    lock.lock();
    if (--running_ == 0 && unclaimed_ == 0) done_.notify_all();
  }
}

void Executor::RunOne(const std::function<void()>& worker) {
  try {
    worker();
  } catch (...) {
    std::lock_guard lock(mutex_);
    if (!error_) error_ = std::current_exception();
  }
}

void Executor::Run(int workers, const std::function<void()>& worker) {
  const int helpers = (workers <= 0 ? size() : std::min(workers, size())) - 1;
  bool owner = false;
  if (helpers > 0 && !onPoolThread) {
    std::lock_guard lock(mutex_);
    if (!busy_) {
      owner = busy_ = true;
      worker_ = &worker;
      unclaimed_ = helpers;
      error_ = nullptr;
    }
  }
  if (!owner) {
    worker();
    return;
  }
  wake_.notify_all();
  RunOne(worker);
  std::exception_ptr error;
  {
    std::unique_lock lock(mutex_);
    done_.wait(lock, [this] { return unclaimed_ == 0 && running_ == 0; });
    worker_ = nullptr;
    busy_ = false;
    error = std::exchange(error_, nullptr);
  }
  if (error) std::rethrow_exception(error);
}

void RunWorkers(int threads, const std::function<void()>& worker) {
  Executor::Shared().Run(threads, worker);
}

}  // namespace qel
