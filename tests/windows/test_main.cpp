// The main of every Windows test program. GoogleTest's own reads argv, which Windows fills in
// the ANSI code page: a Cyrillic --gtest_filter from CTest became question marks, selected
// nothing, and the run passed. The arguments come as UTF-8 from the platform layer instead, and a
// run that selects no test fails.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/platform/environment.h"

int main(int argc, char** argv) {
  std::vector<std::string> аргументы = тувра::платформа::аргументы_программы(argc, argv);
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
