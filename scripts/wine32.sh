#!/usr/bin/env bash
# Makes Wine able to run 32-bit Windows programs, where this machine can:
# Debian's wine32 (multiarch i386) is a 32-bit Linux program, so the kernel
# must run 32-bit programs at all. Exits 0 when 32-bit Windows programs can
# run; otherwise prints why not and exits 1, installing nothing (wine32 on a
# kernel without 32-bit support would take the plain `wine` command down
# with it).
set -euo pipefail

# A minimal 32-bit x86 Linux program that exits with status 0: an ELF header,
# one program header and mov eax,1 / xor ebx,ebx / int 0x80.
probe=$(mktemp)
trap 'rm -f "$probe"' EXIT
printf '\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00\x01\x00\x00\x00\x54\x80\x04\x08\x34\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x34\x00\x20\x00\x01\x00\x00\x00\x00\x00\x00\x00\x01\x00\x00\x00\x00\x00\x00\x00\x00\x80\x04\x08\x00\x80\x04\x08\x5d\x00\x00\x00\x5d\x00\x00\x00\x05\x00\x00\x00\x00\x10\x00\x00\xb8\x01\x00\x00\x00\x31\xdb\xcd\x80' >"$probe"
chmod +x "$probe"
if ! "$probe" 2>/dev/null; then
  echo "this machine's kernel cannot run 32-bit programs, so Wine cannot run 32-bit Windows programs here"
  exit 1
fi

if ! dpkg-query -W -f='${Status}' wine32:i386 2>/dev/null | grep -q "install ok installed"; then
  echo "== Installing: wine32:i386 (multiarch)" >&2
  export DEBIAN_FRONTEND=noninteractive
  dpkg --add-architecture i386
  if ! { apt-get update -qq && apt-get install -y -qq --no-install-recommends wine32:i386 >/dev/null; }; then
    echo "wine32:i386 could not be installed"
    exit 1
  fi
fi
exit 0
