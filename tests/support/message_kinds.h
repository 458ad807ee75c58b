// What the message tests of every stage share: whether a message fits the template of its
// kind, and which kinds a table of cases leaves without a case.
#pragma once

#include <algorithm>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace тувра::тест {

// The fixed pieces of a template between its "{}" places.
inline std::vector<std::string_view> куски_шаблона(std::string_view шаблон) {
  std::vector<std::string_view> куски;
  std::size_t начало = 0;
  for (std::size_t место = шаблон.find("{}"); место != std::string_view::npos; место = шаблон.find("{}", начало)) {
    куски.push_back(шаблон.substr(начало, место - начало));
    начало = место + 2;
  }
  куски.push_back(шаблон.substr(начало));
  return куски;
}

// Whether the template with every "{}" standing for any text gives the message.
inline bool по_шаблону(std::string_view сообщение, std::string_view шаблон) {
  const std::vector<std::string_view> куски = куски_шаблона(шаблон);
  if (куски.size() == 1) return сообщение == шаблон;
  if (!сообщение.starts_with(куски.front())) return false;
  std::size_t прочитано = куски.front().size();
  // Each inner piece at its first place after the one before; the last must end the message.
  for (std::size_t номер = 1; номер + 1 < куски.size(); ++номер) {
    const std::size_t найдено = сообщение.find(куски[номер], прочитано);
    if (найдено == std::string_view::npos) return false;
    прочитано = найдено + куски[номер].size();
  }
  return сообщение.size() >= прочитано + куски.back().size() && сообщение.ends_with(куски.back());
}

// The kinds of a stage's table that neither a case nor the allow-list names, and those named by
// both: an allow-list holds only kinds no case can reach.
template <class Вид, class Таблица>
std::vector<Вид> вне_покрытия(const Таблица& таблица, const std::vector<Вид>& со_случаем,
                              const std::vector<Вид>& разрешённые) {
  std::vector<Вид> итог;
  for (const auto& [вид, шаблон, имя] : таблица) {
    const bool есть_случай = std::find(со_случаем.begin(), со_случаем.end(), вид) != со_случаем.end();
    const bool разрешён = std::find(разрешённые.begin(), разрешённые.end(), вид) != разрешённые.end();
    if (есть_случай == разрешён) итог.push_back(вид);
  }
  return итог;
}

}  // namespace тувра::тест
