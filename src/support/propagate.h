// Passing the first error up unchanged: a routine returns its result or the error of the
// routine it called, at once.
#pragma once

#include <utility>

#include "support/expected.h"

// Declares `имя` as the value inside an Итог, or returns its error from the enclosing routine.
// A reference, not a copy: recursive routines keep one object per result on their frame.
#define ТУВРА_ВЗЯТЬ(имя, выражение)                                        \
  auto имя##_итог = (выражение);                                           \
  if (!имя##_итог) return ::тувра::Неудача{std::move(имя##_итог).error()}; \
  auto& имя = *имя##_итог

// Returns the error of an Итог from the enclosing routine; the value, if any, is dropped.
#define ТУВРА_ТРЕБОВАТЬ(выражение)                                                     \
  do {                                                                                 \
    auto итог_требования = (выражение);                                                \
    if (!итог_требования) return ::тувра::Неудача{std::move(итог_требования).error()}; \
  } while (false)
