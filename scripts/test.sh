#!/usr/bin/env bash
# Builds and runs every test twice: a plain build, then under AddressSanitizer and
# UndefinedBehaviorSanitizer. Any failing test or sanitizer report fails the run. A Release
# build is made too (not run): GCC's -O3 warnings differ from the other build types'. clang
# builds the whole project (not run) and the fuzz targets with libFuzzer, each of which replays
# its corpus and fuzzes for a while. Last, the Windows build's tests run under Wine, the plain
# build's end-to-end tests among them. Before any test, every C++ file must be laid out as
# .clang-format says.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh
bash scripts/check-format.sh
jobs=$(nproc)
ctest --test-dir build --output-on-failure -j "$jobs"

cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build-release

cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTUVRA_SANITIZE=ON >/dev/null
cmake --build build-asan
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:strict_string_checks=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
ctest --test-dir build-asan --output-on-failure -j "$jobs"

cmake -S . -B build-clang -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=MinSizeRel >/dev/null
cmake --build build-clang
cmake -S . -B build-fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DTUVRA_LIBFUZZER=ON >/dev/null
cmake --build build-fuzz --target tuvra_fuzz_targets
ctest --test-dir build-fuzz --output-on-failure -j "$jobs" -L fuzz

bash scripts/build-windows.sh
ctest --test-dir build-windows --output-on-failure -j "$jobs"
