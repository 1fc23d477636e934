#!/usr/bin/env bash
# A build folder's Wine prefix follows the Wine installed: one made for other
# Wine packages (or marked in the old way) is made again and then starts,
# and one made for the Wine installed now is kept as it is.
#   check_wine_prefix.sh WINE_PREFIX_SCRIPT SCRATCH_FOLDER
set -uo pipefail
script=$1 scratch=$2
export VELLORA_WINEPREFIX="$scratch/wineprefix" WINEPREFIX="$scratch/wineprefix" WINEDEBUG=-all
failed_rows=()
fail() { echo "row $1: $2"; [[ " ${failed_rows[*]} " == *" $1 "* ]] || failed_rows+=("$1"); }

# row  mark file       mark content            kept
rows=(
  "1 .vellora-ready   ii wine32:i386=0.0-other no"
  "2 .vellora-ready-2 -                       no"
  "3 -                -                       kept"
)
for row in "${rows[@]}"; do
  read -r n mark content kept <<<"$row"
  if [ "$mark" != - ]; then
    wineserver -k 2>/dev/null; rm -rf "$scratch"; mkdir -p "$WINEPREFIX"
    echo "$content" >"$WINEPREFIX/$mark"
  fi
  touch "$WINEPREFIX/sentinel"
  bash "$script" >/dev/null 2>&1 || fail "$n" "the prefix script failed"
  if [ "$kept" = kept ]; then
    [ -f "$WINEPREFIX/sentinel" ] || fail "$n" "a prefix made for this Wine was made again"
  else
    [ ! -f "$WINEPREFIX/sentinel" ] || fail "$n" "a prefix made for another Wine was kept"
    grep -q '^wine-' "$WINEPREFIX/.vellora-ready" || fail "$n" "the new mark does not record the Wine installed"
    out=$(wine cmd /c echo started 2>&1 | tr -d '\r')
    [[ "$out" == *started* ]] || fail "$n" "Wine does not start in the new prefix: $out"
  fi
done
wineserver -k 2>/dev/null; rm -rf "$scratch"
echo "$((${#rows[@]} - ${#failed_rows[@]})) passed, ${#failed_rows[@]} failed"
[ ${#failed_rows[@]} -eq 0 ]
