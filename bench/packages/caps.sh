#!/usr/bin/env bash
# Peak memory and time of the program at the 16 MiB file caps: `искать` over a catalog of short
# lines, and an install of a package whose own manifest is that large (every line asks again for
# one small package).
#   bench/packages/caps.sh [path/to/тувра_пакеты] [runs]
set -euo pipefail

program=$(realpath "${1:-$(dirname "$0")/../../build/тувра_пакеты}")
runs=${2:-5}
work=$(mktemp -d /tmp/tuvra_caps_XXXXXX)
trap 'rm -rf "$work"' EXIT

export GIT_CONFIG_GLOBAL=/dev/null GIT_CONFIG_NOSYSTEM=1
export GIT_AUTHOR_NAME=bench GIT_AUTHOR_EMAIL=bench@example.com
export GIT_COMMITTER_NAME=bench GIT_COMMITTER_EMAIL=bench@example.com
cap=$((16 * 1024 * 1024))

# Lines of a generator until the cap, never past it.
fill() { awk -v cap="$cap" -v fmt="$1" '{ } END { n = 0; for (i = 0; ; i++) { line = sprintf(fmt, i, i); if (n + length(line) + 1 > cap) break; print line; n += length(line) + 1 } }' < /dev/null; }

mkdir -p "$work/home/.тувра/индекс" "$work/project" "$work/tmp" "$work/repos/q" "$work/repos/p"
LC_ALL=C fill 'p%d=git u%d' > "$work/home/.тувра/индекс/каталог.пакеты"

git -C "$work/repos/q" init -q -b main
echo "// q" > "$work/repos/q/q.код"
git -C "$work/repos/q" add -A && git -C "$work/repos/q" commit -q -m q
git -C "$work/repos/p" init -q -b main
echo "// p" > "$work/repos/p/p.код"
LC_ALL=C fill "q = git $work/repos/q" > "$work/repos/p/тувра.зависимости"
git -C "$work/repos/p" add -A && git -C "$work/repos/p" commit -q -m p
echo "p = git $work/repos/p" > "$work/project/тувра.зависимости"

# Prints "peak_kB seconds" of one run.
measure() {
  (cd "$work/project" && HOME="$work/home" TMPDIR="$work/tmp" /usr/bin/time -f '%M %e' -o "$work/time" \
      "$program" "$@" > /dev/null)
  cat "$work/time"
}

median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

report() {
  local label=$1
  shift
  : > "$work/runs"
  for ((i = 0; i < runs; i++)); do measure "$@" >> "$work/runs"; done
  printf '%-40s peak %7.1f MB  time %6.2f s  (median of %d)\n' "$label" \
    "$(awk '{ print $1 }' "$work/runs" | median | awk '{ print $1 / 1024 }')" \
    "$(awk '{ print $2 }' "$work/runs" | median)" "$runs"
}

report "искать, 16 MiB catalog" искать 12345
report "установить, 16 MiB own manifest" установить
