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

// A lock line "{имя} = git {источник} версия={тег}" must read back with the same tag.
TEST(ЛучшийТег, ТегиНеЧитающиесяИзБлокировкиПропускаются) {
  const std::vector<std::string> нечитаемые = {"1.9.9-описание=\"", "1.9.8-\"",       "1.9.7-a=b",
                                               "1.9.6-\u00A0x",     "1.9.5+\u3000",   "1.9.4-\u2028x",
                                               "1.9.3-\u0085",      "1.9.2-\xc2\x9b", "1.9.1-\x7f"};
  std::string вывод;
  for (const std::string& тег : нечитаемые) {
    EXPECT_FALSE(тег_читается_из_блокировки(тег)) << тег;
    вывод += "a\trefs/tags/" + тег + "\nb\trefs/tags/" + тег + "^{}\n";
  }
  вывод += "c\trefs/tags/1.2.0\n";
  std::vector<std::string> пропущенные;
  EXPECT_EQ(лучший_тег(вывод, интервал("^1.0.0"), &пропущенные)->тег, "1.2.0");
  EXPECT_EQ(пропущенные, нечитаемые) << "each named once, a peeled line adds nothing";
  // Tags outside the range are no candidates and are not named.
  пропущенные.clear();
  EXPECT_FALSE(лучший_тег(вывод, интервал("^2.0.0"), &пропущенные).has_value());
  EXPECT_TRUE(пропущенные.empty());
  for (const char* тег : {"1.2.0", "v1.2.0-rc.1+сборка.5", "1.2.0-описание", "релиз#1", "1.2.0-\u200B"}) {
    EXPECT_TRUE(тег_читается_из_блокировки(тег)) << тег;
  }
}

TEST(РазрешитьДиапазон, ЗакреплённыйТегБезОбращенияКGit) {
  // Of two lines for one name the later counts.
  const Блокировка блокировка(
      *упаковать_зависимости("б = git /б версия=1.0.0\nа = git /нет/такого/репозитория версия=v9.0.0\n"
                             "а = git /нет/такого/репозитория версия=v1.3.0\n"));
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
