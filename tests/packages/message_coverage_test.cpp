// Every message of the package manager comes out of some test: the program tests leave the kinds
// their runs wrote, and this test, which runs after them all, reads them. Kinds no input can
// reach are listed apart, each with the reason.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <ostream>
#include <string>
#include <vector>

#include "message_kinds.h"
#include "message_recognition.h"

namespace тувра::пакеты {

// Kinds show by name in the failures.
void PrintTo(ВидСообщения вид, std::ostream* поток) { *поток << статья(вид).имя; }

namespace испытания {
namespace {

namespace fs = std::filesystem;
using В = ВидСообщения;

std::vector<В> виды_испытаний() {
  std::vector<В> виды;
  if (!fs::is_directory(папка_видов())) return виды;
  for (const auto& запись : fs::directory_iterator(папка_видов())) {
    std::ifstream файл(запись.path());
    for (std::string имя; std::getline(файл, имя);) {
      const auto* статья = std::find_if(сообщения::таблица.begin(), сообщения::таблица.end(),
                                        [&](const auto& с) { return с.имя == имя; });
      if (статья == сообщения::таблица.end()) {
        ADD_FAILURE() << запись.path().filename() << " names a kind the table no longer has: " << имя;
      } else if (std::find(виды.begin(), виды.end(), статья->вид) == виды.end()) {
        виды.push_back(статья->вид);
      }
    }
  }
  return виды;
}

// Each template filled with neutral values is told apart from every other: two kinds whose
// texts cannot be told apart could never both be shown to come out of a test.
TEST(СообщенияПакетов, КаждыйВидУзнаётсяПоСвоемуТексту) {
  const Распознаватель распознаватель;
  for (const auto& статья : сообщения::таблица) {
    EXPECT_EQ(распознаватель.виды(Распознаватель::заполненный(статья.вид)), std::vector<В>{статья.вид})
        << статья.имя << ": " << статья.шаблон;
  }
}

// A message placed into another is found with it; one whose words a longer message holds is not
// found inside that message; a value between two pieces does not run over a line feed.
TEST(СообщенияПакетов, ВложенныеИОбъемлющиеСообщения) {
  const std::vector<std::pair<std::string, std::vector<В>>> случаи = {
      {"Ошибка: не удалось прочитать 'тувра.зависимости': символическая ссылка\n",
       {В::СтрокаОшибки, В::СимволическаяСсылка, В::МанифестНеПрочитан}},
      {"Ошибка: не удалось скопировать 'к.код': это символическая ссылка, такие файлы не копируются\n",
       {В::СтрокаОшибки, В::СсылкаНеКопируется}},
      {"    подключить мат.вектор;\n    подключить мат;\n", {В::ПодключитьПакет, В::ПодключитьМодуль}},
      {"    подключить мат.вектор;\n", {В::ПодключитьМодуль}},
      {"Устанавливаю 'а' из u... (транзитивная зависимость пакета 'б')\nОбновляю локальную копию индекса (u)...\n",
       {В::УстанавливаюЗависимость, В::ОбновляюКопию}},
      // The last value of a template may hold line feeds: git's own words.
      {"Ошибка: git clone не удался для 'а': fatal: первая\nвторая\n\n", {В::СтрокаОшибки, В::КлонНеУдался}},
  };
  const Распознаватель распознаватель;
  for (const auto& [текст, виды] : случаи) EXPECT_EQ(распознаватель.виды(текст), виды) << текст;
}

TEST(СообщенияПакетов, КаждыйВидВыходитИзИспытаний) {
  // Failures no test can bring about: the system refuses what root may always do, or the wait is
  // too long. The tests may run as root, which no folder's permissions stop.
  const std::vector<В> недостижимые = {
      В::ОшибкаЧтенияЗаписи,      // reading a folder's entries fails after it was opened (a failing disk)
      В::ФайлБезИмени,            // an entry without a name, which no file system of these systems holds
      В::GitПревысилВремя,        // git running for ten minutes; the git tests check it with a shorter limit
      В::НеОчиститьСтаруюВерсию,  // removing a package folder in a project the user may not change
      В::НеСоздатьПапкуПакета,    // making a folder there
      В::НеСоздатьПапкуНастроек,  // making the index folder in a settings folder the user may not change
      В::ПроектНеЗанять,          // opening the folder the program runs in, which the user may not read
  };
  for (В вид : тест::вне_покрытия(сообщения::таблица, виды_испытаний(), недостижимые)) {
    ADD_FAILURE() << статья(вид).имя << ": no program test wrote it, or it is also on the list of unreachable kinds";
  }
}

}  // namespace
}  // namespace испытания
}  // namespace тувра::пакеты
