#include "project_lock.h"

#include <span>

#include "files.h"
#include "installed.h"
#include "messages.h"
#include "support/platform/files.h"

namespace тувра::пакеты {
namespace пл = платформа;
namespace {

// The files whose drafts lie in the project folder, and the one in each package folder.
constexpr std::string_view кФайлыПроекта[] = {"тувра.блокировка", "тувра.зависимости"};
constexpr std::string_view кФайлыПакета[] = {".метаданные"};

bool черновик_одного_из(std::string_view имя, std::span<const std::string_view> файлы) {
  for (std::string_view файл : файлы) {
    if (пл::черновик_замены(имя, файл)) return true;
  }
  return false;
}

// Only entries of real folders are looked at; a draft that cannot go is no reason to stop.
void удалить_черновики_в(const std::string& папка, std::span<const std::string_view> файлы) {
  auto записи = пл::записи_папки(папка);
  if (!записи) return;
  for (const пл::ЗаписьПапки& запись : *записи) {
    if (запись.вид == пл::ВидЗаписи::Файл && черновик_одного_из(запись.имя, файлы)) {
      (void)пл::удалить_запись(пл::соединить_пути(папка, запись.имя));
    }
  }
}

// Only a regular file of that name was ever the lock.
void удалить_старый_замок() {
  if (пл::вид_записи(кСтарыйФайлЗамка) == пл::ВидЗаписи::Файл) (void)пл::удалить_запись(кСтарыйФайлЗамка);
}

void удалить_черновики() {
  удалить_черновики_в("", кФайлыПроекта);
  if (пл::вид_записи(папка_пакетов()) != пл::ВидЗаписи::Папка) return;
  auto пакеты = пл::записи_папки(папка_пакетов());
  if (!пакеты) return;
  for (const пл::ЗаписьПапки& пакет : *пакеты) {
    if (пакет.вид == пл::ВидЗаписи::Папка)
      удалить_черновики_в(пл::соединить_пути(папка_пакетов(), пакет.имя), кФайлыПакета);
  }
}

}  // namespace

Итог<пл::ЗамокПапки, std::string> занять_проект() {
  auto замок = пл::занять_папку(".", кОжиданиеПроекта);
  if (!замок) {
    if (замок.error().причина == пл::ПричинаОшибки::Занято) return Неудача{сообщения::проект_занят()};
    return Неудача{сообщения::проект_не_занять(текст_ошибки(замок.error()))};
  }
  удалить_старый_замок();
  удалить_черновики();
  return std::move(замок).value();
}

}  // namespace тувра::пакеты
