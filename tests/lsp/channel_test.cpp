#include "transport/channel.h"

#include <atomic>
#include <chrono>
#include <string>
#include <thread>

#include <gtest/gtest.h>

namespace тувра::lsp {
namespace {

using namespace std::chrono_literals;

TEST(Канал, SendWaitsUntilTheReceiverTakesTheValue) {
  Канал<std::string> канал;
  std::atomic<bool> отдано = false;
  std::thread отправитель([&] {
    EXPECT_TRUE(канал.отправить("раз"));
    отдано = true;
  });
  std::this_thread::sleep_for(50ms);
  EXPECT_FALSE(отдано) << "capacity 0: nothing may be buffered";
  auto значение = канал.получить();
  отправитель.join();
  ASSERT_TRUE(значение);
  EXPECT_EQ(*значение, "раз");
  EXPECT_TRUE(отдано);
}

TEST(Канал, ValuesArriveInOrderThenDisconnection) {
  Канал<int> канал;
  std::thread отправитель([&] {
    for (int i = 0; i < 100; ++i) ASSERT_TRUE(канал.отправить(i));
    канал.закрыть_отправку();
  });
  for (int i = 0; i < 100; ++i) {
    auto значение = канал.получить();
    ASSERT_TRUE(значение);
    EXPECT_EQ(*значение, i);
  }
  auto конец = канал.получить();
  отправитель.join();
  ASSERT_FALSE(конец);
  EXPECT_EQ(конец.error(), ПричинаПустогоПриёма::Отключён);
  // Stays disconnected.
  EXPECT_FALSE(канал.получить());
}

TEST(Канал, ClosingTheReceiverReleasesAWaitingSenderWithItsValue) {
  Канал<std::string> канал;
  std::thread получатель([&] {
    std::this_thread::sleep_for(30ms);
    канал.закрыть_приём();
  });
  auto итог = канал.отправить("назад");
  получатель.join();
  ASSERT_FALSE(итог);
  EXPECT_EQ(итог.error(), "назад");
  // A later send fails at once.
  EXPECT_FALSE(канал.отправить("ещё"));
}

TEST(Канал, ReceiveWithDeadline) {
  Канал<int> канал;
  auto истекло = канал.получить_до(std::chrono::steady_clock::now() + 20ms);
  ASSERT_FALSE(истекло);
  EXPECT_EQ(истекло.error(), ПричинаПустогоПриёма::Истекло);

  std::thread отправитель([&] { EXPECT_TRUE(канал.отправить(7)); });
  auto пришло = канал.получить_до(std::chrono::steady_clock::now() + 10s);
  отправитель.join();
  ASSERT_TRUE(пришло);
  EXPECT_EQ(*пришло, 7);

  канал.закрыть_отправку();
  auto отключён = канал.получить_до(std::chrono::steady_clock::now() + 10s);
  ASSERT_FALSE(отключён);
  EXPECT_EQ(отключён.error(), ПричинаПустогоПриёма::Отключён);
}

}  // namespace
}  // namespace тувра::lsp
