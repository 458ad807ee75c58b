#include "completion.h"

#include <string>
#include <variant>

#include "document_declarations.h"
#include "signatures.h"

namespace тувра::lsp {

namespace {

template <class Функция>
std::string сигнатура_функции(const Функция& функция) {
  return сигнатура(функция.параметры, функция.тип_возврата, ПустойРезультат::без_суффикса);
}

struct ЭлементОбъявления {
  std::optional<CompletionItem> operator()(const ПодключениеМодуля&) const { return std::nullopt; }
  std::optional<CompletionItem> operator()(const ОбъявлениеСтруктуры& с) const {
    return CompletionItem{std::string(с.имя), виды_дополнений::Struct,
                          "структура (" + std::to_string(с.поля.size()) + " полей)", std::nullopt};
  }
  std::optional<CompletionItem> operator()(const ОбъявлениеФункции& ф) const {
    return CompletionItem{std::string(ф.имя), виды_дополнений::Function, "функция" + сигнатура_функции(ф),
                          std::nullopt};
  }
  std::optional<CompletionItem> operator()(const ОбъявлениеКонтракта& к) const {
    return CompletionItem{std::string(к.имя), виды_дополнений::Interface,
                          "контракт (" + std::to_string(к.методы.size()) + " метод(ов))", std::nullopt};
  }
  std::optional<CompletionItem> operator()(const ВнешняяФункция& ф) const {
    return CompletionItem{std::string(ф.имя), виды_дополнений::Function, "внешняя функция" + сигнатура_функции(ф),
                          std::nullopt};
  }
};

}  // namespace

int виды_разделов_справки(РазделСправки раздел) {
  switch (раздел) {
    case РазделСправки::КлючевоеСлово: return виды_дополнений::Keyword;
    case РазделСправки::ТипДанных: return виды_дополнений::Class;
    case РазделСправки::ВстроеннаяФункция: return виды_дополнений::Function;
  }
  return виды_дополнений::Keyword;
}

CompletionItem элемент_дополнения_из_справки(const СтатьяСправки& статья) {
  CompletionItem элемент{std::string(статья.слово), виды_разделов_справки(статья.раздел), std::string(статья.заголовок),
                         std::nullopt};
  if (!статья.пояснение.empty()) элемент.documentation = std::string(статья.пояснение);
  return элемент;
}

std::vector<CompletionItem> элементы_справки_для_дополнения(const std::vector<СтатьяСправки>& статьи) {
  std::vector<CompletionItem> элементы;
  элементы.reserve(статьи.size());
  for (const СтатьяСправки& статья : статьи) элементы.push_back(элемент_дополнения_из_справки(статья));
  return элементы;
}

std::vector<CompletionItem> список_дополнений(std::string_view текст) {
  std::vector<CompletionItem> элементы = элементы_справки_для_дополнения(справка_языка());
  const auto программа = разобрать_документ(текст);
  if (!программа) return элементы;
  for (const Объявление& объявление : программа->программа.объявления) {
    if (auto элемент = std::visit(ЭлементОбъявления{}, объявление.вид)) элементы.push_back(std::move(*элемент));
  }
  return элементы;
}

}  // namespace тувра::lsp
