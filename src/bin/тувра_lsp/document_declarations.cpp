#include "document_declarations.h"

#include <utility>

namespace тувра::lsp {

std::optional<РазобраннаяПрограмма> разобрать_документ(std::string_view текст) {
  auto программа = разобрать_текст(текст);
  if (!программа) return std::nullopt;
  return std::move(*программа);
}

std::optional<НайденноеОбъявление> найти_объявление(const Программа& программа, std::string_view имя) {
  for (const Объявление& объявление : программа.объявления) {
    if (const auto* функция = std::get_if<ОбъявлениеФункции>(&объявление.вид)) {
      if (функция->имя == имя) return НайденнаяФункция{функция};
    } else if (const auto* структура = std::get_if<ОбъявлениеСтруктуры>(&объявление.вид)) {
      if (структура->имя == имя) return НайденнаяСтруктура{структура};
      for (const ОбъявлениеФункции& метод : структура->методы) {
        if (метод.имя == имя) return НайденныйМетод{структура, &метод};
      }
    }
  }
  return std::nullopt;
}

}  // namespace тувра::lsp
