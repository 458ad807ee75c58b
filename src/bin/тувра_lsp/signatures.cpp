#include "signatures.h"

namespace тувра::lsp {

std::string строка_параметра(const Параметр& параметр) {
  return тип_в_текст(параметр.тип) + " " + std::string(параметр.имя);
}

std::vector<std::string> строки_параметров(СписокУзлов<Параметр> параметры) {
  std::vector<std::string> строки;
  строки.reserve(параметры.size());
  for (const Параметр& параметр : параметры) строки.push_back(строка_параметра(параметр));
  return строки;
}

std::string строка_поля(const ПолеСтруктуры& поле) {
  return "    " + тип_в_текст(поле.тип) + " " + std::string(поле.имя) + ";";
}

std::vector<std::string> строки_полей(СписокУзлов<ПолеСтруктуры> поля) {
  std::vector<std::string> строки;
  строки.reserve(поля.size());
  for (const ПолеСтруктуры& поле : поля) строки.push_back(строка_поля(поле));
  return строки;
}

// Texts are appended piece by piece: GCC 12 at -O3 reports a false -Wrestrict overlap for
// `"литерал" + временная_строка`.
std::string суффикс_возврата(const СинтаксическийТип& тип) {
  std::string текст = ": ";
  текст += тип_в_текст(тип);
  return текст;
}

std::string сигнатура(СписокУзлов<Параметр> параметры, const std::optional<СинтаксическийТип>& результат,
                      ПустойРезультат пустой) {
  std::string текст = "(";
  текст += соединить(строки_параметров(параметры), ", ");
  текст += ")";
  if (!результат) return текст;
  std::string тип = тип_в_текст(*результат);
  if (!тип.empty() || пустой == ПустойРезультат::с_двоеточием) {
    текст += ": ";
    текст += тип;
  }
  return текст;
}

std::string соединить(const std::vector<std::string>& части, std::string_view разделитель) {
  std::string текст;
  for (std::size_t i = 0; i < части.size(); ++i) {
    if (i > 0) текст += разделитель;
    текст += части[i];
  }
  return текст;
}

}  // namespace тувра::lsp
