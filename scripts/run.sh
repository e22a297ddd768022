#!/usr/bin/env bash
# Builds a program and opens it on the bundled sample history: scripts/run.sh vovuv|pentadraw
set -euo pipefail
prog="${1:-vovuv}"
case "$prog" in
  vovuv) data=6x45.txt ;;
  pentadraw) data=5x36.txt ;;
  *) echo "unknown program: $prog (vovuv, pentadraw)" >&2; exit 2 ;;
esac
root="$(cd "$(dirname "$0")/.." && pwd)"
bash "$root/scripts/deps.sh"
cmake -S "$root" -B "$root/build" -DCMAKE_BUILD_TYPE=Release -DWITH_TESTS=OFF >/dev/null
cmake --build "$root/build" --target "$prog" -j"$(nproc)"
bin="$root/build/apps/$prog"
# A user's own history beside the program is never replaced.
[ -e "$bin/$data" ] || cp "$root/data/$data" "$bin/$data"
exec "$bin/$prog"
