#!/usr/bin/env bash
# Installs the Debian packages the build (and, with "test", the tests) need, when missing.
set -euo pipefail
pkgs=(cmake g++ make qt6-base-dev libgl-dev fonts-liberation)
if [ "${1:-}" = "test" ]; then
  pkgs+=(libgtest-dev libgmock-dev libbenchmark-dev python3 dante-server microsocks nginx-light
        tinyproxy xvfb openbox xdotool)
fi
missing=()
for p in "${pkgs[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
# Services that come with the packages are not wanted running: the tests start their own. An
# administrator's own policy file is left exactly as it is; ours goes away however the install
# ends.
policy=/usr/sbin/policy-rc.d
if [ ! -e "$policy" ] && [ ! -L "$policy" ]; then
  trap '$sudo rm -f "$policy"' EXIT
  printf '#!/bin/sh\nexit 101\n' | $sudo tee "$policy" >/dev/null
  $sudo chmod +x "$policy"
fi
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
