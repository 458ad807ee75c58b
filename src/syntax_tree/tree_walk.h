// The iterative walks that every node kind shares: deep copy, comparison, destruction and
// rendering. Each kind's source file describes its alternatives' fields with ТУВРА_ВАРИАНТ;
// a walk of one kind keeps that kind's children in a worklist on the heap, and hands a child
// of another kind to that kind's own (equally iterative) operation, so no walk recurses
// deeper than the fixed nesting of one node's fields.
#pragma once

#include <array>
#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <tuple>
#include <type_traits>
#include <utility>
#include <variant>
#include <vector>

#include "syntax_tree/debug_text.h"
#include "syntax_tree/statement.h"

namespace тувра::обход {

// The variant's name and, for named fields, the field names in declared order; an
// alternative with one unnamed payload has no field names.
struct Подпись {
  std::string_view имя;
  std::array<std::string_view, 4> имена{};
};

// ТУВРА_ПОЛЯ(Инструкция, у.вид_инструкции, у.строка): the fields the walks go through.
#define ТУВРА_ПОЛЯ(Тип, ...)                                                                        \
  [[maybe_unused]] static auto поля(Тип& у) { return std::tie(__VA_ARGS__); }                      \
  [[maybe_unused]] static auto поля(const Тип& у) { return std::tie(__VA_ARGS__); }
#define ТУВРА_БЕЗ_ПОЛЕЙ(Тип)                                                                         \
  [[maybe_unused]] static std::tuple<> поля(const Тип&) { return {}; }
#define ТУВРА_РАСКРЫТЬ(...) __VA_ARGS__
// The fields and the rendering's names of an alternative:
// ТУВРА_ВАРИАНТ(Бинарное, "Бинарное", ("левое", "оператор", "правое"), у.левое, у.оператор, у.правое);
// `()` for one unnamed payload.
#define ТУВРА_ВАРИАНТ(Тип, Имя, Имена, ...)                                                         \
  ТУВРА_ПОЛЯ(Тип, __VA_ARGS__)                                                                      \
  [[maybe_unused]] static constexpr обход::Подпись подпись(const Тип*) {                          \
    return {Имя, {ТУВРА_РАСКРЫТЬ Имена}};                                                          \
  }
#define ТУВРА_ПУСТОЙ_ВАРИАНТ(Тип, Имя)                                                              \
  ТУВРА_БЕЗ_ПОЛЕЙ(Тип)                                                                              \
  [[maybe_unused]] static constexpr обход::Подпись подпись(const Тип*) { return {Имя}; }

template <class Т>
inline constexpr bool вид_узла = std::is_same_v<Т, УзелВыражения> || std::is_same_v<Т, СинтаксическийТип> ||
                                 std::is_same_v<Т, Инструкция> || std::is_same_v<Т, ЦельПрисваивания>;

template <class Т> struct это_вектор : std::false_type {};
template <class Э> struct это_вектор<std::vector<Э>> : std::true_type {};
template <class Т> struct это_необязательное : std::false_type {};
template <class Э> struct это_необязательное<std::optional<Э>> : std::true_type {};
template <class Т> struct это_ящик : std::false_type {};
template <class Э> struct это_ящик<std::unique_ptr<Э>> : std::true_type {};
template <class Т> struct это_вариант : std::false_type {};
template <class... Э> struct это_вариант<std::variant<Э...>> : std::true_type {};

template <class Т>
concept с_полями = requires(const Т& у) { поля(у); };
template <class Т>
concept с_подписью = requires { подпись(static_cast<const Т*>(nullptr)); };

inline СинтаксическийТип копия_узла(const СинтаксическийТип& у) { return копия_синтаксического_типа(у); }
inline УзелВыражения копия_узла(const УзелВыражения& у) { return копия_выражения(у); }
inline ЦельПрисваивания копия_узла(const ЦельПрисваивания& у) { return копия_цели_присваивания(у); }
inline Инструкция копия_узла(const Инструкция& у) { return копия_инструкции(у); }
inline void отладочный_текст_узла(const СинтаксическийТип& у, std::string& куда) {
  отладочный_текст_синтаксического_типа(у, куда);
}
inline void отладочный_текст_узла(const УзелВыражения& у, std::string& куда) { отладочный_текст_выражения(у, куда); }

// Deep copy of one node of kind К.
template <class К>
class Копия {
 public:
  static К выполнить(const К& исходный) {
    Копия копия;
    К итог;
    копия.очередь_.push_back({&исходный, &итог});
    while (!копия.очередь_.empty()) {
      auto [из, в] = копия.очередь_.back();
      копия.очередь_.pop_back();
      копия.все_поля(*из, *в);
    }
    return итог;
  }

 private:
  template <class Т>
  void все_поля(const Т& из, Т& в) {
    std::apply([&](const auto&... исходные) { std::apply([&](auto&... новые) { (поле(исходные, новые), ...); }, поля(в)); },
               поля(из));
  }

  template <class Т>
  void поле(const Т& из, Т& в) {
    if constexpr (std::is_same_v<Т, К>) {
      очередь_.push_back({&из, &в});  // в stays where it is: a box's target or a sized list's element
    } else if constexpr (вид_узла<Т>) {
      в = копия_узла(из);
    } else if constexpr (это_ящик<Т>::value) {
      if (!из) return в.reset();
      в = std::make_unique<typename Т::element_type>();
      поле(*из, *в);
    } else if constexpr (это_вектор<Т>::value) {
      в.clear();
      в.resize(из.size());
      for (std::size_t и = 0; и < из.size(); ++и) поле(из[и], в[и]);
    } else if constexpr (это_необязательное<Т>::value) {
      if (!из) return в.reset();
      в.emplace();
      поле(*из, *в);
    } else if constexpr (это_вариант<Т>::value) {
      std::visit([&](const auto& а) { поле(а, в.template emplace<std::decay_t<decltype(а)>>()); }, из);
    } else if constexpr (с_полями<Т>) {
      все_поля(из, в);
    } else {
      в = из;
    }
  }

  std::vector<std::pair<const К*, К*>> очередь_;
};

// Structural equality of two nodes of kind К.
template <class К>
class Равенство {
 public:
  static bool выполнить(const К& а, const К& б) {
    Равенство равенство;
    равенство.очередь_.push_back({&а, &б});
    while (!равенство.очередь_.empty()) {
      auto [левый, правый] = равенство.очередь_.back();
      равенство.очередь_.pop_back();
      if (!равенство.все_поля(*левый, *правый)) return false;
    }
    return true;
  }

 private:
  template <class Т>
  bool все_поля(const Т& а, const Т& б) {
    return std::apply(
        [&](const auto&... левые) { return std::apply([&](const auto&... правые) { return (поле(левые, правые) && ...); }, поля(б)); },
        поля(а));
  }

  template <class Т>
  bool поле(const Т& а, const Т& б) {
    if constexpr (std::is_same_v<Т, К>) {
      очередь_.push_back({&а, &б});
      return true;
    } else if constexpr (вид_узла<Т>) {
      return а == б;
    } else if constexpr (это_ящик<Т>::value) {
      if (!а || !б) return !а && !б;
      return поле(*а, *б);
    } else if constexpr (это_вектор<Т>::value) {
      if (а.size() != б.size()) return false;
      for (std::size_t и = 0; и < а.size(); ++и) {
        if (!поле(а[и], б[и])) return false;
      }
      return true;
    } else if constexpr (это_необязательное<Т>::value) {
      if (!а || !б) return !а && !б;
      return поле(*а, *б);
    } else if constexpr (это_вариант<Т>::value) {
      if (а.index() != б.index()) return false;
      return std::visit([&](const auto& левое) { return поле(левое, *std::get_if<std::decay_t<decltype(левое)>>(&б)); }, а);
    } else if constexpr (с_полями<Т>) {
      return все_поля(а, б);
    } else {
      return а == б;
    }
  }

  std::vector<std::pair<const К*, const К*>> очередь_;
};

// Destruction without recursion: the node's children of its own kind move into a worklist,
// and each is emptied of its children before it is dropped. Called from the kind's destructor.
template <class К>
class Разборка {
 public:
  static void выполнить(К& узел) {
    std::vector<К> очередь;
    отнять_поля(узел, очередь);
    while (!очередь.empty()) {
      К следующий = std::move(очередь.back());
      очередь.pop_back();
      отнять_поля(следующий, очередь);
    }
  }

 private:
  template <class Т>
  static void отнять_поля(Т& у, std::vector<К>& очередь) {
    std::apply([&](auto&... поле) { (отнять(поле, очередь), ...); }, поля(у));
  }

  template <class Т>
  static void отнять(Т& поле, std::vector<К>& очередь) {
    if constexpr (std::is_same_v<Т, К>) {
      очередь.push_back(std::move(поле));
    } else if constexpr (вид_узла<Т>) {
      // another kind takes itself apart
    } else if constexpr (это_ящик<Т>::value || это_необязательное<Т>::value) {
      if (поле) отнять(*поле, очередь);
    } else if constexpr (это_вектор<Т>::value) {
      for (auto& элемент : поле) отнять(элемент, очередь);
    } else if constexpr (это_вариант<Т>::value) {
      std::visit([&](auto& а) { отнять(а, очередь); }, поле);
    } else if constexpr (с_полями<Т>) {
      отнять_поля(поле, очередь);
    }
  }
};

// Rendering into text by a worklist of pieces: a node is replaced by its pieces, texts are
// written out as they come off the stack.
template <class К>
class Выписка {
 public:
  // A text that outlives the rendering (a literal, a name in the tree), a text made for
  // it (escapes, numbers), or a node still to be laid out.
  using Кусок = std::variant<std::string_view, std::string, const К*>;

  class Куски {
   public:
    void текст(std::string_view т) {
      if (!т.empty()) куски_.emplace_back(т);
    }
    std::string& буфер() {
      if (куски_.empty() || !std::holds_alternative<std::string>(куски_.back())) куски_.emplace_back(std::string());
      return std::get<std::string>(куски_.back());
    }
    void узел(const К& у) { куски_.emplace_back(&у); }
    std::vector<Кусок>& все() { return куски_; }

   private:
    std::vector<Кусок> куски_;
  };

  // разложить(const К&, Куски&) gives the pieces of one node.
  template <class Разложить>
  static void выполнить(Куски начало, std::string& куда, Разложить&& разложить) {
    std::vector<Кусок> стек;
    Куски куски;
    положить(стек, начало, куда);
    while (!стек.empty()) {
      Кусок кусок = std::move(стек.back());
      стек.pop_back();
      if (const auto* узел = std::get_if<const К*>(&кусок)) {
        куски.все().clear();
        разложить(**узел, куски);
        положить(стек, куски, куда);
      } else {
        дописать(куда, кусок);
      }
    }
  }

 private:
  static void дописать(std::string& куда, const Кусок& кусок) {
    if (const auto* вид = std::get_if<std::string_view>(&кусок)) куда += *вид;
    if (const auto* своё = std::get_if<std::string>(&кусок)) куда += *своё;
  }

  // The texts before a node's first child are due at once and skip the stack.
  static void положить(std::vector<Кусок>& стек, Куски& куски, std::string& куда) {
    auto& все = куски.все();
    auto начало = все.begin();
    for (; начало != все.end() && !std::holds_alternative<const К*>(*начало); ++начало) дописать(куда, *начало);
    for (auto и = все.end(); и != начало;) стек.push_back(std::move(*--и));
  }
};

// The debug rendering's pieces of any field of a node of kind К.
template <class К>
class Отладка {
 public:
  using Куски = typename Выписка<К>::Куски;

  explicit Отладка(Куски& куски) : куски_(куски) {}

  static void выполнить(const К& узел, std::string& куда) {
    Куски начало;
    начало.узел(узел);
    Выписка<К>::выполнить(std::move(начало), куда, [](const К& у, Куски& куски) { Отладка(куски).значение(у.вид); });
  }

  template <class Т>
  void значение(const Т& у) {
    if constexpr (std::is_same_v<Т, К>) {
      куски_.узел(у);
    } else if constexpr (вид_узла<Т>) {
      отладочный_текст_узла(у, куски_.буфер());
    } else if constexpr (это_ящик<Т>::value) {
      if (у) значение(*у);  // parsed trees have no empty boxes
    } else if constexpr (это_вектор<Т>::value) {
      куски_.текст("[");
      for (std::size_t и = 0; и < у.size(); ++и) {
        if (и > 0) куски_.текст(", ");
        значение(у[и]);
      }
      куски_.текст("]");
    } else if constexpr (это_необязательное<Т>::value) {
      if (!у) return куски_.текст("None");
      куски_.текст("Some(");
      значение(*у);
      куски_.текст(")");
    } else if constexpr (это_вариант<Т>::value) {
      std::visit([&](const auto& а) { значение(а); }, у);
    } else if constexpr (с_подписью<Т>) {
      вариант(у, подпись(static_cast<const Т*>(nullptr)));
    } else if constexpr (с_полями<Т>) {
      std::apply([&](const auto&... поле) { (значение(поле), ...); }, поля(у));
    } else {
      дописать_значение(куски_.буфер(), у);
    }
  }

 private:
  template <class Т>
  void вариант(const Т& у, const Подпись& подпись) {
    куски_.текст(подпись.имя);
    constexpr std::size_t число_полей = std::tuple_size_v<decltype(поля(у))>;
    if constexpr (число_полей > 0) {
      const bool именованные = !подпись.имена[0].empty();
      куски_.текст(именованные ? " { " : "(");
      std::size_t номер = 0;
      auto одно = [&](const auto& поле) {
        if (номер > 0) куски_.текст(", ");
        if (именованные) {
          куски_.текст(подпись.имена[номер]);
          куски_.текст(": ");
        }
        значение(поле);
        ++номер;
      };
      std::apply([&](const auto&... поле) { (одно(поле), ...); }, поля(у));
      куски_.текст(именованные ? " }" : ")");
    }
  }

  Куски& куски_;
};

}  // namespace тувра::обход
