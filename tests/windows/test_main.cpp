// The main of every Windows test program. GoogleTest's own reads argv, which Windows fills in
// the ANSI code page: a Cyrillic --gtest_filter from CTest became question marks, selected
// nothing, and the run passed. The arguments come as UTF-8 from the platform layer instead, and a
// run that selects no test fails.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "support/platform/environment.h"
#include "support/platform/files.h"

namespace {

namespace пл = тувра::платформа;

// tests/windows/under_wine.sh: the mark tells a program that never started from one that failed,
// and Wine's errors, shown for this program, must not reach the output of the children it tests.
void отметить_начало() {
  if (const auto отметка = пл::переменная_окружения("TUVRA_MAIN_MARK")) {
    (void)пл::заменить_файл(пл::родитель_пути(*отметка), пл::последний_компонент(*отметка), "main\n");
  }
  if (const auto отладка = пл::переменная_окружения("TUVRA_CHILD_WINEDEBUG")) {
    _putenv_s("WINEDEBUG", отладка->c_str());
  }
}

}  // namespace

int main(int argc, char** argv) {
  отметить_начало();
  std::vector<std::string> аргументы = пл::аргументы_программы(argc, argv);
  std::vector<char*> указатели;
  for (std::string& аргумент : аргументы) указатели.push_back(аргумент.data());
  указатели.push_back(nullptr);
  int число = static_cast<int>(аргументы.size());
  ::testing::InitGoogleTest(&число, указатели.data());
  const int итог = RUN_ALL_TESTS();
  const bool список = ::testing::GTEST_FLAG(list_tests);
  if (!список && ::testing::UnitTest::GetInstance()->test_to_run_count() == 0) return 1;
  return итог;
}
