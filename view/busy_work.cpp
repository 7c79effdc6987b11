// Long work with a busy signal.
#include "view/busy_work.h"

#include <future>
#include <system_error>

namespace qel {

void RunShowingBusy(const std::function<void()>& work, const std::function<void(bool)>& showBusy,
                    std::chrono::milliseconds patience) {
  std::future<void> done;
  try {
    done = std::async(std::launch::async, work);
  } catch (const std::system_error&) {
    work();  // no thread to spare: the work runs here, without the signal
    return;
  }
  if (done.wait_for(patience) != std::future_status::ready) {
    showBusy(true);
    done.wait();
    showBusy(false);
  }
  done.get();
}

}  // namespace qel
