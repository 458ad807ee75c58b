#include "transport/framing.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "memory_stream.h"

namespace тувра::lsp {
namespace {

using проверка::ИсточникВПамяти;

struct Прочитано {
  std::vector<std::string> тела;
  std::optional<ОшибкаВвода> ошибка;
};

Прочитано прочитать_всё(const std::string& ввод, std::size_t порция) {
  ИсточникВПамяти источник(ввод, порция);
  ЧтецКадров чтец(источник, 64);
  Прочитано итог;
  for (;;) {
    auto тело = чтец.следующий();
    if (!тело) {
      итог.ошибка = тело.error();
      return итог;
    }
    if (!*тело) return итог;
    итог.тела.emplace_back(**тело);
  }
}

struct Случай {
  const char* название;
  std::string ввод;
  std::vector<std::string> тела;
  std::optional<ОшибкаВвода::Вид> ошибка;
  const char* начало_текста = "";
};

using ОВ = ОшибкаВвода::Вид;

std::vector<Случай> случаи() {
  return {
      {"empty input is a clean end", "", {}, std::nullopt},
      {"two messages", "Content-Length: 2\r\n\r\n{}Content-Length: 4\r\n\r\nnull", {"{}", "null"}, std::nullopt},
      {"Content-Type is ignored and may come first",
       "Content-Type: application/vscode-jsonrpc; charset=utf-8\r\nContent-Length: 2\r\n\r\n[]",
       {"[]"},
       std::nullopt},
      {"header names ignore case", "content-LENGTH: 2\r\n\r\n{}", {"{}"}, std::nullopt},
      {"blanks around the value", "Content-Length:   2  \r\n\r\n{}", {"{}"}, std::nullopt},
      {"bare line feeds", "Content-Length: 2\n\n{}", {"{}"}, std::nullopt},
      {"length counts UTF-8 bytes", "Content-Length: 6\r\n\r\n\"ёж\"", {"\"ёж\""}, std::nullopt},
      {"zero length", "Content-Length: 0\r\n\r\n", {""}, std::nullopt},
      {"the last Content-Length counts", "Content-Length: 9\r\nContent-Length: 2\r\n\r\n{}", {"{}"}, std::nullopt},
      {"header without colon", "Content-Length 2\r\n\r\n{}", {}, ОВ::InvalidData, "malformed header"},
      {"length not a number", "Content-Length: два\r\n\r\n{}", {}, ОВ::InvalidData, "malformed Content-Length"},
      {"negative length", "Content-Length: -1\r\n\r\n", {}, ОВ::InvalidData, "malformed Content-Length"},
      {"length with trailing junk", "Content-Length: 2x\r\n\r\n{}", {}, ОВ::InvalidData, "malformed Content-Length"},
      {"length beyond 64 bits",
       "Content-Length: 99999999999999999999999\r\n\r\n",
       {},
       ОВ::InvalidData,
       "malformed Content-Length"},
      {"empty length", "Content-Length:\r\n\r\n", {}, ОВ::InvalidData, "malformed Content-Length"},
      {"no Content-Length", "Content-Type: x\r\n\r\n{}", {}, ОВ::InvalidData, "no Content-Length"},
      {"only the blank line", "\r\n", {}, ОВ::InvalidData, "no Content-Length"},
      {"input ends inside the body",
       "Content-Length: 10\r\n\r\n{}",
       {},
       ОВ::UnexpectedEof,
       "input ended inside a message body"},
      {"a huge length with a short body allocates nothing big",
       "Content-Length: 1000000000000\r\n\r\n{}",
       {},
       ОВ::UnexpectedEof,
       "input ended inside a message body"},
      {"input ends after a header line",
       "Content-Length: 2\r\n",
       {},
       ОВ::UnexpectedEof,
       "input ended inside the headers"},
      {"input ends inside a header line", "Content-Len", {}, ОВ::InvalidData, "malformed header"},
      {"a header line without end", std::string(100000, 'a'), {}, ОВ::InvalidData, "malformed header: line too long"},
      {"message then a clean end", "Content-Length: 2\r\n\r\n{}", {"{}"}, std::nullopt},
  };
}

TEST(Кадрирование, TableInLargeAndOneBytePieces) {
  for (const auto& случай : случаи()) {
    for (std::size_t порция : {std::size_t(1) << 20, std::size_t(1), std::size_t(7)}) {
      SCOPED_TRACE(std::string(случай.название) + ", pieces of " + std::to_string(порция));
      const auto итог = прочитать_всё(случай.ввод, порция);
      EXPECT_EQ(итог.тела, случай.тела);
      ASSERT_EQ(итог.ошибка.has_value(), случай.ошибка.has_value());
      if (итог.ошибка) {
        EXPECT_EQ(итог.ошибка->вид, *случай.ошибка);
        EXPECT_EQ(итог.ошибка->текст.rfind(случай.начало_текста, 0), 0u) << итог.ошибка->текст;
      }
    }
  }
}

TEST(Кадрирование, LargeBodyIntactAndPaddedForTheParser) {
  std::string тело;
  for (int i = 0; i < 1'500'000; ++i) тело += "ж";
  const std::string ввод = кадр(тело) + кадр("{}");
  ИсточникВПамяти источник(ввод, 4096);
  ЧтецКадров чтец(источник, 64);
  auto первое = чтец.следующий();
  ASSERT_TRUE(первое && *первое);
  EXPECT_EQ(**первое, тело);
  // The padding bytes past the body must be readable memory (checked under ASan).
  volatile char последний = (**первое).data()[(**первое).size() + 63];
  (void)последний;
  auto второе = чтец.следующий();
  ASSERT_TRUE(второе && *второе);
  EXPECT_EQ(**второе, "{}");
}

TEST(Кадрирование, WrittenFrame) { EXPECT_EQ(кадр("{\"ё\":1}"), "Content-Length: 8\r\n\r\n{\"ё\":1}"); }

}  // namespace
}  // namespace тувра::lsp
