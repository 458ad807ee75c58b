#include "support/keyed_hash.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace тувра {
namespace {

// The published vectors: key 00 01 … 0f, message 00 01 … n−1 for n = 0 … 63.
constexpr КлючХеша ключ_векторов{0x0706050403020100ULL, 0x0f0e0d0c0b0a0908ULL};

// SipHash-2-4, from the reference implementation.
constexpr std::array<std::uint64_t, 64> векторы_2_4 = {
    0x726fdb47dd0e0e31, 0x74f839c593dc67fd, 0x0d6c8009d9a94f5a, 0x85676696d7fb7e2d, 0xcf2794e0277187b7,
    0x18765564cd99a68d, 0xcbc9466e58fee3ce, 0xab0200f58b01d137, 0x93f5f5799a932462, 0x9e0082df0ba9e4b0,
    0x7a5dbbc594ddb9f3, 0xf4b32f46226bada7, 0x751e8fbc860ee5fb, 0x14ea5627c0843d90, 0xf723ca908e7af2ee,
    0xa129ca6149be45e5, 0x3f2acc7f57c29bdb, 0x699ae9f52cbe4794, 0x4bc1b3f0968dd39c, 0xbb6dc91da77961bd,
    0xbed65cf21aa2ee98, 0xd0f2cbb02e3b67c7, 0x93536795e3a33e88, 0xa80c038ccd5ccec8, 0xb8ad50c6f649af94,
    0xbce192de8a85b8ea, 0x17d835b85bbb15f3, 0x2f2e6163076bcfad, 0xde4daaaca71dc9a5, 0xa6a2506687956571,
    0xad87a3535c49ef28, 0x32d892fad841c342, 0x7127512f72f27cce, 0xa7f32346f95978e3, 0x12e0b01abb051238,
    0x15e034d40fa197ae, 0x314dffbe0815a3b4, 0x027990f029623981, 0xcadcd4e59ef40c4d, 0x9abfd8766a33735c,
    0x0e3ea96b5304a7d0, 0xad0c42d6fc585992, 0x187306c89bc215a9, 0xd4a60abcf3792b95, 0xf935451de4f21df2,
    0xa9538f0419755787, 0xdb9acddff56ca510, 0xd06c98cd5c0975eb, 0xe612a3cb9ecba951, 0xc766e62cfcadaf96,
    0xee64435a9752fe72, 0xa192d576b245165a, 0x0a8787bf8ecb74b2, 0x81b3e73d20b49b6f, 0x7fa8220ba3b2ecea,
    0x245731c13ca42499, 0xb78dbfaf3a8d83bd, 0xea1ad565322a1a0b, 0x60e61c23a3795013, 0x6606d7e446282b93,
    0x6ca4ecb15c5f91e1, 0x9f626da15c9625f3, 0xe51b38608ef25f57, 0x958a324ceb064572,
};

// SipHash-1-3 cut to its low 32 bits: the 64-bit build of Linux's hsiphash self-test.
constexpr std::array<std::uint32_t, 64> векторы_1_3 = {
    0x050fc4dc, 0x7d57ca93, 0x4dc7d44d, 0xe7ddf7fb, 0x88d38328, 0x49533b67, 0xc59f22a7, 0x9bb11140,
    0x8d299a8e, 0x6c063de4, 0x92ff097f, 0xf94dc352, 0x57b4d9a2, 0x1229ffa7, 0xc0f95d34, 0x2a519956,
    0x7d908b66, 0x63dbd80c, 0xb473e63e, 0x8d297d1c, 0xa6cce040, 0x2b45f844, 0xa320872e, 0xdae6c123,
    0x67349c8c, 0x705b0979, 0xca9913a5, 0x4ade3b35, 0xef6cd00d, 0x4ab1e1f4, 0x43c5e663, 0x8c21d1bc,
    0x16a7b60d, 0x7a8ff9bf, 0x1f2a753e, 0xbf186b91, 0xada26206, 0xa3c33057, 0xae3a36a1, 0x7b108392,
    0x99e41531, 0x3f1ad944, 0xc8138825, 0xc28949a6, 0xfaf8876b, 0x9f042196, 0x68b1d623, 0x8b5114fd,
    0xdf074c46, 0x12cc86b3, 0x0a52098f, 0x9d292f9a, 0xa2f41f12, 0x43a71ed0, 0x73f0bce6, 0x70a7e980,
    0x243c6d75, 0xfdb71513, 0xa67d8a08, 0xb7e8f148, 0xf7a644ee, 0x0f1837f2, 0x4b6694e0, 0xb7bbb3a8,
};

std::string сообщение(std::size_t длина) {
  std::string байты;
  for (std::size_t i = 0; i < длина; ++i) байты += static_cast<char>(i);
  return байты;
}

// The same bytes given whole, one by one, and split at every place with a word after it where
// a word fits: every way of feeding must reach the same value.
template <int c, int d>
void проверить_подачи(std::size_t длина, std::uint64_t ожидание, std::uint64_t маска) {
  using Хеш = СипХеш<c, d>;
  const std::string байты = сообщение(длина);
  SCOPED_TRACE(длина);
  EXPECT_EQ(Хеш(ключ_векторов).байты(байты).итог() & маска, ожидание);
  Хеш по_одному(ключ_векторов);
  for (char б : байты) по_одному.байты(std::string_view(&б, 1));
  EXPECT_EQ(по_одному.итог() & маска, ожидание);
  for (std::size_t начало = 0; начало + 8 <= длина; ++начало) {
    std::uint64_t слово = 0;
    for (unsigned j = 0; j < 8; ++j) слово |= std::uint64_t{static_cast<unsigned char>(байты[начало + j])} << (8 * j);
    Хеш со_словом(ключ_векторов);
    со_словом.байты(std::string_view(байты).substr(0, начало))
        .слово(слово)
        .байты(std::string_view(байты).substr(начало + 8));
    EXPECT_EQ(со_словом.итог() & маска, ожидание) << "слово с " << начало;
  }
}

TEST(ХешСКлючомТест, ОпубликованныеВекторы) {
  for (std::size_t длина = 0; длина < 64; ++длина) {
    проверить_подачи<2, 4>(длина, векторы_2_4[длина], ~std::uint64_t{0});
    проверить_подачи<1, 3>(длина, векторы_1_3[длина], 0xffffffffULL);
  }
}

TEST(ХешСКлючомТест, ИтогНеМеняетСостояния) {
  ХешСКлючом хеш(ключ_векторов);
  хеш.байты("абв");
  const std::uint64_t первый = хеш.итог();
  EXPECT_EQ(хеш.итог(), первый);
  хеш.байты("г");
  EXPECT_EQ(хеш.итог(), хеш_текста(ключ_векторов, "абвг"));
}

TEST(ХешСКлючомТест, КлючМеняетВсё) {
  const КлючХеша другой{ключ_векторов.к0 ^ 1, ключ_векторов.к1};
  EXPECT_NE(хеш_текста(ключ_векторов, "имя"), хеш_текста(другой, "имя"));
  EXPECT_NE(хеш_текста(ключ_векторов, ""), хеш_текста(КлючХеша{ключ_векторов.к0, ключ_векторов.к1 ^ (1ULL << 63)}, ""));
  // Two draws of 128 bits agree by chance once in 2^128.
  EXPECT_NE(случайный_ключ_хеша(), случайный_ключ_хеша());
  ХешИмени первый;
  ХешИмени второй;
  EXPECT_NE(первый.ключ, второй.ключ);
  EXPECT_EQ(ХешИмени(другой)("имя"), static_cast<std::size_t>(хеш_текста(другой, "имя")));
}

}  // namespace
}  // namespace тувра
