#!/usr/bin/env bash
# Compiles the help project into VELLORA.CHM. Any warning of the compiler (a
# listed file that is absent, a page linking to a file that is not there)
# fails the build, so a broken link never ships.
#   compile_help.sh <chmcmd> <help source folder> <work folder> <output file>
set -euo pipefail
chmcmd=$1 source=$2 work=$3 output=$4
rm -rf "$work"
mkdir -p "$work"
cp -r "$source/Vellora.hhp" "$source/Contents.hhc" "$source/HTML" "$work/"
if ! (cd "$work" && "$chmcmd" Vellora.hhp) >"$work/chmcmd.log" 2>&1 || grep -qi warning "$work/chmcmd.log"; then
  cat "$work/chmcmd.log" >&2
  echo "compile_help.sh: the help project did not compile cleanly" >&2
  exit 1
fi
mv "$work/VELLORA.CHM" "$output"
