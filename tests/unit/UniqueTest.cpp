#include <gtest/gtest.h>

#include "win/Unique.h"

namespace {
int g_closes = 0;
int g_lastClosed = 0;
struct FakeTraits {
  using Handle = int;
  static Handle Invalid() { return -1; }
  static void Close(Handle h) {
    ++g_closes;
    g_lastClosed = h;
  }
};
using FakeHandle = win::Unique<FakeTraits>;
}  // namespace

TEST(Unique, ClosesAValidHandleExactlyOnce) {
  g_closes = 0;
  {
    FakeHandle a(7);
    FakeHandle b(std::move(a));
    EXPECT_FALSE(a.valid());
    FakeHandle c;
    c = std::move(b);
    c = std::move(c);
    EXPECT_EQ(c.get(), 7);
  }
  EXPECT_EQ(g_closes, 1);
  EXPECT_EQ(g_lastClosed, 7);
}

TEST(Unique, ResetClosesTheOldHandleButNotTheSameOne) {
  g_closes = 0;
  FakeHandle h(3);
  h.reset(3);
  EXPECT_EQ(g_closes, 0);
  h.reset(4);
  EXPECT_EQ(g_closes, 1);
  EXPECT_EQ(g_lastClosed, 3);
  EXPECT_EQ(h.release(), 4);
  h.reset();
  EXPECT_EQ(g_closes, 1) << "a released handle belongs to the caller";
  FakeHandle invalid(-1);
  invalid.reset();
  EXPECT_EQ(g_closes, 1);
}
