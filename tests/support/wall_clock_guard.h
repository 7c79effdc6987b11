// A wall-clock guard for work that once hung: a hang fails the test instead of blocking the run.
#pragma once

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <future>
#include <string>
#include <utility>

namespace qel::test {

// Runs `work` on a thread of its own and returns its result. When it has not finished within
// `limit`, the test fails naming `what`, and the test program ends at once with a failure: the
// hung thread still uses the test's objects, so the test cannot return and the program cannot
// wind down normally.
template <typename Work>
auto FinishedWithin(std::chrono::seconds limit, const std::string& what, Work&& work) {
  auto done = std::async(std::launch::async, std::forward<Work>(work));
  if (done.wait_for(limit) != std::future_status::ready) {
    ADD_FAILURE() << what << " did not finish within " << limit.count() << " s";
    std::fflush(stdout);
    std::fflush(stderr);
    std::_Exit(EXIT_FAILURE);
  }
  return done.get();
}

}  // namespace qel::test
