#!/usr/bin/env bash
# Installs a generated tree of 50 local packages (depth 4, caret requirements, shared
# dependencies) and sets the program's own wall time beside the time spent in git children.
#   bench/packages/run.sh [path/to/тувра_пакеты]
set -euo pipefail

program=$(realpath "${1:-$(dirname "$0")/../../build/тувра_пакеты}")
real_git=$(command -v git)
work=$(mktemp -d /tmp/tuvra_bench_XXXXXX)
# TUVRA_BENCH_KEEP=1 keeps the generated repositories and project for a closer look.
if [ -z "${TUVRA_BENCH_KEEP:-}" ]; then trap 'rm -rf "$work"' EXIT; else echo "work folder: $work"; fi

export GIT_CONFIG_GLOBAL=/dev/null GIT_CONFIG_NOSYSTEM=1
export GIT_AUTHOR_NAME=bench GIT_AUTHOR_EMAIL=bench@example.com
export GIT_COMMITTER_NAME=bench GIT_COMMITTER_EMAIL=bench@example.com

# Levels of the tree: 3, 9, 18 and 20 packages; each one asks for up to three of the next
# level, so most packages below the first level are shared by several requesters.
levels=(0 3 12 30 50)
name() { printf 'p%02d' "$1"; }

dependencies_of() {
  local i=$1 level=$2
  [ "$level" -ge 4 ] && return 0
  local from=${levels[$level]} to=${levels[$((level + 1))]}
  local width=$((to - from))
  local k
  for k in 0 1 2; do
    echo $((from + (i * 3 + k * 7) % width))
  done | sort -un
}

for level in 1 2 3 4; do
  for ((i = levels[level - 1]; i < levels[level]; i++)); do
    repo="$work/repos/$(name "$i")"
    mkdir -p "$repo"
    git -C "$repo" init -q -b main
    : > "$repo/тувра.зависимости"
    for dep in $(dependencies_of "$i" "$level"); do
      caret=$([ $((i % 2)) -eq 0 ] && echo "^1.0.0" || echo "^1.1.0")
      echo "$(name "$dep") = git $work/repos/$(name "$dep") версия=$caret" >> "$repo/тувра.зависимости"
    done
    for version in 1.0.0 1.1.0 1.2.0; do
      echo "// $(name "$i") $version" > "$repo/$(name "$i").код"
      echo "// помощник" > "$repo/помощник.код"
      git -C "$repo" add -A
      git -C "$repo" commit -q -m "$version"
      git -C "$repo" tag "$version"
    done
  done
done

mkdir -p "$work/project" "$work/bin" "$work/tmp"
for ((i = 0; i < levels[1]; i++)); do
  echo "$(name "$i") = git $work/repos/$(name "$i") версия=^1.0.0" >> "$work/project/тувра.зависимости"
done

# A git that adds its own wall time (microseconds) to a log, then runs the real one.
cat > "$work/bin/git" <<WRAPPER
#!/usr/bin/env bash
start=\$EPOCHREALTIME
"$real_git" "\$@"
status=\$?
end=\$EPOCHREALTIME
echo "\$1 \$(( \${end/./} - \${start/./} ))" >> "$work/git_times"
exit \$status
WRAPPER
chmod +x "$work/bin/git"

seconds() { awk -v us="$1" 'BEGIN { printf "%.3f", us / 1000000 }'; }

# Two runs of the same command: one through the wrapper for the time spent in git, one under
# `perf stat` for the program's own CPU time (no children: --no-inherit) and the run's wall time.
run() {
  : > "$work/git_times"
  (cd "$work/project" && PATH="$work/bin:$PATH" TMPDIR="$work/tmp" "$program" "$@" > /dev/null)
  local git_us calls
  git_us=$(awk '{ s += $2 } END { print s + 0 }' "$work/git_times")
  calls=$(wc -l < "$work/git_times")
  (cd "$work/project" && TMPDIR="$work/tmp" perf stat --no-inherit -x, -e task-clock -o "$work/perf" \
      "$program" "$@" > /dev/null)
  local own_ms
  own_ms=$(awk -F, '/task-clock/ { print $1 }' "$work/perf")
  local start end
  start=$EPOCHREALTIME
  (cd "$work/project" && TMPDIR="$work/tmp" "$program" "$@" > /dev/null)
  end=$EPOCHREALTIME
  local wall_us=$(( ${end/./} - ${start/./} ))
  awk -v label="$*" -v calls="$calls" -v wall="$wall_us" -v git="$git_us" -v own="$own_ms" 'BEGIN {
    printf "%-34s git calls %3d  run %6.2f s  in git %6.2f s  program itself %5.3f s (%4.1f%% of the run)\n",
      label, calls, wall / 1e6, git / 1e6, own / 1e3, 100 * own * 1e3 / wall }'
}

if ! command -v perf > /dev/null; then
  echo "perf is needed for the program's own CPU time (apt-get install linux-perf)" >&2
  exit 1
fi

# The program prints its progress on stdout; keep the last run's summary.
( cd "$work/project" && TMPDIR="$work/tmp" "$program" установить > "$work/first_out" )
tail -1 "$work/first_out"
echo "installed: $(find "$work/project/пакеты" -mindepth 1 -maxdepth 1 -type d | wc -l) packages"
rm -f "$work/project/тувра.блокировка"
run установить --обновить-блокировку
run установить
