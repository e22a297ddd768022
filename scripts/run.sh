#!/usr/bin/env bash
# Builds a program and opens it on the bundled sample history: scripts/run.sh vovuv|pentadraw
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
bin="$(bash "$root/scripts/build.sh" "$@" | tail -n 1)"
exec "$bin"
