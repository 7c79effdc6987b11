// Long work with a busy signal: shown only when the work outlasts the patience, taken down when
// it ends, on the caller's thread; the work's exception reaches the caller.
#include "view/busy_work.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <thread>

namespace qel {
namespace {

using std::chrono::milliseconds;

TEST(BusyWork, TheSignalShowsOnlyWhenTheWorkOutlastsThePatience) {
  struct Case {
    milliseconds work, patience;
    const char* signals;
  };
  const Case cases[] = {{milliseconds(0), milliseconds(20000), ""},
                        {milliseconds(200), milliseconds(1), "+-"}};
  for (const Case& c : cases) {
    const std::thread::id caller = std::this_thread::get_id();
    std::string signals;
    bool done = false;
    RunShowingBusy(
        [&] {
          std::this_thread::sleep_for(c.work);
          done = true;
        },
        [&](bool busy) {
          EXPECT_EQ(std::this_thread::get_id(), caller);
          signals += busy ? "+" : "-";
        },
        c.patience);
    EXPECT_TRUE(done);
    EXPECT_EQ(signals, c.signals) << c.work.count();
  }
}

TEST(BusyWork, TheWorksExceptionReachesTheCallerAfterTheSignalIsTakenDown) {
  std::string signals;
  EXPECT_THROW(RunShowingBusy(
                   [] {
                     std::this_thread::sleep_for(milliseconds(100));
                     throw std::runtime_error("work");
                   },
                   [&](bool busy) { signals += busy ? "+" : "-"; }, milliseconds(1)),
               std::runtime_error);
  EXPECT_EQ(signals, "+-");
}

}  // namespace
}  // namespace qel
