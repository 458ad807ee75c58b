#!/usr/bin/env bash
# Cross-builds the Windows programs into build-windows/ (тувра_lsp.exe), linked statically.
# The Windows dependencies come from Debian's sources (ICU and simdjson through apt-get source,
# GoogleTest from the googletest package, nlohmann-json's headers) and are built once into
# ${XDG_CACHE_HOME:-$HOME/.cache}/tuvra/windows/, one folder per version, reused by every clone.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD

bash scripts/setup.sh g++-mingw-w64-x86-64-posix wine64 wine icu-devtools dpkg-dev

triple=x86_64-w64-mingw32
compiler_version=$($triple-g++-posix -dumpfullversion)
jobs=$(nproc)
# Part of every cached folder's name: raise it when a build below changes.
recipe=1
cache=${XDG_CACHE_HOME:-$HOME/.cache}/tuvra/windows
mkdir -p "$cache"
# One build of the cache at a time; a second script waits instead of building the same thing.
exec 9>"$cache/lock"
flock 9

source_version() {  # the Debian source version behind an installed binary package
  dpkg-query -W -f='${source:Version}' "$1"
}

# Debian source packages through a source list of our own: the machine's apt set-up is left
# as it is. Its entries are the machine's own, turned into deb-src.
apt_private() {
  apt-get -o Dir::Etc::SourceList=/dev/null -o Dir::Etc::SourceParts="$cache/apt/sources" \
    -o Dir::State::Lists="$cache/apt/lists" -o Dir::Cache="$cache/apt/cache" \
    -o APT::Sandbox::User="$(id -un)" -qq "$@"
}

fetch_source() {  # fetch_source PACKAGE VERSION: unpacks the source package into the current folder
  local package=$1 version=$2 dsc
  dsc="$cache/sources/${package}_${version#*:}.dsc"
  if [ ! -f "$dsc" ]; then
    mkdir -p "$cache/apt/sources" "$cache/apt/lists/partial" "$cache/apt/cache" "$cache/sources"
    for entries in /etc/apt/sources.list.d/*.sources; do
      if [ -f "$entries" ]; then sed 's/^Types:.*/Types: deb-src/' "$entries"; echo; fi
    done > "$cache/apt/sources/tuvra-src.sources"
    if [ -f /etc/apt/sources.list ]; then
      sed -n 's/^deb /deb-src /p' /etc/apt/sources.list > "$cache/apt/sources/tuvra-src.list"
    fi
    apt_private update
    (cd "$cache/sources" && apt_private source --download-only "$package=$version")
  fi
  dpkg-source --no-check -x "$dsc" "$package" >/dev/null
}

# build_once NAME VERSION FUNCTION: runs FUNCTION PREFIX in a scratch folder unless the cache
# already holds NAME at VERSION; prints the prefix. An interrupted build leaves nothing behind.
build_once() {
  local name=$1 version=$2 build=$3
  local prefix="$cache/$name-$version-gcc$compiler_version-r$recipe"
  if [ ! -f "$prefix/.built" ]; then
    echo "Building $name $version for Windows into $prefix" >&2
    rm -rf "$prefix" "$prefix.tmp"
    local scratch
    scratch=$(mktemp -d "$cache/scratch.XXXXXX")
    # In the background so that set -e holds inside: a failing step stops the build.
    (cd "$scratch" && "$build" "$prefix.tmp") >"$scratch.log" 2>&1 &
    wait $! || {
      echo "Building $name failed; the log: $scratch.log" >&2
      exit 1
    }
    rm -rf "$scratch" "$scratch.log"
    touch "$prefix.tmp/.built"
    mv "$prefix.tmp" "$prefix"
  fi
  echo "$prefix"
}

# ICU's common library with its data trimmed to what the programs use: character properties,
# case mapping and normalisation are compiled into the library; UTS 46 and the root locale come
# from the data. ICU's tools for the build machine are Debian's own (icu-devtools, same version).
build_icu() {
  local prefix=$1 version
  version=$(dpkg-query -W -f='${Version}' icu-devtools)
  fetch_source icu "$(source_version libicu-dev)"
  local data
  data=$(echo icu/source/data/in/icudt*l.dat)
  mkdir -p host/bin host/config small cross/lib cross/bin
  for tool in $(dpkg -L icu-devtools | grep -E '/s?bin/.'); do ln -s "$tool" host/bin/; done
  printf '%s\n' "CROSS_ICU_VERSION=${version%%-*}" 'TOOLEXEEXT=' 'TOOLBINDIR=$(cross_buildroot)/bin' \
    'TOOLLIBDIR=/usr/lib' 'INVOKE=' 'PKGDATA_INVOKE=' > host/config/icucross.mk
  : > host/config/icucross.inc
  host/bin/icupkg -l "$data" | grep -vxE 'uts46\.nrm|root\.res|pool\.res|res_index\.res|cnvalias\.icu' > remove.txt
  host/bin/icupkg -r remove.txt "$data" "small/$(basename "$data")"
  cp "small/$(basename "$data")" "$data"
  (cd cross && CC=$triple-gcc-posix CXX=$triple-g++-posix ../icu/source/configure \
    --host=$triple --with-cross-build="$PWD/../host" --prefix="$prefix" \
    --enable-static --disable-shared --with-data-packaging=static \
    --disable-tests --disable-samples --disable-extras --disable-tools --disable-icuio \
    --disable-layoutex)
  make -C cross/stubdata -j "$jobs"
  make -C cross/common -j "$jobs"
  make -C cross/data
  make -C cross/common install
  mkdir -p "$prefix/lib"
  # The names CMake's FindICU looks for.
  mv "$prefix/lib/libsicuuc.a" "$prefix/lib/libicuuc.a"
  cp cross/lib/sicudt.a "$prefix/lib/libicudt.a"
}

build_simdjson() {
  local prefix=$1
  fetch_source simdjson "$(source_version libsimdjson-dev)"
  cmake -S simdjson -B build -G Ninja -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix" -DBUILD_SHARED_LIBS=OFF \
    -DSIMDJSON_DEVELOPER_MODE=OFF
  cmake --build build -j "$jobs"
  cmake --install build
}

build_googletest() {
  local prefix=$1
  cmake -S /usr/src/googletest -B build -G Ninja -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix" -DBUILD_SHARED_LIBS=OFF
  cmake --build build -j "$jobs"
  cmake --install build
}

# Header-only: Debian's headers and CMake files, in a prefix of their own so the Windows build
# never searches the host's /usr.
copy_nlohmann_json() {
  local prefix=$1
  mkdir -p "$prefix/include" "$prefix/share/cmake"
  cp -r /usr/include/nlohmann "$prefix/include/"
  cp -r /usr/share/cmake/nlohmann_json "$prefix/share/cmake/"
}

icu=$(build_once icu "$(source_version libicu-dev)" build_icu)
simdjson=$(build_once simdjson "$(source_version libsimdjson-dev)" build_simdjson)
googletest=$(build_once googletest "$(source_version googletest)" build_googletest)
nlohmann_json=$(build_once nlohmann-json "$(source_version nlohmann-json3-dev)" copy_nlohmann_json)
flock -u 9

deps_list="$icu;$simdjson;$googletest;$nlohmann_json"
# Other dependency folders (a new version or recipe): CMake must not keep the old ones it found.
fresh=()
[ "$(cat build-windows/dependencies 2>/dev/null)" = "$deps_list" ] || fresh=(--fresh)
# The end-to-end tests of the Linux build in build/, when there is one, run against the Windows
# programs too; CMake stops when that build lacks them.
linux_build=""
[ -f build/build.ninja ] && linux_build="$root/build"
cmake "${fresh[@]}" -S . -B build-windows -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" -DTUVRA_WINDOWS_DEPS="$deps_list" \
  -DTUVRA_LINUX_BUILD_DIR="$linux_build" >/dev/null
echo "$deps_list" > build-windows/dependencies
cmake --build build-windows -j "$jobs"
