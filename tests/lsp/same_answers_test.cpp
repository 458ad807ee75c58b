// One session transcript against this build's server and against the server of another build
// (TUVRA_LSP_SERVER, run by TUVRA_LSP_EMULATOR: the Windows program under Wine): both must
// publish the same diagnostics and give the same hovers, completions and definitions.
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "server_process.h"

namespace тувра::lsp::проверка {
namespace {

using json = nlohmann::json;

class Стенограмма {
 public:
  Стенограмма() {
    запрос("initialize", {{"processId", nullptr}, {"capabilities", json::object()}});
    уведомление("initialized", json::object());
  }

  void уведомление(const std::string& метод, json параметры) {
    текст_ += кадр_json({{"jsonrpc", "2.0"}, {"method", метод}, {"params", std::move(параметры)}});
  }
  void запрос(const std::string& метод, json параметры) {
    текст_ += кадр_json({{"jsonrpc", "2.0"}, {"id", ++id_}, {"method", метод}, {"params", std::move(параметры)}});
  }
  void открыть(const std::string& uri, const std::string& текст) {
    уведомление("textDocument/didOpen",
                {{"textDocument", {{"uri", uri}, {"languageId", "tuvra"}, {"version", 1}, {"text", текст}}}});
  }
  void изменить(const std::string& uri, const std::string& текст) {
    уведомление("textDocument/didChange",
                {{"textDocument", {{"uri", uri}, {"version", 2}}}, {"contentChanges", {{{"text", текст}}}}});
  }
  // Hover, definition and completion at each of the positions.
  void спросить(const std::string& uri, const std::vector<std::pair<unsigned, unsigned>>& позиции) {
    for (const auto& [строка, знак] : позиции) {
      const json где = {{"textDocument", {{"uri", uri}}}, {"position", {{"line", строка}, {"character", знак}}}};
      for (const char* метод : {"textDocument/hover", "textDocument/definition", "textDocument/completion"}) {
        запрос(метод, где);
      }
    }
  }
  std::string закончить() {
    запрос("shutdown", nullptr);
    уведомление("exit", nullptr);
    return текст_;
  }

 private:
  std::string текст_;
  int id_ = 0;
};

// What a client keeps of a session: the publications in order and the answers by id (the
// server may interleave the two differently from run to run).
struct Ответы {
  int код = -1;
  std::string ошибки;
  std::vector<json> публикации;
  std::map<int, json> ответы;
};

Ответы пройти(const std::vector<std::string>& команда, const std::string& стенограмма) {
  ПроцессСервера сервер(команда);
  сервер.записать(стенограмма);
  сервер.закрыть_ввод();
  Ответы итог;
  итог.код = сервер.дождаться();
  итог.ошибки = сервер.ошибки();
  for (const json& с : сервер.прочитанные()) {
    if (с.contains("id")) {
      итог.ответы[с["id"].get<int>()] = с;
    } else {
      итог.публикации.push_back(с);
    }
  }
  return итог;
}

const std::string документ =
    "// Точки на плоскости 😀: имена и столбцы после символов вне BMP\n"  // 0
    "структура Точка\n"                                                  // 1
    "  публично целое х;\n"                                              // 2
    "  публично функция сдвинуть(целое д): Точка\n"                      // 3
    "    вернуть Точка(это.х + д);\n"                                    // 4
    "  конец\n"                                                          // 5
    "конец\n"                                                            // 6
    "функция площадь(Точка т): целое вернуть т.х * т.х; конец\n"         // 7
    "функция главная()\n"                                                // 8
    "  Точка т = Точка(1).сдвинуть(2);\n"                                // 9
    "  целое п = площадь(т); вывести(\"ёжик 😀\"); вывести(п);\n"         // 10
    "конец\n";                                                           // 11

std::string глубокий_документ() {
  std::string текст = "функция ф<Т>(Т х)\n";
  for (int i = 0; i < 990; ++i) текст += "если (да)\n";
  текст += "вывести(ф<Список из Т>(Список из Т()));\n";
  for (int i = 0; i < 990; ++i) текст += "конец\n";
  return текст + "конец\nфункция г()\n  вывести(ф<целое>(1));\nконец\n";
}

std::string стенограмма() {
  Стенограмма с;
  const std::string а = "file:///C:/Users/%D0%98%D0%B2%D0%B0%D0%BD/%D0%BA%D0%BE%D0%B4/%D0%B0.код";
  с.открыть(а, документ);
  с.спросить(
      а, {{1, 12}, {3, 22}, {7, 9}, {7, 18}, {9, 4}, {9, 24}, {10, 4}, {10, 14}, {10, 46}, {10, 52}, {0, 30}, {99, 0}});
  с.открыть("file:///tmp/лексема.код", "функция а()\n  целое ё = 1 @ 2;\nконец\n");
  с.открыть("file:///tmp/разбор.код", "функция а(\n  целое x\n");
  с.спросить("file:///tmp/разбор.код", {{0, 8}, {1, 3}});
  с.открыть("FILE:///tmp/%D1%82%D0%B8%D0%BF.код", "функция ф()\n  целое х = 1;\n  текст т = х;\nконец\n");
  с.изменить(а, документ + "функция главная() конец\n");
  с.изменить(а, документ);
  с.открыть("file:///tmp/глубокий.код", глубокий_документ());
  с.уведомление("textDocument/didClose", {{"textDocument", {{"uri", "file:///tmp/разбор.код"}}}});
  с.спросить("file:///tmp/разбор.код", {{0, 8}});
  return с.закончить();
}

TEST(ТеЖеОтветы, TheOtherServerAnswersTheTranscriptAsThisBuildsDoes) {
  if (std::getenv("TUVRA_LSP_SERVER") == nullptr) GTEST_SKIP() << "no other server: TUVRA_LSP_SERVER is not set";
  const std::string ввод = стенограмма();
  const Ответы свои = пройти({путь_к_серверу()}, ввод);
  const Ответы другие = пройти(команда_сервера(), ввод);

  // The transcript means something: it gets errors of every stage and real answers.
  EXPECT_EQ(свои.код, 0);
  EXPECT_EQ(свои.ошибки, "");
  int с_ошибкой = 0, наведения = 0, места = 0;
  for (const json& п : свои.публикации) с_ошибкой += !п["params"]["diagnostics"].empty();
  for (const auto& [id, ответ] : свои.ответы) {
    const json& результат = ответ.value("result", json());
    наведения += результат.contains("contents");
    места += результат.contains("uri");
  }
  EXPECT_EQ(свои.публикации.size(), 8u);
  EXPECT_EQ(с_ошибкой, 5);
  EXPECT_GE(наведения, 5);
  EXPECT_GE(места, 5);

  EXPECT_EQ(другие.код, свои.код);
  EXPECT_EQ(другие.ошибки, свои.ошибки);
  ASSERT_EQ(другие.публикации.size(), свои.публикации.size());
  for (std::size_t i = 0; i < свои.публикации.size(); ++i) {
    EXPECT_EQ(другие.публикации[i], свои.публикации[i]) << "publication " << i;
  }
  ASSERT_EQ(другие.ответы.size(), свои.ответы.size());
  for (const auto& [id, ответ] : свои.ответы) EXPECT_EQ(другие.ответы.at(id), ответ) << "answer " << id;
}

}  // namespace
}  // namespace тувра::lsp::проверка
