#!/usr/bin/env bash
# The plug-in DLL exports PlugInMain and nothing else, by name or by ordinal.
#   check_exports.sh <objdump> <dll>
set -euo pipefail
objdump=$1 dll=$2
dump=$("$objdump" -p "$dll")
# The count stands under "Number in:"; the table's address, under "Table
# Addresses", has the same label (and, in a 32-bit file, as many digits).
addresses=$(sed -n '/^Number in:/,/^Table Addresses/s/^[[:space:]]*Export Address Table[[:space:]]*\([0-9a-fA-F]\{8\}\)$/\1/p' <<<"$dump")
names=$(sed -n '/^\[Ordinal\/Name Pointer\] Table/,/^$/s/^[[:space:]]*\[ *[0-9]*\] \(.*\)$/\1/p' <<<"$dump")
echo "export address table entries: ${addresses:-none}"
echo "exported names: ${names:-none}"
[ "$addresses" = "00000001" ] || { echo "FAIL: expected exactly one export" >&2; exit 1; }
[ "$names" = "PlugInMain" ] || { echo "FAIL: expected the one export to be PlugInMain" >&2; exit 1; }
echo "OK"
