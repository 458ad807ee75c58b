#include "tag_resolution.h"

#include <gtest/gtest.h>

namespace тувра::пакеты {
namespace {

ИнтервалВерсий интервал(const char* требование) { return требование_из_текста(std::string(требование))->интервал; }

TEST(ЛучшийТег, ВыбираетНаибольшийВИнтервале) {
  const std::string вывод =
      "aaa\trefs/tags/1.2.0\n"
      "bbb\trefs/tags/1.4.1\n"
      "ccc\trefs/tags/2.0.0\n"
      "ddd\trefs/heads/9.9.9\n"
      "без табуляции refs/tags/1.9.0\n"
      "eee\trefs/tags/релиз-осень\n"
      "fff\trefs/tags/v1.3.0\r\n";
  const auto тег = лучший_тег(вывод, интервал("^1.2.0"));
  ASSERT_TRUE(тег.has_value());
  EXPECT_EQ(тег->тег, "1.4.1");
  EXPECT_EQ(тег->версия, (Версия{1, 4, 1}));
  EXPECT_EQ(лучший_тег(вывод, интервал("~1.3.0"))->тег, "v1.3.0");
  EXPECT_FALSE(лучший_тег(вывод, интервал("^3.0.0")).has_value());
  EXPECT_FALSE(лучший_тег("", интервал("^1.0.0")).has_value());
}

TEST(ЛучшийТег, СнятыеИПредварительныеТеги) {
  EXPECT_EQ(лучший_тег("a\trefs/tags/1.1.0^{}\n", интервал("^1.0.0"))->тег, "1.1.0");
  EXPECT_EQ(лучший_тег("a\trefs/tags/1.5.0-rc1\nb\trefs/tags/1.4.0\n", интервал("^1.0.0"))->тег, "1.5.0-rc1");
  // Only one "^{}" is removed.
  EXPECT_FALSE(лучший_тег("a\trefs/tags/1.1.0^{}^{}\n", интервал("^1.0.0")).has_value());
}

TEST(ЛучшийТег, ПриРавенствеПобеждаетПервый) {
  EXPECT_EQ(лучший_тег("a\trefs/tags/v1.2.0\nb\trefs/tags/1.2.0\n", интервал("^1.0.0"))->тег, "v1.2.0");
  EXPECT_EQ(лучший_тег("a\trefs/tags/1.2.0\nb\trefs/tags/v1.2.0^{}\n", интервал("^1.0.0"))->тег, "1.2.0");
}

TEST(РазрешитьДиапазон, ЗакреплённыйТегБезОбращенияКGit) {
  Блокировка блокировка;
  блокировка["а"] = Зависимость{"а", "/нет/такого/репозитория", std::nullopt, std::string("v1.3.0"), std::nullopt};
  testing::internal::CaptureStdout();
  auto тег = разрешить_диапазон("а", "/нет/такого/репозитория", "^1.0.0", интервал("^1.0.0"), блокировка);
  const std::string вывод = testing::internal::GetCapturedStdout();
  ASSERT_TRUE(тег.has_value()) << тег.error();
  EXPECT_EQ(тег->тег, "v1.3.0");
  EXPECT_EQ(вывод, "'а' — ^1.0.0 взято из 'тувра.блокировка': тег 'v1.3.0' (без обращения к git ls-remote).\n");
}

TEST(РазрешитьДиапазон, АдресСМинусомНеДоходитДоGit) {
  testing::internal::CaptureStdout();
  auto тег = разрешить_диапазон("а", "--upload-pack=touch /tmp/x", "^1.0.0", интервал("^1.0.0"), {});
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
  ASSERT_FALSE(тег.has_value());
  EXPECT_NE(тег.error().find("начинается с '-'"), std::string::npos) << тег.error();
}

}  // namespace
}  // namespace тувра::пакеты
