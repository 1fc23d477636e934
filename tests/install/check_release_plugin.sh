#!/usr/bin/env bash
# The plug-in that the installer ships carries no debug information and still
# exports PlugInMain alone.
#   check_release_plugin.sh <objdump> <release Vellora.api> <check_exports.sh>
set -euo pipefail
objdump=$1 dll=$2 check_exports=$3
if "$objdump" -h "$dll" | grep -q '\.debug_'; then
  echo "FAIL: $dll has debug sections" >&2
  exit 1
fi
echo "no debug sections in $dll"
bash "$check_exports" "$objdump" "$dll"
