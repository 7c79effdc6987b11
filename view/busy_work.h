// Long work with a busy signal: the caller waits for the work, and is told to show that it is
// busy once the work has taken longer than a user waits without wondering.
#pragma once

#include <chrono>
#include <functional>

namespace qel {

// How long work runs before the user is shown that the program is busy.
inline constexpr std::chrono::milliseconds kBusyPatience{100};

// Runs `work` on a thread of its own while the calling thread waits for it, and returns when it
// is over. When it is not over after `patience`, `showBusy(true)` is called on the calling
// thread, and `showBusy(false)` once it is. The caller does nothing else meanwhile, so `work`
// may use whatever the caller owns. An exception of `work` is rethrown here.
void RunShowingBusy(const std::function<void()>& work, const std::function<void(bool)>& showBusy,
                    std::chrono::milliseconds patience = kBusyPatience);

}  // namespace qel
