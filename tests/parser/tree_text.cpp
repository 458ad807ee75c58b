// Walks the nodes by their field lists, as the debug renderings do, so a field added to a
// node shows up here without a change.
#include "tree_text.h"

#include <string_view>
#include <type_traits>
#include <variant>

#include "syntax_tree/debug_text.h"
#include "syntax_tree/tree_walk.h"

namespace тувра::тест {

namespace {

using namespace обход;

// Shorter than the member's name, as the tests write it.
std::string_view имя_поля(std::string_view имя) { return имя == "позиция_объявления" ? "позиция" : имя; }

std::string_view текст_видимости(Видимость видимость) {
  switch (видимость) {
    case Видимость::Публичная: return "Публичная";
    case Видимость::Приватная: return "Приватная";
    case Видимость::НеУказана: return "НеУказана";
  }
  return "?";
}

template <class Т>
void дописать(std::string& куда, const Т& значение);

template <class Т>
void дописать_запись(std::string& куда, const Т& узел) {
  constexpr auto описание = описание_узла<Т>();
  if constexpr (описание.запись == Запись::Прозрачная) {
    для_полей(узел, [&](std::string_view, const auto& поле) { дописать(куда, поле); });
  } else {
    куда += описание.имя;
    if constexpr (описание.число_полей > 0) {
      constexpr bool именованная = описание.запись == Запись::Именованная;
      куда += именованная ? " { " : "(";
      bool первое = true;
      для_полей(узел, [&](std::string_view имя, const auto& поле) {
        if (!первое) куда += ", ";
        первое = false;
        if (именованная) {
          куда += имя_поля(имя);
          куда += ": ";
        }
        дописать(куда, поле);
      });
      куда += именованная ? " }" : ")";
    }
  }
}

template <class Т>
void дописать(std::string& куда, const Т& значение) {
  if constexpr (std::is_same_v<Т, УзелВыражения>) {
    отладочный_текст_выражения(значение, куда);
  } else if constexpr (std::is_same_v<Т, СинтаксическийТип>) {
    отладочный_текст_синтаксического_типа(значение, куда);
  } else if constexpr (std::is_same_v<Т, Инструкция>) {
    куда += std::to_string(значение.строка) + ":";
    std::visit([&](const auto& вид) { дописать(куда, вид); }, значение.вид_инструкции);
  } else if constexpr (std::is_same_v<Т, Видимость>) {
    куда += текст_видимости(значение);
  } else if constexpr (std::is_same_v<Т, ПозицияОбъявления>) {
    куда += std::to_string(значение.first) + ":" + std::to_string(значение.second);
  } else if constexpr (это_указатель<Т>::value) {
    if (значение) дописать(куда, *значение);
  } else if constexpr (это_список<Т>::value) {
    куда += "[";
    for (std::size_t и = 0; и < значение.size(); ++и) {
      if (и > 0) куда += ", ";
      дописать(куда, значение[и]);
    }
    куда += "]";
  } else if constexpr (это_необязательное<Т>::value) {
    if (!значение) {
      куда += "None";
      return;
    }
    куда += "Some(";
    дописать(куда, *значение);
    куда += ")";
  } else if constexpr (это_вариант<Т>::value) {
    std::visit([&](const auto& альтернатива) { дописать(куда, альтернатива); }, значение);
  } else if constexpr (описан<Т>) {
    дописать_запись(куда, значение);
  } else {
    дописать_значение(куда, значение);
  }
}

template <class Т>
std::string текст(const Т& значение) {
  std::string итог;
  дописать(итог, значение);
  return итог;
}

}  // namespace

std::string текст_цели(const ЦельПрисваивания& цель) { return текст(цель); }
std::string текст_инструкции(const Инструкция& инструкция) { return текст(инструкция); }
std::string текст_инструкций(СписокУзлов<Инструкция> инструкции) { return текст(инструкции); }
std::string текст_функции(const ОбъявлениеФункции& функция) { return текст(функция); }
std::string текст_объявления(const Объявление& объявление) { return текст(объявление); }
std::string текст_программы(const Программа& программа) { return текст(программа.объявления); }

}  // namespace тувра::тест
