// The preparation of the page: on one thread kept for it, the caller serving its window
// meanwhile, a busy signal shown only when the work outlasts the patience and taken down when it
// ends, on the caller's thread; the work's exception reaches the caller.
#include "app/page_preparer.h"

#include <gtest/gtest.h>

#include <atomic>
#include <set>
#include <stdexcept>
#include <string>
#include <thread>

namespace qel {
namespace {

using std::chrono::milliseconds;

TEST(PagePreparer, TheSignalShowsOnlyWhenTheWorkOutlastsThePatience) {
  struct Case {
    milliseconds work, patience;
    const char* signals;
  };
  const Case cases[] = {{milliseconds(0), milliseconds(20000), ""},
                        {milliseconds(200), milliseconds(1), "+-"}};
  for (const Case& c : cases) {
    PagePreparer preparer(c.patience);
    const std::thread::id caller = std::this_thread::get_id();
    std::set<std::thread::id> workers;
    for (int run = 0; run < 2; ++run) {
      std::string signals;
      bool done = false;
      preparer.Run(
          [&] {
            std::this_thread::sleep_for(c.work);
            workers.insert(std::this_thread::get_id());
            done = true;
          },
          [&](bool busy) {
            EXPECT_EQ(std::this_thread::get_id(), caller);
            signals += busy ? "+" : "-";
          });
      EXPECT_TRUE(done);
      EXPECT_EQ(signals, c.signals) << c.work.count();
    }
    EXPECT_EQ(workers.size(), 1u);  // one thread kept for every run
    EXPECT_FALSE(workers.contains(caller));
  }
}

TEST(PagePreparer, TheWorksExceptionReachesTheCallerAfterTheSignalIsTakenDown) {
  std::string signals;
  PagePreparer preparer(milliseconds(1));
  EXPECT_THROW(preparer.Run(
                   [] {
                     std::this_thread::sleep_for(milliseconds(100));
                     throw std::runtime_error("work");
                   },
                   [&](bool busy) { signals += busy ? "+" : "-"; }),
               std::runtime_error);
  EXPECT_EQ(signals, "+-");
  bool ranAgain = false;
  preparer.Run([&] { ranAgain = true; }, [](bool) {});
  EXPECT_TRUE(ranAgain);  // the thread serves on after a failed run
}

TEST(PagePreparer, TheCallerServesItsWindowUntilTheWorkIsOverAndCannotStartAnother) {
  // The work ends only once the caller has served its window: a caller that waited without
  // serving would never see it end (the work gives up after 10 s, and the test fails).
  PagePreparer preparer(std::chrono::hours(1));
  const std::thread::id caller = std::this_thread::get_id();
  std::atomic<int> serves = 0;
  int servesAfterTheWork = -1;  // written by the work before it ends
  bool nestedRefused = false;
  preparer.Run(
      [&] {
        for (int waited = 0; serves == 0 && waited < 1000; ++waited)
          std::this_thread::sleep_for(milliseconds(10));
        servesAfterTheWork = serves;
      },
      [](bool) { ADD_FAILURE() << "no busy signal within the patience"; },
      [&] {
        EXPECT_EQ(std::this_thread::get_id(), caller);
        ++serves;
        try {
          preparer.Run([] {}, [](bool) {});
        } catch (const std::logic_error&) {
          nestedRefused = true;
        }
      });
  EXPECT_GE(servesAfterTheWork, 1);
  EXPECT_TRUE(nestedRefused);
  bool ranAgain = false;
  preparer.Run([&] { ranAgain = true; }, [](bool) {});
  EXPECT_TRUE(ranAgain);
}

}  // namespace
}  // namespace qel
