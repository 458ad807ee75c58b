#include "semantic/large_stack.h"

#include "support/platform/thread.h"

namespace тувра {

bool выполнить_на_большом_стеке(const std::function<void()>& работа) {
  return платформа::выполнить_в_потоке(размер_большого_стека, работа);
}

}  // namespace тувра
