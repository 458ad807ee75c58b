// SipHash with a secret 128-bit key, for every hash table whose keys a document or a package
// chooses: without the key nobody can pick keys that fall into one bucket, whatever hash
// values a table keeps. Nothing that a user sees may depend on a hash value, so the key can
// be drawn afresh for every run.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

namespace тувра {

struct КлючХеша {
  std::uint64_t к0 = 0;
  std::uint64_t к1 = 0;
  friend bool operator==(const КлючХеша&, const КлючХеша&) = default;
};

// From the system's random source; where that fails, from the clock and addresses.
КлючХеша случайный_ключ_хеша();

// SipHash-c-d over the bytes and words given to it, in order: a word counts as its eight bytes
// in little-endian order, so a stream of words hashes as the same bytes would.
template <int сжатий, int завершений>
class СипХеш {
 public:
  explicit constexpr СипХеш(const КлючХеша& ключ)
      : v0_(ключ.к0 ^ 0x736f6d6570736575ULL),
        v1_(ключ.к1 ^ 0x646f72616e646f6dULL),
        v2_(ключ.к0 ^ 0x6c7967656e657261ULL),
        v3_(ключ.к1 ^ 0x7465646279746573ULL) {}

  constexpr СипХеш& слово(std::uint64_t слово) {
    if (в_хвосте_ == 0) {
      сжать(слово);
    } else {
      // Bytes of the word past the tail start the next tail.
      const unsigned сдвиг = 8 * в_хвосте_;
      сжать(хвост_ | (слово << сдвиг));
      хвост_ = слово >> (64 - сдвиг);
    }
    длина_ += 8;
    return *this;
  }

  constexpr СипХеш& байты(std::string_view байты) {
    std::size_t i = 0;
    while (в_хвосте_ != 0 && i < байты.size()) байт(static_cast<unsigned char>(байты[i++]));
    for (; i + 8 <= байты.size(); i += 8) {
      std::uint64_t слово = 0;
      for (unsigned j = 0; j < 8; ++j) слово |= std::uint64_t{static_cast<unsigned char>(байты[i + j])} << (8 * j);
      сжать(слово);
      длина_ += 8;
    }
    while (i < байты.size()) байт(static_cast<unsigned char>(байты[i++]));
    return *this;
  }

  constexpr std::uint64_t итог() const {
    СипХеш копия = *this;
    return копия.завершить();
  }

 private:
  static constexpr std::uint64_t повернуть(std::uint64_t x, unsigned на) { return (x << на) | (x >> (64 - на)); }

  constexpr void раунд() {
    v0_ += v1_;
    v1_ = повернуть(v1_, 13);
    v1_ ^= v0_;
    v0_ = повернуть(v0_, 32);
    v2_ += v3_;
    v3_ = повернуть(v3_, 16);
    v3_ ^= v2_;
    v0_ += v3_;
    v3_ = повернуть(v3_, 21);
    v3_ ^= v0_;
    v2_ += v1_;
    v1_ = повернуть(v1_, 17);
    v1_ ^= v2_;
    v2_ = повернуть(v2_, 32);
  }

  constexpr void сжать(std::uint64_t m) {
    v3_ ^= m;
    for (int i = 0; i < сжатий; ++i) раунд();
    v0_ ^= m;
  }

  constexpr void байт(unsigned char б) {
    хвост_ |= std::uint64_t{б} << (8 * в_хвосте_);
    ++длина_;
    if (++в_хвосте_ == 8) {
      сжать(хвост_);
      хвост_ = 0;
      в_хвосте_ = 0;
    }
  }

  constexpr std::uint64_t завершить() {
    сжать(хвост_ | (длина_ << 56));
    v2_ ^= 0xff;
    for (int i = 0; i < завершений; ++i) раунд();
    return v0_ ^ v1_ ^ v2_ ^ v3_;
  }

  std::uint64_t v0_, v1_, v2_, v3_;
  std::uint64_t хвост_ = 0;
  unsigned в_хвосте_ = 0;
  std::uint64_t длина_ = 0;
};

// The tables' variant, as hash tables commonly take it: short keys cost a few rounds.
using ХешСКлючом = СипХеш<1, 3>;

inline std::uint64_t хеш_текста(const КлючХеша& ключ, std::string_view текст) {
  return ХешСКлючом(ключ).байты(текст).итог();
}

// For `std::unordered_…` of names looked up by `std::string_view`. A default-made one draws a
// key of its own, so that no table is ever left with a key the document could know.
struct ХешИмени {
  using is_transparent = void;
  ХешИмени() : ключ(случайный_ключ_хеша()) {}
  explicit ХешИмени(const КлючХеша& к) : ключ(к) {}
  std::size_t operator()(std::string_view имя) const { return static_cast<std::size_t>(хеш_текста(ключ, имя)); }
  КлючХеша ключ;
};

}  // namespace тувра
