// Whole documents through the parser and the semantic analysis, with the outcome as one
// comparable text, as the language server runs them: every item belongs to the main file.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace тувра::тест {

// "" on success; "строка: сообщение" for an error with a line, the message alone for one
// without; "разбор: …" when the text does not even parse (a broken test document).
std::string итог_анализа(std::string_view текст);

struct СлучайАнализа {
  std::string исходник;
  std::string ожидание;
};

// Checks every row, naming the failing document.
void проверить_документы(const std::vector<СлучайАнализа>& случаи);

// "несовпадение типов для '{}': ожидался {}, получено {}", the message many rules share.
std::string несовпадение(std::string_view имя, std::string_view ожидался, std::string_view получено);

}  // namespace тувра::тест
