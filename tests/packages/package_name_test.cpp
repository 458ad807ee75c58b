#include "package_name.h"

#include <gtest/gtest.h>

namespace тувра::пакеты {
namespace {

TEST(ИмяПакета, ОтвергаетИменаВнеСвоейПапки) {
  for (const std::string& имя : std::vector<std::string>{"", ".", "..", "...", "../x", "a/b", "/etc", "a\\b", "\\\\сервер\\общая", "C:", "C:\\x",
                                "c:x", "a:b", std::string("a\0b", 3)}) {
    auto итог = проверить_имя_пакета(имя);
    ASSERT_FALSE(итог.has_value()) << имя;
    EXPECT_EQ(итог.error().rfind("недопустимое имя пакета '", 0), 0u) << итог.error();
  }
}

TEST(ИмяПакета, ПринимаетОбычныеИмена) {
  for (const char* имя : {"математика", "графика_доп", "a.b", ".скрытый", "..a", "x y", "Zeta", "#имя"}) {
    EXPECT_TRUE(проверить_имя_пакета(имя).has_value()) << имя;
  }
}

}  // namespace
}  // namespace тувра::пакеты
