#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, only those that are missing.
# Arguments name further packages (scripts/build-windows.sh passes the Windows toolchain).
set -euo pipefail

packages=(
  cmake ninja-build g++ clang libclang-rt-14-dev clang-format pkg-config git
  libgtest-dev libgmock-dev libbenchmark-dev
  nlohmann-json3-dev libsimdjson-dev libicu-dev
  neovim
  "$@"
)

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$package")
  fi
done

if [ ${#missing[@]} -gt 0 ]; then
  sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  echo "Installing: ${missing[*]}"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
