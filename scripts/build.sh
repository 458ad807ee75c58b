#!/usr/bin/env bash
# Set-up and release build: build/тувра_lsp and build/тувра_пакеты.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build
