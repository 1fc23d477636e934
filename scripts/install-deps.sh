#!/usr/bin/env bash
# Installs what building and testing Vellora needs on a Debian machine, as
# root; packages already present are left alone.
set -euo pipefail
packages=(cmake make g++ clang libclang-rt-14-dev googletest mingw-w64 wine wine64 fonts-wine xvfb xauth
  zlib1g-dev libz-mingw-w64-dev libstb-dev)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "== Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
