#include "support/platform/thread.h"

#include <pthread.h>

namespace тувра::платформа {

namespace {

void* запустить(void* работа) {
  (*static_cast<const std::function<void()>*>(работа))();
  return nullptr;
}

}  // namespace

bool выполнить_в_потоке(std::size_t размер_стека, const std::function<void()>& работа) {
  pthread_attr_t свойства;
  if (pthread_attr_init(&свойства) != 0) return false;
  pthread_t поток;
  const bool запущен = pthread_attr_setstacksize(&свойства, размер_стека) == 0 &&
                       pthread_create(&поток, &свойства, запустить, const_cast<std::function<void()>*>(&работа)) == 0;
  pthread_attr_destroy(&свойства);
  if (запущен) pthread_join(поток, nullptr);
  return запущен;
}

}  // namespace тувра::платформа
