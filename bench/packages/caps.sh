#!/usr/bin/env bash
# Peak memory and time of the program at the 16 MiB file caps: `искать` over a catalog of short
# lines, and an install of a package whose own manifest is that large (every line asks again for
# one small package); then every command over files that are one line at the cap, with a long
# name or a long (Latin or Cyrillic) description: catalog, manifest, lock file, a package's own
# manifest and the metadata the install writes from them.
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
git -C "$work/repos/q" add -A && git -C "$work/repos/q" commit -q -m q && git -C "$work/repos/q" tag 1.0.0
git -C "$work/repos/p" init -q -b main
echo "// p" > "$work/repos/p/p.код"
LC_ALL=C fill "q = git $work/repos/q" > "$work/repos/p/тувра.зависимости"
git -C "$work/repos/p" add -A && git -C "$work/repos/p" commit -q -m p
echo "p = git $work/repos/p" > "$work/project/тувра.зависимости"

# Prints "peak_kB seconds exit_status" of one run.
measure() {
  (cd "$work/project" && HOME="$work/home" TMPDIR="$work/tmp" /usr/bin/time -f '%M %e %x' -o "$work/time" \
      "$program" "$@" > /dev/null 2>&1) || true
  tail -n 1 "$work/time"
}

median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

summary() {
  printf '%-52s peak %7.1f MiB  time %6.2f s  exit %s  (median of %d)\n' "$1" \
    "$(awk '{ print $1 }' "$work/runs" | median | awk '{ print $1 / 1024 }')" \
    "$(awk '{ print $2 }' "$work/runs" | median)" "$(awk '{ print $3 }' "$work/runs" | sort -u | paste -sd,)" "$runs"
}

report() {
  report_after true "$@"
}

# report_after SETUP LABEL ARGS...: SETUP runs before each run, for a command that changes what
# the next run would read.
report_after() {
  local setup=$1 label=$2
  shift 2
  : > "$work/runs"
  for ((i = 0; i < runs; i++)); do
    "$setup"
    measure "$@" >> "$work/runs"
  done
  summary "$label"
}

report "искать, 16 MiB catalog" искать 12345
report "установить, 16 MiB own manifest" установить

# One line of `prefix`, a run of `unit` and `suffix`, as near the cap as whole units allow.
one_line() {
  local prefix=$1 unit=$2 suffix=$3
  LC_ALL=C awk -v cap="$cap" -v p="$prefix" -v u="$unit" -v s="$suffix" 'BEGIN {
    n = int((cap - length(p) - length(s) - 1) / length(u)); r = u
    out = ""; while (n > 0) { if (n % 2) out = out r; r = r r; n = int(n / 2) }
    printf "%s%s%s\n", p, out, s }'
}

index_copy() {  # index_copy FILE: the index becomes a git copy whose catalog is FILE
  rm -rf "$work/index_repo" "$work/home/.тувра"
  mkdir -p "$work/index_repo" "$work/home/.тувра"
  git -C "$work/index_repo" init -q -b main
  cp "$1" "$work/index_repo/каталог.пакеты"
  git -C "$work/index_repo" add -A && git -C "$work/index_repo" commit -q -m index
  git clone -q "$work/index_repo" "$work/home/.тувра/индекс"
  printf '%s' "$work/index_repo" > "$work/home/.тувра/индекс_url.txt"
}

fresh_project() {  # fresh_project MANIFEST_LINE_FILE
  rm -rf "$work/project"
  mkdir -p "$work/project"
  cp "$1" "$work/project/тувра.зависимости"
}

no_manifest() { rm -f "$work/project/тувра.зависимости"; }
long_lock() { cp "$lock" "$work/project/тувра.блокировка"; }
# The install's metadata is past the cap by its other lines: made at the cap here.
long_metadata() {
  one_line "имя=q
источник=$work/repos/q
описание=" "$unit" "" > "$work/project/пакеты/q/.метаданные"
}
installed() {
  fresh_project "$line"
  measure установить > /dev/null
  long_metadata
}

for kind in name latin cyrillic; do
  line=$work/line_$kind lock=$work/lock_$kind
  case $kind in
    name) one_line "" a " = git $work/repos/q" > "$line" ;;
    latin | cyrillic)
      unit=$([ "$kind" = latin ] && echo a || echo я)
      one_line "q = git $work/repos/q описание=\"" "$unit" '"' > "$line"
      one_line "q = git $work/repos/q описание=\"" "$unit" '" версия=1.0.0' > "$lock"
      ;;
  esac
  label="one line, long $kind"
  index_copy "$line"
  report "искать, $label" искать a
  report "индекс-обновить, $label" индекс-обновить
  if [ "$kind" != name ]; then
    report_after no_manifest "добавить, $label" добавить q
  fi
  fresh_project "$line"
  report "установить, manifest: $label" установить
  if [ "$kind" != name ]; then
    long_metadata
    report "список, metadata: $label" список
    # The lock file at the cap: the manifest names the package, the lock file's one line is long.
    echo "q = git $work/repos/q версия=^1.0.0" > "$work/project/тувра.зависимости"
    # Each run rewrites the lock file short.
    report_after long_lock "установить, lock file: $label" установить
    # Each run removes the package, so it is installed anew before it.
    report_after installed "удалить, metadata: $label" удалить q
  fi
  # A package's own manifest at the cap, one line.
  rm -rf "$work/repos/o" && mkdir -p "$work/repos/o"
  git -C "$work/repos/o" init -q -b main
  echo "// o" > "$work/repos/o/o.код"
  cp "$line" "$work/repos/o/тувра.зависимости"
  git -C "$work/repos/o" add -A && git -C "$work/repos/o" commit -q -m o
  echo "o = git $work/repos/o" > "$work/project/тувра.зависимости"
  report "установить, own manifest: $label" установить
done
