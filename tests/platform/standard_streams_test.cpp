// A process started without standard streams: the null device takes their places, so that the
// pipes and files it opens next never do, and writes to them fail as to a closed stream.
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "support/platform/standard_streams.h"

namespace тувра::платформа {
namespace {

// Runs `проверка` in a child whose streams named by `закрыть` are closed first; its exit code.
template <class Проверка>
int в_процессе_без(std::initializer_list<int> закрыть, Проверка проверка) {
  const pid_t процесс = ::fork();
  if (процесс == 0) {
    for (int поток : закрыть) ::close(поток);
    ::_exit(проверка(закрыть));
  }
  int состояние = 0;
  ::waitpid(процесс, &состояние, 0);
  return WIFEXITED(состояние) ? WEXITSTATUS(состояние) : -1;
}

int проверить_потоки(std::initializer_list<int> закрытые) {
  if (!занять_закрытые_потоки()) return 10;
  int канал[2];
  if (::pipe(канал) != 0 || канал[0] <= 2 || канал[1] <= 2) return 11;
  for (int поток : закрытые) {
    char байт = 0;
    if (поток == 0 && ::read(0, &байт, 1) != 0) return 12;
    if (поток != 0 && ::write(поток, "x", 1) != -1) return 13;
  }
  return 0;
}

TEST(ЗакрытыеПотоки, ЗанимаетсяПустымУстройством) {
  EXPECT_EQ(в_процессе_без({0, 1, 2}, проверить_потоки), 0);
  EXPECT_EQ(в_процессе_без({1}, проверить_потоки), 0);
  EXPECT_EQ(в_процессе_без({0, 2}, проверить_потоки), 0);
}

TEST(ЗакрытыеПотоки, ОткрытыеОстаютсяКакЕсть) {
  EXPECT_EQ(в_процессе_без({},
                           [](std::initializer_list<int>) {
                             const int было = ::fcntl(1, F_GETFL);
                             return занять_закрытые_потоки() && ::fcntl(1, F_GETFL) == было ? 0 : 1;
                           }),
            0);
}

}  // namespace
}  // namespace тувра::платформа
