#include <gtest/gtest.h>
TEST(Пусто, Пусто) {}
