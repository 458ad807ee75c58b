#include "commands.h"
#include "support/platform/console.h"
#include "support/platform/environment.h"
#include "support/platform/interruption.h"

int main(int argc, char** argv) {
  const тувра::платформа::КонсольныйВывод вывод;
  тувра::платформа::ловить_прерывания();
  return тувра::пакеты::главная_менеджера_пакетов(тувра::платформа::аргументы_программы(argc, argv));
}
