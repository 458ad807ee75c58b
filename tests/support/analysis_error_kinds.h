// The kind an error of the analysis carries, checked against its message.
#pragma once

#include <gtest/gtest.h>

#include "message_kinds.h"
#include "semantic/analysis_error.h"
#include "semantic/messages.h"

namespace тувра::тест {

// Fails the calling test unless the error's kind is the one whose template gives its message.
inline void проверить_вид(const ОшибкаАнализа& ошибка) {
  EXPECT_TRUE(по_шаблону(ошибка.сообщение_ошибки, статья(ошибка.вид).шаблон))
      << ошибка.сообщение_ошибки << " is not a message of " << статья(ошибка.вид).имя;
}

}  // namespace тувра::тест
