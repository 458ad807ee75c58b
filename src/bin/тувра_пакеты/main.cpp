#include "commands.h"
#include "support/platform/console.h"
#include "support/platform/environment.h"
#include "support/platform/interruption.h"
#include "support/platform/standard_streams.h"

int main(int argc, char** argv) {
  // Before anything is opened: nothing may take a closed stream's place.
  if (!тувра::платформа::занять_закрытые_потоки()) return 1;
  const тувра::платформа::КонсольныйВывод вывод;
  тувра::платформа::ловить_прерывания();
  return тувра::пакеты::главная_менеджера_пакетов(тувра::платформа::аргументы_программы(argc, argv));
}
