#!/usr/bin/env bash
# Fails when a C++ file of the project differs from its layout in .clang-format, naming each
# one. Run `clang-format -i FILE` to lay a file out.
set -euo pipefail
cd "$(dirname "$0")/.."
unformatted=$(find src tests bench fuzz \( -name '*.cpp' -o -name '*.h' \) -print0 |
  xargs -0 -n 1 -P "$(nproc)" sh -c 'clang-format --style=file "$1" | cmp -s "$1" - || echo "$1"' _ | sort)
if [ -n "$unformatted" ]; then
  echo "Not laid out as .clang-format says (clang-format -i fixes them):" >&2
  echo "$unformatted" >&2
  exit 1
fi
