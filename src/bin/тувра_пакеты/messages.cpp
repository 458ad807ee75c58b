#include "messages.h"

namespace тувра::пакеты::сообщения {
namespace {

using В = ВидСообщения;

template <В вид, class... Значения>
std::string текст(const Значения&... значения) {
  return сообщение<вид>(значения...).текст;
}

std::string число(std::size_t значение) { return std::to_string(значение); }

}  // namespace

// Command line and the project lock
std::string указать_имя_для_удаления() { return текст<В::УказатьИмяДляУдаления>(); }
std::string указать_запрос() { return текст<В::УказатьЗапрос>(); }
std::string указать_имя_для_добавления() { return текст<В::УказатьИмяДляДобавления>(); }
std::string указать_адрес_индекса() { return текст<В::УказатьАдресИндекса>(); }
std::string аргумент_не_utf8(std::size_t номер) { return текст<В::АргументНеUtf8>(число(номер)); }
std::string строка_ошибки(std::string_view ошибка) { return текст<В::СтрокаОшибки>(ошибка); }
std::string вывод_не_записан() { return текст<В::ВыводНеЗаписан>(); }
std::string проект_занят() { return текст<В::ПроектЗанят>(); }
std::string проект_не_занять(std::string_view причина) { return текст<В::ПроектНеЗанять>(причина); }

// Files and folders
std::string символическая_ссылка() { return текст<В::СимволическаяСсылка>(); }
std::string не_обычный_файл() { return текст<В::НеОбычныйФайл>(); }
std::string слишком_большой() { return текст<В::СлишкомБольшой>(); }
std::string не_текст_utf8() { return текст<В::НеТекстUtf8>(); }
std::string текущая_папка_неизвестна(std::string_view причина) { return текст<В::ТекущаяПапкаНеизвестна>(причина); }
std::string нет_временной_папки(std::string_view причина) { return текст<В::НетВременнойПапки>(причина); }
std::string не_создать_временную_папку(std::string_view папка, std::string_view причина) {
  return текст<В::НеСоздатьВременнуюПапку>(папка, причина);
}
std::string ошибка_чтения_записи(std::string_view причина) { return текст<В::ОшибкаЧтенияЗаписи>(причина); }

// git
std::string git_превысил_время() { return текст<В::GitПревысилВремя>(); }
std::string git_не_запускается(std::string_view причина) { return текст<В::GitНеЗапускается>(причина); }
std::string git_не_запущен(std::string_view причина) { return текст<В::GitНеЗапущен>(причина); }
std::string клон_не_удался(std::string_view имя, std::string_view причина) {
  return текст<В::КлонНеУдался>(имя, причина);
}
std::string список_тегов_не_удался(std::string_view адрес, std::string_view причина) {
  return текст<В::СписокТеговНеУдался>(адрес, причина);
}
std::string клон_индекса_не_удался(std::string_view причина) { return текст<В::КлонИндексаНеУдался>(причина); }
std::string обновление_копии_не_удалось(std::string_view причина) {
  return текст<В::ОбновлениеКопииНеУдалось>(причина);
}
// Made only of the А rows, whose templates have one place.
std::string аргумент_с_минусом(АргументGit аргумент, std::string_view значение) {
  return заполнить_шаблон(статья(аргумент.вид).шаблон, {значение});
}
std::string локальный_репозиторий_отвергнут(std::string_view адрес, std::string_view файл) {
  return текст<В::ЛокальныйРепозиторийОтвергнут>(адрес, файл, не_обычный_файл());
}

// The line format
std::string не_формат_строки(std::size_t номер, std::string_view строка) {
  return текст<В::НеФорматСтроки>(число(номер), строка);
}
std::string нет_закрывающей_кавычки(std::size_t номер) { return текст<В::НетЗакрывающейКавычки>(число(номер)); }
std::string только_git(std::size_t номер, std::string_view остаток) {
  return текст<В::ТолькоGit>(число(номер), остаток);
}
std::string ветка_и_версия(std::size_t номер) { return текст<В::ВеткаИВерсия>(число(номер)); }

// Package names
std::string недопустимое_имя(std::string_view имя, std::string_view причина) {
  return текст<В::НедопустимоеИмя>(имя, причина);
}
std::string недопустимое_имя_папки(std::string_view имя, std::string_view причина) {
  return текст<В::НедопустимоеИмяПапки>(имя, причина);
}
std::string имя_пустое() { return текст<В::ИмяПустое>(); }
std::string имя_из_точек() { return текст<В::ИмяИзТочек>(); }
std::string имя_длинное() { return текст<В::ИмяДлинное>(); }
std::string имя_с_разделителем() { return текст<В::ИмяСРазделителем>(); }
std::string имя_с_двоеточием() { return текст<В::ИмяСДвоеточием>(); }
std::string имя_с_нулевым_байтом() { return текст<В::ИмяСНулевымБайтом>(); }
std::string имя_с_управляющим_символом() { return текст<В::ИмяСУправляющимСимволом>(); }
std::string имя_с_невидимым_символом() { return текст<В::ИмяСНевидимымСимволом>(); }
std::string имя_с_запятой() { return текст<В::ИмяСЗапятой>(); }
std::string имя_папки_метаданных() { return текст<В::ИмяПапкиМетаданных>(); }
std::string имя_устройства_windows() { return текст<В::ИмяУстройстваWindows>(); }
std::string имя_с_точкой_или_пробелом_в_конце() { return текст<В::ИмяСТочкойИлиПробеломВКонце>(); }
std::string имя_с_запрещённым_символом() { return текст<В::ИмяСЗапрещённымСимволом>(); }
std::string имя_отличается_регистром(std::string_view другое) { return текст<В::ИмяОтличаетсяРегистром>(другое); }
std::string имя_не_в_nfc() { return текст<В::ИмяНеВNfc>(); }
std::string имя_отличается_записью(std::string_view другое) { return текст<В::ИмяОтличаетсяЗаписью>(другое); }

// Install: the manifest, the lock file and the queue
std::string манифест_не_найден() { return текст<В::МанифестНеНайден>(); }
std::string манифест_не_прочитан(std::string_view причина) { return текст<В::МанифестНеПрочитан>(причина); }
std::string пустой_манифест() { return текст<В::ПустойМанифест>(); }
std::string блокировка_не_прочитана(std::string_view причина) { return текст<В::БлокировкаНеПрочитана>(причина); }
std::string папка_пакетов_не_создана(std::string_view причина) { return текст<В::ПапкаПакетовНеСоздана>(причина); }
std::string два_адреса(std::string_view имя, std::string_view первый, std::string_view откуда_первый,
                       std::string_view второй, std::string_view откуда_второй) {
  return текст<В::ДваАдреса>(имя, первый, откуда_первый, второй, откуда_второй);
}
std::string конфликт_версий(std::string_view имя, std::string_view выбранный_интервал, std::string_view версия,
                            std::string_view откуда_выбран, std::string_view новый_интервал,
                            std::string_view откуда_новый) {
  return текст<В::КонфликтВерсий>(имя, выбранный_интервал, версия, откуда_выбран, новый_интервал, откуда_новый);
}
std::string запрошен_снова(std::string_view имя, std::string_view откуда, std::string_view запрошено,
                           std::string_view выбрано) {
  return текст<В::ЗапрошенСнова>(имя, откуда, запрошено, выбрано);
}
std::string интервал_сужен(std::string_view имя, std::string_view интервал, std::string_view версия) {
  return текст<В::ИнтервалСужен>(имя, интервал, версия);
}
std::string из_корня() { return текст<В::ИзКорня>(); }
std::string через_пакет(std::string_view пакет) { return текст<В::ЧерезПакет>(пакет); }
std::string транзитивно_через_пакет(std::string_view пакет) { return текст<В::ТранзитивноЧерезПакет>(пакет); }
std::string снова_через_пакет(std::string_view пакет) { return текст<В::СноваЧерезПакет>(пакет); }
std::string без_версии() { return текст<В::БезВерсии>(); }
std::string пересечение_диапазонов(std::string_view интервал) { return текст<В::ПересечениеДиапазонов>(интервал); }

// Install: one package and the closing steps
std::string устанавливаю_пакет(std::string_view имя, std::string_view источник) {
  return текст<В::УстанавливаюПакет>(имя, источник);
}
std::string устанавливаю_зависимость(std::string_view имя, std::string_view источник, std::string_view пакет) {
  return текст<В::УстанавливаюЗависимость>(имя, источник, пакет);
}
std::string не_очистить_старую_версию(std::string_view имя, std::string_view причина) {
  return текст<В::НеОчиститьСтаруюВерсию>(имя, причина);
}
std::string не_создать_папку_пакета(std::string_view имя, std::string_view причина) {
  return текст<В::НеСоздатьПапкуПакета>(имя, причина);
}
std::string ссылка_не_копируется(std::string_view файл) { return текст<В::СсылкаНеКопируется>(файл); }
std::string не_скопировать(std::string_view файл, std::string_view причина) {
  return текст<В::НеСкопировать>(файл, причина);
}
std::string не_прочитать_клон(std::string_view имя, std::string_view причина) {
  return текст<В::НеПрочитатьКлон>(имя, причина);
}
std::string файл_без_имени() { return текст<В::ФайлБезИмени>(); }
std::string скопирован(std::string_view имя, std::string_view файл) { return текст<В::Скопирован>(имя, файл); }
std::string нет_файлов_код(std::string_view имя) { return текст<В::НетФайловКод>(имя); }
std::string не_прочитать_манифест_пакета(std::string_view имя, std::string_view причина) {
  return текст<В::НеПрочитатьМанифестПакета>(имя, причина);
}
std::string манифест_пакета_некорректен(std::string_view имя, std::string_view ошибка) {
  return текст<В::МанифестПакетаНекорректен>(имя, ошибка);
}
std::string не_записать_метаданные(std::string_view имя, std::string_view причина) {
  return текст<В::НеЗаписатьМетаданные>(имя, причина);
}
std::string не_обновить_метаданные(std::string_view имя, std::string_view причина) {
  return текст<В::НеОбновитьМетаданные>(имя, причина);
}
std::string не_записать_блокировку(std::string_view причина) { return текст<В::НеЗаписатьБлокировку>(причина); }
std::string итог_установки(std::size_t всего, std::size_t транзитивно, std::size_t обновлено) {
  return текст<В::ИтогУстановки>(число(всего), число(транзитивно), число(обновлено));
}

// Tag resolution
std::string нет_подходящего_тега(std::string_view источник, std::string_view требование, std::string_view интервал) {
  return текст<В::НетПодходящегоТега>(источник, требование, интервал);
}
std::string взято_из_блокировки(std::string_view имя, std::string_view требование, std::string_view тег) {
  return текст<В::ВзятоИзБлокировки>(имя, требование, тег);
}
std::string разрешено_в_тег(std::string_view имя, std::string_view требование, std::string_view тег) {
  return текст<В::РазрешеноВТег>(имя, требование, тег);
}
std::string тег_пропущен(std::string_view имя, std::string_view тег) { return текст<В::ТегПропущен>(имя, тег); }

// Settings folder and package index
std::string нет_домашней_папки() { return текст<В::НетДомашнейПапки>(); }
std::string не_создать_папку_настроек(std::string_view причина) { return текст<В::НеСоздатьПапкуНастроек>(причина); }
std::string не_создать_папку(std::string_view папка, std::string_view причина) {
  return текст<В::НеСоздатьПапку>(папка, причина);
}
std::string адрес_не_сохранён(std::string_view причина) { return текст<В::АдресНеСохранён>(причина); }
std::string индекс_настроен(std::string_view адрес) { return текст<В::ИндексНастроен>(адрес); }
std::string адрес_индекса_не_настроен() { return текст<В::АдресИндексаНеНастроен>(); }
std::string обновляю_копию(std::string_view адрес) { return текст<В::ОбновляюКопию>(адрес); }
std::string скачиваю_индекс(std::string_view адрес) { return текст<В::СкачиваюИндекс>(адрес); }
std::string индекс_готов(std::size_t пакетов) { return текст<В::ИндексГотов>(число(пакетов)); }
std::string нет_файла_каталога(std::string_view каталог) { return текст<В::НетФайлаКаталога>(каталог); }
std::string не_прочитать_файл(std::string_view путь, std::string_view причина) {
  return текст<В::НеПрочитатьФайл>(путь, причина);
}
std::string копия_индекса_отвергнута(std::string_view папка, std::string_view причина) {
  return текст<В::КопияИндексаОтвергнута>(папка, причина);
}
std::string настройка_копии_опасна(std::string_view ключ) { return текст<В::НастройкаКопииОпасна>(ключ); }
std::string git_копии_не_папка() { return текст<В::GitКопииНеПапка>(); }
std::string настройки_копии_не_файл() { return текст<В::НастройкиКопииНеФайл>(); }

// The list command
std::string папка_пакетов_не_найдена() { return текст<В::ПапкаПакетовНеНайдена>(); }
std::string пакеты_пусты() { return текст<В::ПакетыПусты>(); }
std::string не_прочитать_пакеты(std::string_view причина) { return текст<В::НеПрочитатьПакеты>(причина); }
std::string установленные_пакеты(std::size_t пакетов) { return текст<В::УстановленныеПакеты>(число(пакетов)); }
std::string ссылка_не_открывается() { return текст<В::СсылкаНеОткрывается>(); }
std::string расположение(std::string_view путь) { return текст<В::Расположение>(путь); }
std::string поле_описание(std::string_view значение) { return текст<В::ПолеОписание>(значение); }
std::string поле_источник(std::string_view значение) { return текст<В::ПолеИсточник>(значение); }
std::string поле_версия(std::string_view значение) { return текст<В::ПолеВерсия>(значение); }
std::string поле_транзитивная_через(std::string_view значение) { return текст<В::ПолеТранзитивнаяЧерез>(значение); }
std::string поле_собственных_зависимостей(std::string_view значение) {
  return текст<В::ПолеСобственныхЗависимостей>(значение);
}
std::string требуется_установленным(std::string_view требующие) { return текст<В::ТребуетсяУстановленным>(требующие); }
std::string подключить_пакет(std::string_view пакет) { return текст<В::ПодключитьПакет>(пакет); }
std::string подключить_модуль(std::string_view пакет, std::string_view модуль) {
  return текст<В::ПодключитьМодуль>(пакет, модуль);
}
std::string файлы_напрямую(std::size_t файлов) { return текст<В::ФайлыНапрямую>(число(файлов)); }

// The remove command
std::string отказ_удаления(std::string_view имя, std::string_view требующие) {
  return текст<В::ОтказУдаления>(имя, требующие);
}
std::string всё_ещё_требуется(std::string_view имя, std::string_view требующие) {
  return текст<В::ВсёЕщёТребуется>(имя, требующие);
}
std::string не_удалить(std::string_view путь, std::string_view причина) { return текст<В::НеУдалить>(путь, причина); }
std::string удалено(std::string_view путь) { return текст<В::Удалено>(путь); }
std::string пакет_не_найден(std::string_view имя) { return текст<В::ПакетНеНайден>(имя); }
std::string не_удалить_метаданные(std::string_view путь, std::string_view причина) {
  return текст<В::НеУдалитьМетаданные>(путь, причина);
}
std::string удалены_метаданные(std::string_view путь) { return текст<В::УдаленыМетаданные>(путь); }
std::string папка_пакетов_ссылка() { return текст<В::ПапкаПакетовСсылка>(); }

// The search and add commands
std::string ничего_не_найдено(std::string_view запрос) { return текст<В::НичегоНеНайдено>(запрос); }
std::string найдено(std::size_t записей) { return текст<В::Найдено>(число(записей)); }
std::string как_установить() { return текст<В::КакУстановить>(); }
std::string нет_в_индексе(std::string_view имя) { return текст<В::НетВИндексе>(имя, имя); }
std::string много_записей(std::size_t записей, std::string_view имя) {
  return текст<В::МногоЗаписей>(число(записей), имя);
}
std::string не_записать_манифест(std::string_view причина) { return текст<В::НеЗаписатьМанифест>(причина); }
std::string уже_есть(std::string_view имя) { return текст<В::УжеЕсть>(имя); }
std::string добавлено(std::string_view строка) { return текст<В::Добавлено>(строка); }

}  // namespace тувра::пакеты::сообщения
