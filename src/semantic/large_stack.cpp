#include "semantic/large_stack.h"

#include <pthread.h>

namespace тувра {

namespace {

void* запустить(void* работа) {
  (*static_cast<const std::function<void()>*>(работа))();
  return nullptr;
}

}  // namespace

void выполнить_на_большом_стеке(const std::function<void()>& работа) {
  pthread_attr_t свойства;
  if (pthread_attr_init(&свойства) != 0) {
    работа();
    return;
  }
  pthread_t поток;
  const bool запущен = pthread_attr_setstacksize(&свойства, размер_большого_стека) == 0 &&
                       pthread_create(&поток, &свойства, запустить, const_cast<std::function<void()>*>(&работа)) == 0;
  pthread_attr_destroy(&свойства);
  if (!запущен) {
    работа();
    return;
  }
  pthread_join(поток, nullptr);
}

}  // namespace тувра
