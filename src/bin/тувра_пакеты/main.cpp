#include <string>
#include <vector>

#include "commands.h"

int main(int argc, char** argv) {
  std::vector<std::string> аргументы(argv, argv + argc);
  return тувра::пакеты::главная_менеджера_пакетов(аргументы);
}
