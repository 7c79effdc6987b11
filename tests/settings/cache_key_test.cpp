// The keys of cached results and layouts.
#include "settings/cache_key.h"

#include <gtest/gtest.h>

namespace qel {
namespace {

TEST(CacheKey, PartsAreKeptApart) {
  CacheKey a, b;
  a.Add("ab");
  a.Add("c");
  b.Add("a");
  b.Add("bc");
  EXPECT_NE(a.text(), b.text());

  CacheKey c, d;
  c.Add(1.0);
  d.Add(1.0 + 1e-15);
  EXPECT_NE(c.text(), d.text());
  c = CacheKey();
  d = CacheKey();
  c.Add("x");
  c.Add(3LL);
  d.Add("x");
  d.Add(3LL);
  EXPECT_EQ(c.text(), d.text());
}

}  // namespace
}  // namespace qel
