#!/usr/bin/env bash
# The program's own CPU time per package for an install of N packages (default 300) through a
# stand-in git that answers at once: a tree in which package i asks for 2i+1 and 2i+2 with caret
# requirements and every one asks for p0 again, so requests are merged too. Children's time is
# not counted (perf stat --no-inherit; needs perf, Debian package linux-perf).
#   bench/packages/per_package.sh [path/to/тувра_пакеты] [N] [runs]
set -euo pipefail

program=$(realpath "${1:-$(dirname "$0")/../../build/тувра_пакеты}")
count=${2:-300}
runs=${3:-5}
work=$(mktemp -d /tmp/tuvra_per_package_XXXXXX)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/bin" "$work/project" "$work/tmp"

# ls-remote lists three tags; a clone writes the package's module and its own manifest.
cat > "$work/bin/git" <<WRAPPER
#!/usr/bin/env bash
for last in "\$@"; do :; done
if [ "\$1" = ls-remote ]; then
  printf '0\trefs/tags/1.0.0\n0\trefs/tags/1.1.0\n0\trefs/tags/1.2.0\n'
  exit 0
fi
url=\${@: -2:1}
i=\${url##*/p}
echo "// p\$i" > "\$last/p\$i.код"
{
  for child in \$((2 * i + 1)) \$((2 * i + 2)); do
    [ "\$child" -lt $count ] && echo "p\$child = git https://example.com/p\$child версия=^1.0.0"
  done
  echo "p0 = git https://example.com/p0 версия=^1.0.0"
} > "\$last/тувра.зависимости"
WRAPPER
chmod +x "$work/bin/git"
echo "p0 = git https://example.com/p0 версия=^1.0.0" > "$work/project/тувра.зависимости"

own_ms() {
  (cd "$work/project" && PATH="$work/bin:$PATH" TMPDIR="$work/tmp" perf stat --no-inherit -x, -e task-clock \
      -o "$work/perf" "$program" установить --обновить-блокировку > "$work/out")
  awk -F, '/task-clock/ { print $1 }' "$work/perf"
}

: > "$work/runs"
for ((r = 0; r < runs; r++)); do own_ms >> "$work/runs"; done
tail -1 "$work/out"
sort -n "$work/runs" | awk -v n="$count" -v runs="$runs" '{ v[NR] = $1 } END {
  m = v[int((NR + 1) / 2)]
  printf "%d packages: program itself %.1f ms (median of %d), %.3f ms per package\n", n, m, runs, m / n }'
