// The built server over pipes with the semantic analysis: its errors are published at the
// document's start with their prefix, and a valid document clears them.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "server_process.h"

namespace тувра::lsp::проверка {
namespace {

using json = nlohmann::json;

json сообщение(json id, const std::string& метод, json параметры) {
  json с = {{"jsonrpc", "2.0"}, {"method", метод}, {"params", std::move(параметры)}};
  if (!id.is_null()) с["id"] = std::move(id);
  return с;
}

std::string открыть(const std::string& uri, const std::string& текст) {
  return кадр_json(
      сообщение(nullptr, "textDocument/didOpen",
                {{"textDocument", {{"uri", uri}, {"languageId", "tuvra"}, {"version", 1}, {"text", текст}}}}));
}

std::string изменить(const std::string& uri, const std::string& текст) {
  return кадр_json(
      сообщение(nullptr, "textDocument/didChange",
                {{"textDocument", {{"uri", uri}, {"version", 2}}}, {"contentChanges", {{{"text", текст}}}}}));
}

const std::string начало =
    кадр_json(сообщение(1, "initialize", {{"processId", nullptr}, {"capabilities", json::object()}})) +
    кадр_json(сообщение(nullptr, "initialized", json::object()));
const std::string выход = кадр_json({{"jsonrpc", "2.0"}, {"id", 99}, {"method", "shutdown"}}) +
                          кадр_json({{"jsonrpc", "2.0"}, {"method", "exit"}});

std::vector<json> публикации(const ИтогСеанса& итог) {
  std::vector<json> список;
  for (const auto& с : итог.сообщения) {
    if (с.value("method", "") == "textDocument/publishDiagnostics") список.push_back(с["params"]);
  }
  return список;
}

const std::string ошибка_типа = "функция ф()\n  целое х = 1;\n  текст т = х;\nконец\n";
const std::string верный = "функция ф(): целое\n  целое х = 1;\n  вернуть х + 1;\nконец\n";

TEST(СеансАнализа, ErrorAtTheStartThenClearedByAValidText) {
  const std::string uri = "file:///a.код";
  const auto итог = выполнить_сеанс(начало + открыть(uri, ошибка_типа) + изменить(uri, верный) + выход);
  EXPECT_EQ(итог.код, 0);
  const auto список = публикации(итог);
  ASSERT_EQ(список.size(), 2u);
  const json ожидалось = {
      {{"range", {{"start", {{"line", 0}, {"character", 0}}}, {"end", {{"line", 0}, {"character", 1}}}}},
       {"severity", 1},
       {"source", "Тувра"},
       {"message", "[без точной позиции] несовпадение типов для 'т': ожидался Текст, получено Целое"}}};
  EXPECT_EQ(список[0]["diagnostics"], ожидалось);
  EXPECT_EQ(список[1]["diagnostics"], json::array());
}

TEST(СеансАнализа, EachDocumentIsAnalysedAlone) {
  // The second document calls a function only the first declares.
  const auto итог =
      выполнить_сеанс(начало + открыть("file:///a.код", "функция помощь(): целое\n  вернуть 1;\nконец\n") +
                      открыть("file:///b.код", "функция ф(): целое\n  вернуть помощь();\nконец\n") + выход);
  const auto список = публикации(итог);
  ASSERT_EQ(список.size(), 2u);
  EXPECT_EQ(список[0]["diagnostics"], json::array());
  ASSERT_EQ(список[1]["diagnostics"].size(), 1u);
  EXPECT_EQ(список[1]["diagnostics"][0]["message"], "[без точной позиции] функция 'помощь' не объявлена");
}

TEST(СеансАнализа, DeepAndGrowingDocumentsGetTheirAnswer) {
  // 1,000 nested blocks and a template that asks for ever larger instances: the server answers
  // each, and stays up for the next.
  std::string вложенный = "функция ф()\n";
  for (int i = 0; i < 995; ++i) вложенный += "если (да)\n";
  вложенный += "прервать;\n";
  for (int i = 0; i < 995; ++i) вложенный += "конец\n";
  вложенный += "конец\n";
  const std::string растущий =
      "функция ф<Т>(Т х)\n  вывести(ф<Список из Т>(Список из Т()));\nконец\nфункция г()\n  вывести(ф<целое>(1));\nконец\n";
  const auto итог = выполнить_сеанс(начало + открыть("file:///a.код", вложенный) + открыть("file:///b.код", растущий) +
                                    открыть("file:///c.код", верный) + выход);
  EXPECT_EQ(итог.код, 0);
  const auto список = публикации(итог);
  ASSERT_EQ(список.size(), 3u);
  EXPECT_EQ(список[0]["diagnostics"][0]["message"],
            "[без точной позиции] 'прервать' можно использовать только внутри цикла ('пока' или 'для каждого')");
  EXPECT_EQ(список[1]["diagnostics"][0]["message"],
            "[без точной позиции] слишком глубокая вложенность инстанциаций — больше 64 уровней, встретилось «ф»");
  EXPECT_EQ(список[2]["diagnostics"], json::array());
}

TEST(СеансАнализа, WithoutRoomForTheAnalysisStackEachDocumentGetsAnError) {
  if (сервер_под_эмулятором()) GTEST_SKIP() << "the address-space cap is set with Linux's prlimit";
#if defined(__SANITIZE_ADDRESS__)
  GTEST_SKIP() << "AddressSanitizer reserves far more address space than the cap allows";
#endif
  // With 1 GiB of address space the analysis's 1 GiB stack cannot be had. The document stacks
  // 64 instantiations on bodies nested 994 deep: no ordinary stack holds its check.
  std::string глубокий = "функция ф<Т>(Т х)\n";
  for (int i = 0; i < 994; ++i) глубокий += "если (да)\n";
  глубокий += "вывести(ф<Список из Т>(Список из Т()));\n";
  for (int i = 0; i < 994; ++i) глубокий += "конец\n";
  глубокий += "конец\nфункция г()\n  вывести(ф<целое>(1));\nконец\n";
  std::vector<std::string> команда = {"prlimit", "--as=1073741824", "--"};
  for (auto& часть : команда_сервера()) команда.push_back(std::move(часть));
  ПроцессСервера сервер(команда);
  сервер.записать(начало + открыть("file:///a.код", глубокий) + открыть("file:///b.код", верный) + выход);
  сервер.закрыть_ввод();
  EXPECT_EQ(сервер.дождаться(), 0);
  const std::string ошибка =
      "[без точной позиции] не удалось выделить стек для анализа: система не создала поток со "
      "стеком в 1024 МиБ";
  ИтогСеанса итог;
  итог.сообщения = сервер.прочитанные();
  const auto список = публикации(итог);
  ASSERT_EQ(список.size(), 2u);
  for (const auto& публикация : список) EXPECT_EQ(публикация["diagnostics"][0]["message"], ошибка);
}

}  // namespace
}  // namespace тувра::lsp::проверка
