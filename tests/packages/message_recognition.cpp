#include "message_recognition.h"

#include <algorithm>
#include <cstdlib>

#include "message_kinds.h"

namespace тувра::пакеты::испытания {
namespace {

using тест::куски_шаблона;

constexpr std::string_view кНейтральное = "·";

}  // namespace

std::filesystem::path папка_видов() {
  const char* сборка = std::getenv("TUVRA_BUILD_DIR");
  return std::filesystem::path(сборка != nullptr ? сборка : ".") / "package_messages";
}

std::string Распознаватель::заполненный(ВидСообщения вид) {
  std::string текст;
  const std::vector<std::string_view> куски = куски_шаблона(статья(вид).шаблон);
  for (std::size_t номер = 0; номер < куски.size(); ++номер) {
    if (номер > 0) текст.append(кНейтральное);
    текст.append(куски[номер]);
  }
  return текст;
}

Распознаватель::Распознаватель() {
  for (const auto& статья : сообщения::таблица) куски_.push_back(куски_шаблона(статья.шаблон));
  объемлющие_.resize(сообщения::таблица.size());
  for (const auto& внешняя : сообщения::таблица) {
    const std::string текст = заполненный(внешняя.вид);
    for (const auto& внутренняя : сообщения::таблица) {
      if (внутренняя.вид != внешняя.вид && !места(внутренняя.вид, текст).empty()) {
        объемлющие_[static_cast<std::size_t>(внутренняя.вид)].push_back(внешняя.вид);
      }
    }
  }
}

// From every occurrence of the first piece, each later piece at its first place after the one
// before. A template that begins with a place is never found: nothing marks where it starts.
std::vector<Распознаватель::Отрезок> Распознаватель::места(ВидСообщения вид, std::string_view текст) const {
  const std::vector<std::string_view>& куски = куски_[static_cast<std::size_t>(вид)];
  std::vector<Отрезок> итог;
  if (куски.front().empty()) return итог;
  for (std::size_t начало = текст.find(куски.front()); начало != std::string_view::npos;
       начало = текст.find(куски.front(), начало + 1)) {
    std::size_t позиция = начало + куски.front().size();
    bool подошло = true;
    for (std::size_t номер = 1; номер < куски.size() && подошло; ++номер) {
      if (куски[номер].empty()) continue;  // the last place, or two places side by side
      const std::size_t найдено = текст.find(куски[номер], позиция);
      подошло = найдено != std::string_view::npos &&
                текст.substr(позиция, найдено - позиция).find('\n') == std::string_view::npos;
      позиция = найдено + куски[номер].size();
    }
    if (подошло) итог.push_back({начало, позиция});
  }
  return итог;
}

std::vector<ВидСообщения> Распознаватель::виды(std::string_view текст) const {
  std::vector<std::vector<Отрезок>> все;
  for (const auto& статья : сообщения::таблица) все.push_back(места(статья.вид, текст));
  std::vector<ВидСообщения> итог;
  for (const auto& статья : сообщения::таблица) {
    const std::size_t номер = static_cast<std::size_t>(статья.вид);
    const auto внутри_объемлющей = [&](const Отрезок& о) {
      return std::any_of(объемлющие_[номер].begin(), объемлющие_[номер].end(), [&](ВидСообщения внешняя) {
        const auto& внешние = все[static_cast<std::size_t>(внешняя)];
        return std::any_of(внешние.begin(), внешние.end(),
                           [&](const Отрезок& в) { return в.начало <= о.начало && о.конец <= в.конец; });
      });
    };
    if (std::any_of(все[номер].begin(), все[номер].end(), [&](const Отрезок& о) { return !внутри_объемлющей(о); })) {
      итог.push_back(статья.вид);
    }
  }
  return итог;
}

}  // namespace тувра::пакеты::испытания
