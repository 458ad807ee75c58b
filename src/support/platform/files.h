// Files and folders by UTF-8 paths. Paths are built with '/' between components (Windows takes
// it too), so that messages show the same text on every system. Nothing here follows a symbolic
// link (on Windows a reparse point: a link or a junction) unless it says so.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "support/expected.h"

namespace тувра::платформа {

enum class ВидЗаписи { Нет, Файл, Папка, Ссылка, Другое };  // Другое: a device, pipe or socket

enum class ПричинаОшибки {
  Система,         // only the system's text says why
  НетЗаписи,       // the entry does not exist
  Ссылка,          // a link where a real file or folder must be
  НеОбычныйФайл,   // a device, pipe or socket where a regular file must be
  СлишкомБольшой,  // a file past the caller's size cap
  ЧтениеЗаписи,    // a folder was opened but one of its entries could not be read
  Занято,          // the lock is held by another process (folder_lock.h)
  Прервано,        // an interruption ended the wait (interruption.h)
};

struct ОшибкаФайла {
  ПричинаОшибки причина = ПричинаОшибки::Система;
  std::string текст;  // the system's message in UTF-8; callers word the other reasons themselves
};

template <class T>
using ИтогФайла = Итог<T, ОшибкаФайла>;

// `а` and `б` joined by '/'; `б` alone when `а` is empty.
std::string соединить_пути(std::string_view а, std::string_view б);
// Everything before the last separator ("" when there is none), and everything after it.
std::string_view родитель_пути(std::string_view путь);
std::string_view последний_компонент(std::string_view путь);
bool путь_абсолютный(std::string_view путь);
// The path from the root, against the current folder; links are not resolved.
ИтогФайла<std::string> абсолютный_путь(std::string_view путь);
// The absolute path with every link resolved; the entry must exist.
ИтогФайла<std::string> полный_путь(std::string_view путь);

// The entry itself; Нет also when it cannot be examined.
ВидЗаписи вид_записи(std::string_view путь);
// What the path leads to, links followed (only to learn the kind).
ВидЗаписи вид_цели(std::string_view путь);

struct ЗаписьПапки {
  std::string имя;
  ВидЗаписи вид;  // of the entry itself
};

// The entries of a real folder (a link is refused), in the order the system gives.
ИтогФайла<std::vector<ЗаписьПапки>> записи_папки(std::string_view путь);

// With missing parents; an existing folder is fine.
ИтогФайла<Пусто> создать_папки(std::string_view путь);
// A new folder that only its owner may enter; fails when anything is there already.
ИтогФайла<Пусто> создать_личную_папку(std::string_view путь);
// The entry and everything below it; a link is removed, never followed. Nothing there is fine.
ИтогФайла<Пусто> удалить_дерево(std::string_view путь);
// One file, link or empty folder.
ИтогФайла<Пусто> удалить_запись(std::string_view путь);
// A regular file (not a link, device or pipe) into a new file `куда`, which must not exist.
ИтогФайла<Пусто> скопировать_файл(std::string_view откуда, std::string_view куда);

// The file `внутри` below `папка`: `папка` (empty: the current folder) is taken as given, every
// component of `внутри` must be a real folder or, last, a regular file of at most `предел` bytes.
ИтогФайла<std::string> прочитать_файл(std::string_view папка, std::string_view внутри, std::size_t предел);

// Replaces the file `внутри` below `папка` (walked as above) whole: the bytes go to a draft beside
// it, which is flushed to the disk and renamed over the old file. A failure leaves the old file as
// it was; the old file's permissions carry over. The draft is `черновик_замены` of the file's name.
ИтогФайла<Пусто> заменить_файл(std::string_view папка, std::string_view внутри, std::string_view байты);

// Whether `имя_записи` is the name a draft of the file `имя_файла` gets: "." and the file's name,
// ".новый.", the writer's process id and a number, both in decimal. A draft is left behind only
// when the writer was killed.
bool черновик_замены(std::string_view имя_записи, std::string_view имя_файла);

// The draft name a writer with process id `номер_процесса` tries at its `попытка`-th attempt.
std::string имя_черновика(std::string_view имя_файла, unsigned long номер_процесса, int попытка);

// Removes the file `внутри` below `папка` (walked as above); a link as the last component goes itself.
ИтогФайла<Пусто> удалить_файл_внутри(std::string_view папка, std::string_view внутри);

}  // namespace тувра::платформа
