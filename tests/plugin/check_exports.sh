#!/usr/bin/env bash
# The plug-in DLL exports PlugInMain and nothing else, by name or by ordinal,
# under its plain name; in a 32-bit DLL it removes its 16 bytes of arguments
# itself (stdcall): its first return is "ret $0x10".
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
rva=$(sed -n 's/^[[:space:]]*\[ *0\] +base\[ *[0-9]*\] \([0-9a-fA-F]*\) Export RVA$/\1/p' <<<"$dump")
base=$(sed -n 's/^ImageBase[[:space:]]*\([0-9a-fA-F]*\)$/\1/p' <<<"$dump")
start=$((0x$base + 0x$rva))
first_ret=$("$objdump" -d --start-address=$start --stop-address=$((start + 4096)) "$dll" |
  sed -n 's/^ *[0-9a-f]*:[[:space:]]*\([0-9a-f]\{2\} \)*[[:space:]]*\(ret[^#]*\)$/\2/p' | head -n 1 | tr -s ' ')
case $("$objdump" -f "$dll") in *pei-i386*) want='ret $0x10' ;; *) want='ret' ;; esac
echo "PlugInMain at $(printf '%x' "$start"), its first return: ${first_ret:-none}"
[ "${first_ret% }" = "$want" ] || { echo "FAIL: expected PlugInMain to return with '$want'" >&2; exit 1; }
echo "OK"
