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

# What ships: the help compiler (fp-utils) and the installer builder (nsis).
# Should one fail to install, the build goes on and says what it skips.
optional=()
for p in fp-utils nsis; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || optional+=("$p")
done
if [ ${#optional[@]} -gt 0 ]; then
  export DEBIAN_FRONTEND=noninteractive
  [ ${#missing[@]} -gt 0 ] || apt-get update -qq || true
  for p in "${optional[@]}"; do
    echo "== Installing: $p"
    apt-get install -y -qq --no-install-recommends "$p" >/dev/null ||
      echo "== Could not install $p: the build skips what needs it (see its warnings)" >&2
  done
fi

# Wine's 32-bit support comes before any Wine prefix is made: a prefix made
# without it stops working once it is installed. Where the kernel runs no
# 32-bit programs nothing is installed and the 32-bit tests say so later.
if ! why=$(bash "$(dirname "$0")/wine32.sh"); then
  echo "== No 32-bit Wine: $why"
fi
