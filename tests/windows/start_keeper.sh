# Starts the keeper (the emulator command, then the keeper program) in the background with its
# streams on /dev/null, and waits until it runs. It lives an hour at most if the tests' cleanup
# never stops it.
set -eu
rm -f keeper.running
"$@" keeper.running 3600 </dev/null >/dev/null 2>&1 &
for _ in $(seq 1200); do
  [ -f keeper.running ] && exit 0
  sleep 0.1
done
echo "the Wine keeper did not start" >&2
exit 1
