#include "clone_folder.h"

#include <cstdint>
#include <optional>

#include "files.h"
#include "messages.h"
#include "support/platform/environment.h"
#include "support/platform/files.h"
#include "support/platform/ownership.h"
#include "text.h"

namespace тувра::пакеты {
namespace пл = платформа;
namespace {

constexpr std::string_view кПриставка = "тувра_пакет_";

// The process id a clone folder's name carries: one written as a run writes its own (decimal, no
// sign, no leading zero), within the ids the system gives. No run makes any other name.
std::optional<std::uint64_t> номер_в_имени(std::string_view имя, std::uint64_t наибольший) {
  if (!начинается_с(имя, кПриставка)) return std::nullopt;
  const std::string_view цифры = имя.substr(кПриставка.size());
  if (цифры.empty() || цифры.front() == '0' || цифры.find_first_not_of("0123456789") != std::string_view::npos) {
    return std::nullopt;
  }
  std::uint64_t номер = 0;
  for (char цифра : цифры) {
    номер = номер * 10 + static_cast<std::uint64_t>(цифра - '0');
    if (номер > наибольший) return std::nullopt;
  }
  return номер;
}

// Where this run puts a folder it is clearing: a name of its own id that is no clone folder's, so
// that what cannot be removed never stands in the way of its own clone folder.
std::string в_сторону(const std::string& своя) { return своя + ".убирается"; }

// The folder is first moved aside under this run's id, then its process is asked again: one that
// got the same id meanwhile, and made its folder in that moment, gets it back untouched. What
// cannot be removed goes back under its old name, which no running process has.
void убрать_брошенный(const std::string& путь, std::uint64_t номер, const std::string& сторона) {
  if (!пл::своя_папка(путь) || пл::процесс_жив(номер)) return;
  удалить_тихо(сторона);
  if (!пл::переименовать_папку(путь, сторона)) return;
  if (пл::процесс_жив(номер) || !пл::удалить_дерево(сторона)) (void)пл::переименовать_папку(сторона, путь);
}

}  // namespace

Итог<std::string, std::string> временная_папка() {
  auto корень = пл::временная_папка();
  if (!корень) return Неудача{сообщения::нет_временной_папки(корень.error())};
  return пл::соединить_пути(*корень, std::string(кПриставка) + std::to_string(пл::номер_процесса()));
}

Итог<Пусто, std::string> пересоздать_временную_папку(const std::string& папка) {
  if (!пл::удалить_дерево(папка)) {
    удалить_тихо(в_сторону(папка));
    (void)пл::переименовать_папку(папка, в_сторону(папка));
  }
  if (auto создана = пл::создать_личную_папку(папка); !создана) {
    return Неудача{сообщения::не_создать_временную_папку(папка, текст_ошибки(создана.error()))};
  }
  return Пусто{};
}

void убрать_брошенные_клоны() {
  auto корень = пл::временная_папка();
  auto своя = временная_папка();
  if (!корень || !своя) return;
  auto записи = пл::записи_папки(*корень);
  if (!записи) return;
  const std::uint64_t наибольший = пл::наибольший_номер_процесса();
  for (const пл::ЗаписьПапки& запись : *записи) {
    const std::optional<std::uint64_t> номер = номер_в_имени(запись.имя, наибольший);
    if (!номер || *номер == пл::номер_процесса() || запись.вид != пл::ВидЗаписи::Папка) continue;
    убрать_брошенный(пл::соединить_пути(*корень, запись.имя), *номер, в_сторону(*своя));
  }
}

void удалить_тихо(const std::string& папка) { (void)пл::удалить_дерево(папка); }

}  // namespace тувра::пакеты
