#include "commands.h"
#include "support/platform/environment.h"

int main(int argc, char** argv) {
  return тувра::пакеты::главная_менеджера_пакетов(тувра::платформа::аргументы_программы(argc, argv));
}
