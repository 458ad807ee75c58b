// Walks over any node, driven by the field lists (field_list.h) alone: the children of a
// node, every node of a kind under a root, deep copy, comparison and debug rendering.
//
// Four node kinds nest without bound: УзелВыражения, СинтаксическийТип, Инструкция and
// ЦельПрисваивания. Everything else (the alternatives of their variants, declarations,
// parameters, interpolation parts) is a plain described struct whose nesting is fixed.
// A walk of one kind keeps that kind's nodes in a worklist on the heap and hands a node
// of another kind to that kind's own (equally iterative) walk, so no walk recurses deeper
// than the fixed nesting of one node's fields.
#pragma once

#include <algorithm>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <tuple>
#include <type_traits>
#include <utility>
#include <variant>
#include <vector>

#include "syntax_tree/arena.h"
#include "syntax_tree/debug_text.h"
#include "syntax_tree/field_list.h"
#include "syntax_tree/node_list.h"
#include "syntax_tree/statement.h"

namespace тувра::обход {

template <class Т>
inline constexpr bool вид_узла = std::is_same_v<Т, УзелВыражения> || std::is_same_v<Т, СинтаксическийТип> ||
                                 std::is_same_v<Т, Инструкция> || std::is_same_v<Т, ЦельПрисваивания>;

template <class Т>
struct это_список : std::false_type {};
template <class Э>
struct это_список<СписокУзлов<Э>> : std::true_type {
  using элемент = Э;
};
template <class Т>
struct это_указатель : std::false_type {};
template <class Э>
struct это_указатель<Указатель<Э>> : std::true_type {
  using элемент = Э;
};
template <class Т>
struct это_необязательное : std::false_type {};
template <class Э>
struct это_необязательное<std::optional<Э>> : std::true_type {
  using элемент = Э;
};
template <class Т>
struct это_вариант : std::false_type {};
template <class... Э>
struct это_вариант<std::variant<Э...>> : std::true_type {};

// Т with the const-ness of the walk.
template <bool Конст, class Т>
using как = std::conditional_t<Конст, const Т, Т>;

namespace детали {

template <bool Конст, class Значение, class Ф>
void дети_значения(Значение& значение, Ф& ф);

template <bool Конст, class Значение, class Ф>
void дети_полей(Значение& значение, Ф& ф) {
  if constexpr (это_вариант<std::remove_const_t<Значение>>::value) {
    std::visit([&](auto& альтернатива) { дети_значения<Конст>(альтернатива, ф); }, значение);
  } else {
    для_полей(значение, [&](std::string_view, auto& поле) { дети_значения<Конст>(поле, ф); });
  }
}

template <bool Конст, class Значение, class Ф>
void дети_значения(Значение& значение, Ф& ф) {
  using Т = std::remove_const_t<Значение>;
  if constexpr (вид_узла<Т>) {
    ф(значение);
  } else if constexpr (это_указатель<Т>::value) {
    if (значение) дети_значения<Конст>(static_cast<как<Конст, typename это_указатель<Т>::элемент>&>(*значение), ф);
  } else if constexpr (это_список<Т>::value) {
    for (auto& элемент : значение) {
      дети_значения<Конст>(static_cast<как<Конст, typename это_список<Т>::элемент>&>(элемент), ф);
    }
  } else if constexpr (это_необязательное<Т>::value) {
    if (значение) дети_значения<Конст>(*значение, ф);
  } else if constexpr (это_вариант<Т>::value || описан<Т>) {
    дети_полей<Конст>(значение, ф);
  }
}

// Whether a value of type Т holds a node of kind К without passing through another node.
template <class Т, class К>
constexpr bool держит_прямо();

template <class Т, class К>
constexpr bool поля_держат_прямо() {
  if constexpr (это_вариант<Т>::value) {
    return []<class... А>(std::type_identity<std::variant<А...>>) {
      return (держит_прямо<А, К>() || ...);
    }(std::type_identity<Т>{});
  } else {
    return std::apply(
        [](const auto&... поле) {
          return (держит_прямо<typename std::remove_cvref_t<decltype(поле)>::ТипЧлена, К>() || ... || false);
        },
        описание_узла<Т>().поля);
  }
}

template <class Т, class К>
constexpr bool держит_прямо() {
  if constexpr (вид_узла<Т>) {
    return std::is_same_v<Т, К>;
  } else if constexpr (это_указатель<Т>::value) {
    return держит_прямо<typename это_указатель<Т>::элемент, К>();
  } else if constexpr (это_список<Т>::value) {
    return держит_прямо<typename это_список<Т>::элемент, К>();
  } else if constexpr (это_необязательное<Т>::value) {
    return держит_прямо<typename это_необязательное<Т>::элемент, К>();
  } else if constexpr (это_вариант<Т>::value || описан<Т>) {
    return поля_держат_прямо<Т, К>();
  } else {
    return false;
  }
}

template <class В, class К, int Шагов>
constexpr bool достижим() {
  if constexpr (std::is_same_v<В, К>) {
    return true;
  } else if constexpr (Шагов == 0) {
    return false;
  } else {
    return (поля_держат_прямо<В, УзелВыражения>() && достижим<УзелВыражения, К, Шагов - 1>()) ||
           (поля_держат_прямо<В, СинтаксическийТип>() && достижим<СинтаксическийТип, К, Шагов - 1>()) ||
           (поля_держат_прямо<В, Инструкция>() && достижим<Инструкция, К, Шагов - 1>()) ||
           (поля_держат_прямо<В, ЦельПрисваивания>() && достижим<ЦельПрисваивания, К, Шагов - 1>());
  }
}

}  // namespace детали

// Whether a value of type Т (a node's alternative, a declaration, …) holds a node of kind К
// among its own fields, through lists, boxes and plain structs but not through other nodes.
template <class Т, class К>
inline constexpr bool держит_прямо = детали::держит_прямо<Т, К>();

// Whether a node of kind В may hold, at any depth, a node of kind К (or is one); worked out
// from the field lists, so walks skip what cannot hold what they look for.
template <class В, class К>
inline constexpr bool может_содержать = детали::достижим<В, К, 4>();

// The children of a node: calls ф(ребёнок) for each node of any of the four kinds that its
// fields hold, through lists, boxes, optional values, variants and plain structs, in field
// order, without going into those children. `узел` may be a node, a list of nodes or any
// described struct (a declaration, an alternative). ф takes `auto&`: each child comes
// as its own type, const when `узел` is const.
template <class Узел, class Ф>
void для_детей(Узел& узел, Ф&& ф) {
  constexpr bool Конст = std::is_const_v<Узел>;
  if constexpr (вид_узла<std::remove_const_t<Узел>>) {
    детали::дети_полей<Конст>(узел, ф);
  } else {
    детали::дети_значения<Конст>(узел, ф);
  }
}

// The children of kind К alone, as для_детей gives them.
template <class К, class Узел, class Ф>
void для_детей_вида(Узел& узел, Ф&& ф) {
  для_детей(узел, [&](auto& ребёнок) {
    if constexpr (std::is_same_v<std::remove_const_t<std::remove_reference_t<decltype(ребёнок)>>, К>) ф(ребёнок);
  });
}

// Every node of kind К under `корень` (the root itself included when it is one), in source
// order, without recursion: ф(К&) is called on each and returns whether to look for more of
// the kind inside that node (false leaves its inside to ф, which may rewrite it whole; true
// goes on into the node as ф left it).
// The rewrite pass walks bodies this way; so does the type-parameter substitution, which
// replaces every СинтаксическийТип of a copied body in place:
//   обойти<СинтаксическийТип>(копия.тело, [&](СинтаксическийТип& т) { т = подставить(т); return false; });
// Statements keep their `строка`, as nothing but the visited nodes changes.
// A pass that walks many roots may hand in its own empty СтекОбхода, so that the walks share
// one allocation.
template <bool Конст>
using СтекОбхода = std::vector<std::variant<как<Конст, УзелВыражения>*, как<Конст, СинтаксическийТип>*,
                                            как<Конст, Инструкция>*, как<Конст, ЦельПрисваивания>*>>;

template <class К, class Корень, class Ф>
void обойти(Корень& корень, Ф&& ф, СтекОбхода<std::is_const_v<Корень>>& стек) {
  // A node's children go on the stack last to first, so they come off in source order.
  auto разложить = [&](auto& узел) {
    const std::size_t начало = стек.size();
    для_детей(узел, [&](auto& ребёнок) {
      if constexpr (может_содержать<std::remove_const_t<std::remove_reference_t<decltype(ребёнок)>>, К>) {
        стек.emplace_back(&ребёнок);
      }
    });
    std::reverse(стек.begin() + static_cast<std::ptrdiff_t>(начало), стек.end());
  };
  if constexpr (вид_узла<std::remove_const_t<Корень>>) {
    стек.emplace_back(&корень);
  } else {
    разложить(корень);
  }
  while (!стек.empty()) {
    const auto ссылка = стек.back();
    стек.pop_back();
    std::visit(
        [&](auto* узел) {
          if constexpr (std::is_same_v<std::remove_const_t<std::remove_pointer_t<decltype(узел)>>, К>) {
            if (ф(*узел)) разложить(*узел);
          } else {
            разложить(*узел);
          }
        },
        ссылка);
  }
}

template <class К, class Корень, class Ф>
void обойти(Корень& корень, Ф&& ф) {
  СтекОбхода<std::is_const_v<Корень>> стек;
  обойти<К>(корень, ф, стек);
}

inline СинтаксическийТип копия_узла(const СинтаксическийТип& у, Арена& куда) {
  return копия_синтаксического_типа(у, куда);
}
inline УзелВыражения копия_узла(const УзелВыражения& у, Арена& куда) { return копия_выражения(у, куда); }
inline ЦельПрисваивания копия_узла(const ЦельПрисваивания& у, Арена& куда) { return копия_цели_присваивания(у, куда); }
inline Инструкция копия_узла(const Инструкция& у, Арена& куда) { return копия_инструкции(у, куда); }

// Deep copy into an arena; nodes of kind К go through the worklist, other kinds to their own copy.
template <class К>
class Копия {
 public:
  template <class Т>
  static Т выполнить(const Т& исходный, Арена& куда) {
    Копия копия(куда);
    Т итог;
    копия.поле(исходный, итог);
    if constexpr (вид_узла<К>) {
      while (!копия.очередь_.empty()) {
        auto [из, в] = копия.очередь_.back();
        копия.очередь_.pop_back();
        копия.поля_узла(*из, *в);
      }
    }
    return итог;
  }

 private:
  explicit Копия(Арена& куда) : куда_(куда) {}

  template <class Т>
  void поля_узла(const Т& из, Т& в) {
    if constexpr (это_вариант<Т>::value) {
      std::visit([&](const auto& а) { поле(а, в.template emplace<std::decay_t<decltype(а)>>()); }, из);
    } else {
      std::apply([&](const auto&... п) { (поле(из.*(п.член), в.*(п.член)), ...); }, описание_узла<Т>().поля);
    }
  }

  template <class Т>
  void поле(const Т& из, Т& в) {
    if constexpr (std::is_same_v<Т, К> && вид_узла<К>) {
      очередь_.push_back({&из, &в});  // в stays where it is: in the arena, or the result itself
    } else if constexpr (вид_узла<Т>) {
      в = копия_узла(из, куда_);
    } else if constexpr (это_указатель<Т>::value) {
      if (!из) {
        в = Т();
        return;
      }
      auto* новый = куда_.создать<typename это_указатель<Т>::элемент>();
      в = Т(новый);
      поле(*из, *новый);
    } else if constexpr (это_список<Т>::value) {
      в = куда_.список<typename это_список<Т>::элемент>(из.size());
      for (std::size_t и = 0; и < из.size(); ++и) поле(из[и], в[и]);
    } else if constexpr (это_необязательное<Т>::value) {
      if (!из) {
        в.reset();
        return;
      }
      в.emplace();
      поле(*из, *в);
    } else if constexpr (std::is_same_v<Т, std::string_view>) {
      в = куда_.текст(из);
    } else if constexpr (это_вариант<Т>::value || описан<Т>) {
      поля_узла(из, в);
    } else {
      в = из;
    }
  }

  Арена& куда_;
  std::vector<std::pair<const К*, К*>> очередь_;
};

// Structural equality; nodes of kind К go through the worklist, other kinds to their own ==.
template <class К>
class Равенство {
 public:
  template <class Т>
  static bool выполнить(const Т& а, const Т& б) {
    Равенство равенство;
    if (!равенство.поле(а, б)) return false;
    if constexpr (вид_узла<К>) {
      while (!равенство.очередь_.empty()) {
        auto [левый, правый] = равенство.очередь_.back();
        равенство.очередь_.pop_back();
        if (!равенство.поля_узла(*левый, *правый)) return false;
      }
    }
    return true;
  }

 private:
  template <class Т>
  bool поля_узла(const Т& а, const Т& б) {
    if constexpr (это_вариант<Т>::value) {
      if (а.index() != б.index()) return false;
      return std::visit([&](const auto& левое) { return поле(левое, *std::get_if<std::decay_t<decltype(левое)>>(&б)); },
                        а);
    } else {
      return для_пар_полей(а, б, [&](std::string_view, const auto& л, const auto& п) { return поле(л, п); });
    }
  }

  template <class Т>
  bool поле(const Т& а, const Т& б) {
    if constexpr (std::is_same_v<Т, К> && вид_узла<К>) {
      очередь_.push_back({&а, &б});
      return true;
    } else if constexpr (вид_узла<Т>) {
      return а == б;
    } else if constexpr (это_указатель<Т>::value || это_необязательное<Т>::value) {
      if (!а || !б) return !а && !б;
      return поле(*а, *б);
    } else if constexpr (это_список<Т>::value) {
      if (а.size() != б.size()) return false;
      for (std::size_t и = 0; и < а.size(); ++и) {
        if (!поле(а[и], б[и])) return false;
      }
      return true;
    } else if constexpr (это_вариант<Т>::value || описан<Т>) {
      return поля_узла(а, б);
    } else {
      return а == б;
    }
  }

  std::vector<std::pair<const К*, const К*>> очередь_;
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

inline void отладочный_текст_узла(const СинтаксическийТип& у, std::string& куда) {
  отладочный_текст_синтаксического_типа(у, куда);
}
inline void отладочный_текст_узла(const УзелВыражения& у, std::string& куда) { отладочный_текст_выражения(у, куда); }

// The debug rendering's pieces of any field of a node of kind К.
template <class К>
class Отладка {
 public:
  using Куски = typename Выписка<К>::Куски;

  explicit Отладка(Куски& куски) : куски_(куски) {}

  static void выполнить(const К& узел, std::string& куда) {
    Куски начало;
    начало.узел(узел);
    Выписка<К>::выполнить(std::move(начало), куда, [](const К& у, Куски& куски) { Отладка(куски).поля(у); });
  }

  // The fields of one node of kind К.
  void поля(const К& у) {
    для_полей(у, [&](std::string_view, const auto& поле) { значение(поле); });
  }

  template <class Т>
  void значение(const Т& у) {
    if constexpr (std::is_same_v<Т, К>) {
      куски_.узел(у);
    } else if constexpr (вид_узла<Т>) {
      отладочный_текст_узла(у, куски_.буфер());
    } else if constexpr (это_указатель<Т>::value) {
      if (у) значение(*у);  // parsed trees have no empty boxes
    } else if constexpr (это_список<Т>::value) {
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
    } else if constexpr (описан<Т>) {
      запись(у);
    } else {
      дописать_значение(куски_.буфер(), у);
    }
  }

 private:
  template <class Т>
  void запись(const Т& у) {
    constexpr auto описание = описание_узла<Т>();
    if constexpr (описание.запись == Запись::Прозрачная) {
      для_полей(у, [&](std::string_view, const auto& поле) { значение(поле); });
    } else {
      куски_.текст(описание.имя);
      if constexpr (описание.число_полей > 0) {
        constexpr bool именованная = описание.запись == Запись::Именованная;
        куски_.текст(именованная ? " { " : "(");
        std::size_t номер = 0;
        для_полей(у, [&](std::string_view имя, const auto& поле) {
          if (номер++ > 0) куски_.текст(", ");
          if (именованная) {
            куски_.текст(имя);
            куски_.текст(": ");
          }
          значение(поле);
        });
        куски_.текст(именованная ? " }" : ")");
      }
    }
  }

  Куски& куски_;
};

}  // namespace тувра::обход
