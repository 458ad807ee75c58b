#include "semantic/large_stack.h"

#include "support/platform/thread.h"

namespace тувра {

void выполнить_на_большом_стеке(const std::function<void()>& работа) {
  if (!платформа::выполнить_в_потоке(размер_большого_стека, работа)) работа();
}

}  // namespace тувра
