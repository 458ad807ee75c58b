// Putting one package into `пакеты/<имя>/`, and the closing steps of an install:
// requester lines, the lock file and the summary line.
#pragma once

#include <deque>
#include <optional>
#include <string>

#include "install_state.h"
#include "support/expected.h"

namespace тувра::пакеты {

// Clones, copies the root's .код files, writes .метаданные and queues the package's own lines.
Итог<Пусто, std::string> установить_пакет(const Зависимость& запись, const std::optional<std::string>& запрошен_через,
                                          ОчередьЗапросов& очередь);

// Lines 1-7 of .метаданные.
std::string текст_метаданных(const Зависимость& запись, const std::optional<std::string>& запрошен_через,
                             std::size_t собственных_зависимостей);

// Writes .метаданные over the package folder's old one.
Итог<Пусто, std::string> записать_метаданные(const Зависимость& запись,
                                             const std::optional<std::string>& запрошен_через,
                                             std::size_t собственных_зависимостей);

// The old metadata without its requester lines, then the new requester line.
std::string с_требующими(std::string_view старый_текст, const std::vector<std::string>& требующие);

// The whole lock file, or none when no package is lockable.
std::optional<std::string> текст_блокировки(const std::map<std::string, ВыбранныйПакет>& выбранные);

Итог<Пусто, std::string> дописать_требуется_пакетами(const СостояниеУстановки& состояние);
Итог<Пусто, std::string> записать_блокировку(const СостояниеУстановки& состояние);
void напечатать_итог(const СостояниеУстановки& состояние);

}  // namespace тувра::пакеты
