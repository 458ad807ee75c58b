#include <chrono>
#include <cstdint>
#include <random>

#include "support/keyed_hash.h"

namespace тувра {

namespace {

std::uint64_t из_двух(std::uint32_t старшие, std::uint32_t младшие) { return (std::uint64_t{старшие} << 32) | младшие; }

}  // namespace

КлючХеша случайный_ключ_хеша() {
  try {
    std::random_device источник;
    const std::uint32_t а = источник(), б = источник(), в = источник(), г = источник();
    return {из_двух(а, б), из_двух(в, г)};
  } catch (...) {
    // No random source: a key a document still cannot know in advance, though a patient
    // attacker on the same machine might guess it.
    int место = 0;
    const auto сейчас =
        static_cast<std::uint64_t>(std::chrono::high_resolution_clock::now().time_since_epoch().count());
    const auto адрес = static_cast<std::uint64_t>(reinterpret_cast<std::uintptr_t>(&место));
    return {сейчас ^ 0x9e3779b97f4a7c15ULL, ХешСКлючом({сейчас, адрес}).слово(адрес).итог()};
  }
}

}  // namespace тувра
