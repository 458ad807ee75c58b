#include "hover.h"

#include "document_declarations.h"
#include "reference_table/reference_table.h"
#include "signatures.h"
#include "word_under_cursor.h"

namespace тувра::lsp {

namespace {

std::optional<std::string> текст_справки(std::string_view слово) {
  for (const СтатьяСправки& статья : справка_языка()) {
    if (статья.слово != слово) continue;
    std::string текст = "**" + std::string(статья.слово) + "**\n\n" + std::string(статья.заголовок);
    if (!статья.пояснение.empty()) текст += "\n\n" + std::string(статья.пояснение);
    return текст;
  }
  return std::nullopt;
}

std::string сигнатура_функции(const ОбъявлениеФункции& функция) {
  return сигнатура(функция.параметры, функция.тип_возврата, ПустойРезультат::с_двоеточием);
}

std::string блок_кода(const std::string& содержимое) { return "```\n" + содержимое + "\n```"; }

struct ТекстОбъявления {
  std::string operator()(const НайденнаяФункция& н) const {
    return блок_кода("функция " + std::string(н.функция->имя) + сигнатура_функции(*н.функция));
  }
  std::string operator()(const НайденнаяСтруктура& н) const {
    return блок_кода("структура " + std::string(н.структура->имя) + "\n" +
                     соединить(строки_полей(н.структура->поля), "\n") + "\nконец");
  }
  std::string operator()(const НайденныйМетод& н) const {
    return блок_кода(std::string(н.структура->имя) + "." + std::string(н.метод->имя) + сигнатура_функции(*н.метод));
  }
};

}  // namespace

std::optional<std::string> подсказка_при_наведении(std::string_view текст, std::uint32_t строка, std::uint32_t знак) {
  const auto слово = слово_под_курсором(текст, строка, знак);
  if (!слово) return std::nullopt;
  if (auto справка = текст_справки(*слово)) return справка;
  const auto программа = разобрать_документ(текст);
  if (!программа) return std::nullopt;
  const auto найдено = найти_объявление(программа->программа, *слово);
  if (!найдено) return std::nullopt;
  return std::visit(ТекстОбъявления{}, *найдено);
}

}  // namespace тувра::lsp
