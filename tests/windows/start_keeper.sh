# Starts the keeper (the emulator command, then the keeper program) in the background with its
# streams away from CTest's pipes, and waits until it runs. It lives an hour at most if the tests'
# cleanup never stops it. A keeper that ends first is reported with its exit code and Wine's words.
set -eu
rm -f keeper.running keeper.errors
"$@" keeper.running 3600 </dev/null >/dev/null 2>keeper.errors &
keeper=$!
for _ in $(seq 1100); do
  [ -f keeper.running ] && exit 0
  if ! kill -0 "$keeper" 2>/dev/null; then
    status=0
    wait "$keeper" || status=$?
    [ -f keeper.running ] && exit 0
    echo "the Wine keeper ended before it ran, with exit code $status:" >&2
    cat keeper.errors >&2
    exit 1
  fi
  sleep 0.1
done
echo "the Wine keeper did not start" >&2
cat keeper.errors >&2
exit 1
