// The lattice points' hash table against a map of the same entries.
#include "analysis/point_table.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <random>

namespace qel {

// Keys spread far apart and keys in one dense run (that collide under the hash's top bits),
// through several growths: every key found with its first value, no key that was not added.
TEST(PointTableTest, HoldsWhatWasInsertedThroughGrowth) {
  struct Case {
    const char* name;
    std::uint64_t step;
    int count;
  };
  for (const Case& c : {Case{"dense", 1, 5000}, Case{"a row apart", 4097, 5000},
                        Case{"far apart", 0x9E3779B97F4A7C15ull, 3000}}) {
    SCOPED_TRACE(c.name);
    PointTable<double> table;
    std::map<std::uint64_t, double> expected;
    std::mt19937 random(11);
    for (int n = 0; n < c.count; ++n) {
      const std::uint64_t key = c.step * (random() % (2 * c.count));
      const auto [value, fresh] = table.Insert(key, n);
      EXPECT_EQ(fresh, expected.emplace(key, n).second);
      EXPECT_EQ(*value, expected.at(key));
    }
    EXPECT_EQ(table.size(), expected.size());
    for (int n = 0; n < 2 * c.count; ++n) {
      const std::uint64_t key = c.step * n;
      const double* value = table.Find(key);
      const auto it = expected.find(key);
      ASSERT_EQ(value != nullptr, it != expected.end()) << key;
      if (value) {
        EXPECT_EQ(*value, it->second);
      }
    }
    std::size_t visited = 0;
    table.ForEach([&](std::uint64_t key, double value) {
      ++visited;
      EXPECT_EQ(value, expected.at(key));
    });
    EXPECT_EQ(visited, expected.size());
  }
}

}  // namespace qel
