// Hover, completion, definition and every other request over the built server, as a client
// sees their answers.
#include <chrono>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "server_process.h"

namespace тувра::lsp::проверка {
namespace {

using json = nlohmann::json;
using ::testing::StartsWith;

// A request when `id` is given, a notification otherwise; null params are left out.
std::string кадр(const std::string& метод, json параметры = nullptr, json id = nullptr) {
  json сообщение = {{"jsonrpc", "2.0"}, {"method", метод}};
  if (!id.is_null()) сообщение["id"] = std::move(id);
  if (!параметры.is_null()) сообщение["params"] = std::move(параметры);
  return кадр_json(сообщение);
}

const std::string рукопожатие =
    кадр("initialize", {{"capabilities", json::object()}}, 0) + кадр("initialized", json::object());
const std::string завершение = кадр("shutdown", nullptr, 999) + кадр("exit");

std::string открыть(const std::string& uri, const std::string& текст) {
  return кадр("textDocument/didOpen",
              {{"textDocument", {{"uri", uri}, {"languageId", "tuvra"}, {"version", 1}, {"text", текст}}}});
}

json в_позиции(const std::string& uri, std::uint64_t строка, std::uint64_t знак) {
  return {{"textDocument", {{"uri", uri}}}, {"position", {{"line", строка}, {"character", знак}}}};
}

// The results of the session's responses by id, the initialize and shutdown answers left out.
std::map<std::string, json> результаты(const ИтогСеанса& итог) {
  std::map<std::string, json> по_id;
  for (const json& с : итог.сообщения) {
    if (!с.contains("id") || с.contains("method") || с["id"] == 0 || с["id"] == 999) continue;
    EXPECT_FALSE(с.contains("error")) << с.dump();
    по_id[с["id"].is_string() ? с["id"].get<std::string>() : с["id"].dump()] = с.value("result", json("absent"));
  }
  return по_id;
}

const std::string uri = "file:///tmp/Папка/пример.код";
const std::string uri_в_ответе =
    "file:///tmp/%D0%9F%D0%B0%D0%BF%D0%BA%D0%B0/%D0%BF%D1%80%D0%B8%D0%BC%D0%B5%D1%80.%D0%BA%D0%BE%D0%B4";

const std::string документ =
    "структура Точка\n"                                     // 0
    "  целое x;\n"                                          // 1
    "  функция сдвинуть(ссылка целое д): Точка\n"           // 2
    "    вернуть это;\n"                                    // 3
    "  конец\n"                                             // 4
    "конец\n"                                               // 5
    "функция главная()\n"                                   // 6
    "  Точка т = Точка(1);\n"                               // 7
    "  т.сдвинуть(2);\n"                                    // 8
    "конец\n"                                               // 9
    "контракт Фигура функция площадь(): дробное; конец\n";  // 10

json наведение(const std::string& текст) { return {{"contents", {{"kind", "markdown"}, {"value", текст}}}}; }

json место(unsigned строка, unsigned знак) {
  const json позиция = {{"line", строка}, {"character", знак}};
  return {{"uri", uri_в_ответе}, {"range", {{"start", позиция}, {"end", позиция}}}};
}

TEST(СеансЗапросов, HoverAndDefinitionAnswers) {
  struct Случай {
    std::string метод;
    unsigned строка, знак;
    json ответ;
  };
  const std::vector<Случай> случаи = {
      {"textDocument/hover", 6, 10, наведение("```\nфункция главная()\n```")},
      {"textDocument/hover", 0, 15, наведение("```\nструктура Точка\n    целое x;\nконец\n```")},
      {"textDocument/hover", 8, 6, наведение("```\nТочка.сдвинуть(целое д): Точка\n```")},
      {"textDocument/hover", 1, 2,
       наведение("**целое**\n\n64-битное знаковое целое число\n\nто же самое, что целое64")},
      {"textDocument/hover", 1, 8, nullptr},    // a field
      {"textDocument/hover", 10, 12, nullptr},  // a contract
      {"textDocument/hover", 11, 0, nullptr},   // past the last line
      {"textDocument/hover", 4000000000, 4000000000, nullptr},
      {"textDocument/definition", 7, 3, место(0, 0)},
      {"textDocument/definition", 8, 6, место(2, 2)},
      {"textDocument/definition", 6, 12, место(6, 0)},
      {"textDocument/definition", 8, 3, nullptr},    // a local variable
      {"textDocument/definition", 10, 12, nullptr},  // a contract
      {"textDocument/definition", 1, 2, nullptr},    // a type keyword
      {"textDocument/definition", 4000000000, 0, nullptr},
  };
  std::string ввод = рукопожатие + открыть(uri, документ);
  for (std::size_t i = 0; i < случаи.size(); ++i) {
    ввод += кадр(случаи[i].метод, в_позиции(uri, случаи[i].строка, случаи[i].знак), std::to_string(i));
  }
  const auto итог = выполнить_сеанс(ввод + завершение);
  EXPECT_EQ(итог.код, 0);
  EXPECT_EQ(итог.ошибки, "");
  const auto ответы = результаты(итог);
  ASSERT_EQ(ответы.size(), случаи.size());
  for (std::size_t i = 0; i < случаи.size(); ++i) {
    EXPECT_EQ(ответы.at(std::to_string(i)), случаи[i].ответ)
        << случаи[i].метод << " " << случаи[i].строка << ":" << случаи[i].знак;
  }
}

TEST(СеансЗапросов, DocumentsAreFoundByTheirNormalisedUri) {
  const std::string текст = "функция ф() конец\n";
  const auto итог =
      выполнить_сеанс(рукопожатие + открыть("file:///a.код", текст) +
                      кадр("textDocument/hover", в_позиции("FILE:///a.%D0%BA%D0%BE%D0%B4", 0, 8), 1) +
                      кадр("textDocument/hover", в_позиции("file:///b.код", 0, 8), 2) +  // never opened
                      кадр("textDocument/definition", в_позиции("file:///./a.код", 0, 8), 3) + завершение);
  const auto ответы = результаты(итог);
  ASSERT_EQ(ответы.size(), 3u);
  EXPECT_EQ(ответы.at("1"), наведение("```\nфункция ф()\n```"));
  EXPECT_EQ(ответы.at("2"), nullptr);
  EXPECT_EQ(ответы.at("3")["uri"], "file:///a.%D0%BA%D0%BE%D0%B4");
}

TEST(СеансЗапросов, SyntaxErrorLeavesOnlyReferenceAnswers) {
  const std::string сломанный = "функция главная(\n  целое x\n";
  const auto итог = выполнить_сеанс(
      рукопожатие + открыть(uri, сломанный) + кадр("textDocument/hover", в_позиции(uri, 0, 9), 1) +
      кадр("textDocument/hover", в_позиции(uri, 0, 3), 2) + кадр("textDocument/definition", в_позиции(uri, 0, 9), 3) +
      кадр("textDocument/completion", в_позиции(uri, 0, 0), 4) + завершение);
  const auto ответы = результаты(итог);
  ASSERT_EQ(ответы.size(), 4u);
  EXPECT_EQ(ответы.at("1"), nullptr);
  EXPECT_EQ(ответы.at("2"),
            наведение("**функция**\n\nобъявление функции\n\nфункция имя(параметры): тип_возврата … конец"));
  EXPECT_EQ(ответы.at("3"), nullptr);
  EXPECT_EQ(ответы.at("4").size(), 62u);
}

TEST(СеансЗапросов, CompletionIsAlwaysAPlainArray) {
  const auto итог =
      выполнить_сеанс(рукопожатие + открыть(uri, документ) + кадр("textDocument/completion", в_позиции(uri, 6, 3), 1) +
                      кадр("textDocument/completion", в_позиции(uri, 0, 0), 2) +
                      кадр("textDocument/completion", в_позиции("untitled:Untitled-1", 0, 0), 3) + завершение);
  const auto ответы = результаты(итог);
  ASSERT_EQ(ответы.size(), 3u);
  const json& список = ответы.at("1");
  ASSERT_TRUE(список.is_array());
  ASSERT_EQ(список.size(), 65u);
  EXPECT_EQ(список[0], json::parse(R"j({"label":"конец","kind":14,"detail":"конец блока","documentation":
      "закрывает функцию, структуру, если/пока/для и т.д.; после «если … иначе если … иначе» нужен один «конец»"})j"));
  EXPECT_EQ(список[25], json::parse(R"j({"label":"целое8","kind":7,"detail":"8-битное знаковое целое число"})j"));
  EXPECT_EQ(список[61]["kind"], 3);
  EXPECT_EQ(список[62], json::parse(R"j({"label":"Точка","kind":22,"detail":"структура (1 полей)"})j"));
  EXPECT_EQ(список[63], json::parse(R"j({"label":"главная","kind":3,"detail":"функция()"})j"));
  EXPECT_EQ(список[64], json::parse(R"j({"label":"Фигура","kind":8,"detail":"контракт (1 метод(ов))"})j"));
  // The cursor does not matter; a document that is not open still gets the reference items.
  EXPECT_EQ(ответы.at("2"), список);
  ASSERT_TRUE(ответы.at("3").is_array());
  EXPECT_EQ(ответы.at("3").size(), 62u);
}

TEST(СеансЗапросов, OtherMethodsGetNullResults) {
  const auto итог =
      выполнить_сеанс(рукопожатие + открыть(uri, документ) + кадр("textDocument/references", в_позиции(uri, 6, 10), 1) +
                      кадр("textDocument/formatting", nullptr, "строка") + кадр("$/custom", json::array({1}), 3) +
                      кадр("textdocument/hover", в_позиции(uri, 6, 10), 4) + завершение);
  EXPECT_EQ(итог.код, 0);
  const auto ответы = результаты(итог);
  ASSERT_EQ(ответы.size(), 4u);
  for (const auto& [id, результат] : ответы) EXPECT_EQ(результат, nullptr) << id;
  // A text id is echoed as a text.
  EXPECT_EQ(итог.сообщения[итог.сообщения.size() - 4]["id"], "строка");
}

TEST(СеансЗапросов, ParamsThatDoNotConvertEndTheRunWithoutAResponse) {
  struct Случай {
    const char* название;
    std::string запрос;
    std::string строка;
  };
  const std::vector<Случай> случаи = {
      {"hover without params", кадр("textDocument/hover", nullptr, 5),
       "Error: Json(Error(\"invalid type: null, expected an object\"))\n"},
      {"completion with an array", кадр("textDocument/completion", json::array(), 5),
       "Error: Json(Error(\"invalid type: an array, expected an object\"))\n"},
      {"definition without a position", кадр("textDocument/definition", {{"textDocument", {{"uri", uri}}}}, 5),
       "Error: Json(Error(\"missing field `position`\"))\n"},
      {"hover with a negative line",
       кадр("textDocument/hover", {{"textDocument", {{"uri", uri}}}, {"position", {{"line", -1}, {"character", 0}}}},
            5),
       "Error: Json(Error(\"invalid value: integer -1, expected a u32 at `position.line`\"))\n"},
      {"hover with a line beyond 32 bits", кадр("textDocument/hover", в_позиции(uri, 1ull << 32, 0), 5),
       "Error: Json(Error(\"invalid value: integer 4294967296, expected a u32 at `position.line`\"))\n"},
      {"hover with a relative uri", кадр("textDocument/hover", в_позиции("a.код", 0, 0), 5),
       "Error: Json(Error(\"invalid URL \\\"a.код\\\": "},
  };
  for (const auto& с : случаи) {
    SCOPED_TRACE(с.название);
    const auto итог = выполнить_сеанс(рукопожатие + открыть(uri, документ) + с.запрос + завершение);
    EXPECT_EQ(итог.код, 1);
    EXPECT_THAT(итог.ошибки, StartsWith(с.строка));
    for (const json& сообщение : итог.сообщения) EXPECT_NE(сообщение.value("id", json()), 5);
    EXPECT_EQ(итог.сообщения.size(), 2u);  // the initialize answer and the diagnostics
  }
}

TEST(СеансЗапросов, TenMegabyteDocument) {
  std::string текст;
  const std::string строка = "функция ф() целое х = 1 + 2 * 3; конец // комментарий ёжик😀\n";
  while (текст.size() < 10'000'000) текст += строка;
  текст += "функция последняя(текст т): целое вернуть 1; конец";
  const unsigned последняя = static_cast<unsigned>(текст.size() / строка.size());
  ПроцессСервера сервер;
  сервер.записать(рукопожатие + открыть(uri, текст) + кадр("textDocument/hover", в_позиции(uri, последняя, 12), 1) +
                  кадр("textDocument/definition", в_позиции(uri, последняя, 12), 2) +
                  кадр("textDocument/completion", в_позиции(uri, 0, 0), 3) +
                  кадр("textDocument/hover", в_позиции(uri, 3, 1000000), 4) + завершение);
  сервер.закрыть_ввод();
  // Four whole checks of the text; sanitizer builds take minutes for them.
  ИтогСеанса итог;
  итог.код = сервер.дождаться(std::chrono::minutes(20));
  итог.сообщения = сервер.прочитанные();
  итог.ошибки = сервер.ошибки();
  EXPECT_EQ(итог.код, 0);
  EXPECT_EQ(итог.ошибки, "");
  const auto ответы = результаты(итог);
  ASSERT_EQ(ответы.size(), 4u);
  EXPECT_EQ(ответы.at("1"), наведение("```\nфункция последняя(текст т): целое\n```"));
  EXPECT_EQ(ответы.at("2"), место(последняя, 0));
  EXPECT_EQ(ответы.at("3").size(), 62u + последняя + 1);
  EXPECT_EQ(ответы.at("4"), nullptr);  // the line ends in an emoji
}

}  // namespace
}  // namespace тувра::lsp::проверка
