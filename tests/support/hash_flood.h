// Documents whose array sizes are solved so that every array type of them had one hash under
// the mixing the type table once used (boost's hash_combine, which can be run backwards), with
// twins of random sizes of as many digits: the two must cost about the same.
#pragma once

#include <cstddef>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

namespace тувра::наводнение {

// The old mixing and the old hash of `Массив(элемент, размер)`.
constexpr std::uint64_t начало = 0xcbf29ce484222325ULL;
constexpr std::uint64_t золото = 0x9e3779b97f4a7c15ULL;
constexpr std::uint64_t смешать(std::uint64_t х, std::uint64_t часть) {
  return х ^ (часть + золото + (х << 12) + (х >> 4));
}
constexpr std::uint64_t хеш_массива(std::uint64_t элемент, std::uint64_t размер) {
  return смешать(смешать(смешать(начало, 15), элемент), размер);
}
constexpr std::uint64_t хеш_целого = смешать(начало, 0);

// The size that gives `Массив(элемент, размер)` the hash цель.
constexpr std::uint64_t размер_для(std::uint64_t элемент, std::uint64_t цель) {
  const std::uint64_t х = смешать(смешать(начало, 15), элемент);
  return (цель ^ х) - золото - (х << 12) - (х >> 4);
}

// (outer size, inner size) of `целое[внешний][внутренний]`, the outer written first.
struct Размеры {
  std::uint64_t внешний;
  std::uint64_t внутренний;
};

// A random number of as many decimal digits as число, below 2^63.
inline std::uint64_t столько_же_цифр(std::uint64_t число, std::mt19937_64& случай) {
  std::uint64_t наименьшее = 1;
  while (наименьшее <= число / 10) наименьшее *= 10;
  const std::uint64_t наибольшее =
      наименьшее >= 1'000'000'000'000'000'000ULL ? (std::uint64_t{1} << 63) - 1 : наименьшее * 10 - 1;
  return наименьшее + случай() % (наибольшее - наименьшее + 1);
}

// `сколько` pairs, all distinct types; equal old hashes when подобраны, else the outer sizes
// random with as many digits, so that the texts are as long.
inline std::vector<Размеры> размеры(std::size_t сколько, bool подобраны) {
  std::vector<Размеры> пары;
  std::mt19937_64 случай(20261211);
  const std::uint64_t цель = хеш_массива(хеш_массива(хеш_целого, 1), 1);
  for (std::uint64_t внутренний = 1; пары.size() < сколько; ++внутренний) {
    std::uint64_t внешний = размер_для(хеш_массива(хеш_целого, внутренний), цель);
    if (внешний >> 63) continue;  // past the largest literal: the next inner size
    if (!подобраны) внешний = столько_же_цифр(внешний, случай);
    пары.push_back({внешний, внутренний});
  }
  return пары;
}

inline std::string тип(const Размеры& р) {
  return "целое[" + std::to_string(р.внешний) + "][" + std::to_string(р.внутренний) + "]";
}

// `целое[s][i] аj = неуказано;` until the text holds байт bytes.
inline std::string объявления(std::size_t байт, bool подобраны) {
  std::string текст = "функция ф()\n";
  const std::vector<Размеры> пары = размеры(байт / 50, подобраны);
  for (std::size_t j = 0; j < пары.size() && текст.size() < байт; ++j) {
    текст += "  " + тип(пары[j]) + " а" + std::to_string(j) + " = неуказано;\n";
  }
  return текст + "конец\n";
}

// One generic function called with `экземпляров` such types, each call an instance.
inline std::string экземпляры_функции(std::size_t экземпляров, bool подобраны) {
  std::string текст = "функция г<Т>(Т а)\nконец\nфункция ф()\n";
  for (const Размеры& р : размеры(экземпляров, подобраны)) текст += "  вывести(г<" + тип(р) + ">(неуказано));\n";
  return текст + "конец\n";
}

// One generic struct constructed with `экземпляров` such types.
inline std::string экземпляры_структуры(std::size_t экземпляров, bool подобраны) {
  std::string текст = "структура Я<Т>\n  Т з;\nконец\nфункция ф()\n";
  for (const Размеры& р : размеры(экземпляров, подобраны)) текст += "  вывести(Я<" + тип(р) + ">(неуказано));\n";
  return текст + "конец\n";
}

}  // namespace тувра::наводнение
