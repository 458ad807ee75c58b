#include "heap_meter.h"

#include <atomic>
#include <cstdlib>
#include <new>

namespace {

// The counters every allocation of the program updates; the one state this file exists for.
std::atomic<std::size_t> живых_байт{0};
std::atomic<std::size_t> наибольшее{0};
std::atomic<std::size_t> в_начале{0};

// Each block carries its size in front, so delete without a size can count it too; the
// prefix keeps the block aligned as operator new must.
constexpr std::size_t приставка = alignof(std::max_align_t);

void* выделить(std::size_t размер) {
  void* блок = std::malloc(размер + приставка);
  if (блок == nullptr) throw std::bad_alloc();
  *static_cast<std::size_t*>(блок) = размер;
  const std::size_t живых = живых_байт.fetch_add(размер, std::memory_order_relaxed) + размер;
  std::size_t прежнее = наибольшее.load(std::memory_order_relaxed);
  while (живых > прежнее && !наибольшее.compare_exchange_weak(прежнее, живых, std::memory_order_relaxed)) {
  }
  return static_cast<char*>(блок) + приставка;
}

void освободить(void* место) noexcept {
  if (место == nullptr) return;
  char* блок = static_cast<char*>(место) - приставка;
  живых_байт.fetch_sub(*reinterpret_cast<std::size_t*>(блок), std::memory_order_relaxed);
  std::free(блок);
}

}  // namespace

namespace тувра::тест {

void начать_замер_кучи() {
  const std::size_t живых = живых_байт.load(std::memory_order_relaxed);
  в_начале.store(живых, std::memory_order_relaxed);
  наибольшее.store(живых, std::memory_order_relaxed);
}

std::size_t пик_кучи() { return наибольшее.load(std::memory_order_relaxed) - в_начале.load(std::memory_order_relaxed); }

}  // namespace тувра::тест

void* operator new(std::size_t размер) { return выделить(размер); }
void* operator new[](std::size_t размер) { return выделить(размер); }
void* operator new(std::size_t размер, const std::nothrow_t&) noexcept {
  try {
    return выделить(размер);
  } catch (const std::bad_alloc&) {
    return nullptr;
  }
}
void* operator new[](std::size_t размер, const std::nothrow_t& без_исключения) noexcept {
  return operator new(размер, без_исключения);
}
void operator delete(void* место) noexcept { освободить(место); }
void operator delete[](void* место) noexcept { освободить(место); }
void operator delete(void* место, std::size_t) noexcept { освободить(место); }
void operator delete[](void* место, std::size_t) noexcept { освободить(место); }
void operator delete(void* место, const std::nothrow_t&) noexcept { освободить(место); }
void operator delete[](void* место, const std::nothrow_t&) noexcept { освободить(место); }
