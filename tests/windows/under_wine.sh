# The emulator of the Windows build: sh under_wine.sh WINE PROGRAM [ARGUMENTS...]. Runs the
# program under Wine with Wine's own errors shown (its children get none: they would mix into
# output the tests compare), and when it fails says with which exit code and whether the tests'
# main had started (tests/windows/test_main.cpp leaves a mark).
set -u
marks=$(mktemp -d "${TMPDIR:-/tmp}/tuvra_wine.XXXXXX") || exit 125
trap 'rm -rf "$marks"' EXIT
trap 'exit 143' TERM INT
TUVRA_MAIN_MARK="Z:$marks/main" TUVRA_CHILD_WINEDEBUG="${WINEDEBUG:--all}" WINEDEBUG=-all,err+all,err-winediag,err-systray "$@"
status=$?
if [ "$status" -ne 0 ]; then
  if [ -e "$marks/main" ]; then ran="the tests' main had started"; else ran="the tests' main left no mark"; fi
  echo "under Wine: $2 ended with exit code $status; $ran" >&2
fi
exit "$status"
