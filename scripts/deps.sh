#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the program need, when
# any is missing. Sourced by run.sh and test.sh.
set -euo pipefail
pkgs=(cmake ninja-build g++ qt6-base-dev qt6-base-dev-tools libgl-dev
      fonts-wqy-microhei xvfb xauth libxcb1-dev clang libclang-rt-14-dev lld libbenchmark-dev)
missing=()
for p in "${pkgs[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "installing: ${missing[*]}"
  SUDO=""; [ "$(id -u)" -ne 0 ] && SUDO=sudo
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
