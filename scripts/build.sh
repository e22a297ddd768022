#!/usr/bin/env bash
# Builds a program the way the run command opens it (Release, warnings as errors), puts the
# bundled sample history beside it and prints the program's path last: scripts/build.sh vovuv
set -euo pipefail
prog="${1:-vovuv}"
case "$prog" in
  vovuv) data=6x45.txt ;;
  pentadraw) data=5x36.txt ;;
  *) echo "unknown program: $prog (vovuv, pentadraw)" >&2; exit 2 ;;
esac
root="$(cd "$(dirname "$0")/.." && pwd)"
bash "$root/scripts/deps.sh" >&2
build="$root/build"
# The build's chatter goes to stderr: stdout carries only the path.
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DWITH_TESTS=OFF >/dev/null
cmake --build "$build" --target "$prog" -j"$(nproc)" >&2
bin="$build/apps/$prog"
# A user's own history beside the program is never replaced.
[ -e "$bin/$data" ] || cp "$root/data/$data" "$bin/$data"
echo "$bin/$prog"
