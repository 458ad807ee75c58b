// Threads with a chosen stack: the work runs there and is waited for, the whole stack can be
// used, and a stack no system can give is refused without running the work.
#include <gtest/gtest.h>

#include <cstddef>
#include <thread>

#include "support/platform/thread.h"

namespace тувра::платформа {
namespace {

// Uses about глубина KiB of stack and returns глубина.
[[gnu::noinline]] std::size_t спуститься(std::size_t глубина) {
  volatile char кадр[1024];
  кадр[0] = 1;
  if (глубина == 0) return кадр[0] - 1;
  return спуститься(глубина - 1) + кадр[0];
}

TEST(ПотокСоСвоимСтеком, RunsTheWorkOnAnotherThreadAndWaitsForIt) {
  std::thread::id где;
  int раз = 0;
  ASSERT_TRUE(выполнить_в_потоке(std::size_t(1) << 20, [&] {
    где = std::this_thread::get_id();
    ++раз;
  }));
  EXPECT_EQ(раз, 1);
  EXPECT_NE(где, std::thread::id());
  EXPECT_NE(где, std::this_thread::get_id());
}

TEST(ПотокСоСвоимСтеком, TheWholeStackIsThere) {
  // 64 MiB deep, far past the default stacks of Linux (8 MiB) and Windows (2 MiB), on 256 MiB.
  const std::size_t глубина = 64 * 1024;
  std::size_t итог = 0;
  ASSERT_TRUE(выполнить_в_потоке(std::size_t(256) << 20, [&] { итог = спуститься(глубина); }));
  EXPECT_EQ(итог, глубина);
}

TEST(ПотокСоСвоимСтеком, AStackNoSystemHasIsRefused) {
  bool выполнено = false;
  EXPECT_FALSE(выполнить_в_потоке(std::size_t(1) << 62, [&] { выполнено = true; }));
  EXPECT_FALSE(выполнено);
}

}  // namespace
}  // namespace тувра::платформа
