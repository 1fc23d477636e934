#!/usr/bin/env bash
# Checks that every #include points down the project's layers:
#
#   plugin/                      wires everything
#   ui/  controls/               the window and its controls
#   docstate/  projects/         view states and projects (docstate/ may use projects/)
#   host/                        the host interface; no feature
#
# and that the stand-in host's rooms point one way, each using only the host
# interface and the rooms below it:
#
#   standin/                     the program's main
#   standin/story/               a user's story told, the conversation printed
#   standin/reader/              the reader's windows, the reader as a process
#   standin/interface/           the host interface served to a plug-in
#   standin/pdf/                 PDF files: pure, nothing of the stand-in
#
# A rule names a folder and what its files may include besides the folder
# itself; the longest folder that holds a file gives its rule. "pure" also
# forbids <windows.h>. tests/ and bench/ may include anything. Exits non-zero
# and names each include that points up or sideways.
#   check-layers.sh [PROJECT_ROOT]
set -uo pipefail
root=${1:-$(cd "$(dirname "$0")/.." && pwd)}
cd "$root" || exit 2

# folder     may include
rules="
plugin       ui controls docstate projects host res
ui           controls docstate projects host res
controls     docstate projects host res
docstate     projects host
projects     host
host         -
res          -
standin            standin/story standin/reader standin/interface standin/pdf host
standin/story      standin/reader standin/interface standin/pdf host
standin/reader     standin/interface standin/pdf host
standin/interface  standin/pdf host
standin/pdf        pure
"

# The longest rule folder that holds a path (a file, or what an include names).
rule_folder() {
  local path=$1 best= line folder
  while read -r line; do
    [ -n "$line" ] || continue
    folder=${line%% *}
    if [[ "$path" == "$folder"/* ]] && [ ${#folder} -gt ${#best} ]; then best=$folder; fi
  done <<<"$rules"
  printf '%s' "$best"
}

bad=0 checked=0
while IFS= read -r file; do
  own=$(rule_folder "$file")
  [ -n "$own" ] || continue
  read -r _ allowed < <(grep -m1 "^$own " <<<"$rules")
  checked=$((checked + 1))
  while IFS=: read -r lineno text; do
    if [[ "$text" =~ \#include[[:space:]]*\"([^\"]+)\" ]]; then
      target=$(rule_folder "${BASH_REMATCH[1]}")
      [ -z "$target" ] || [ "$target" = "$own" ] && continue
      if [[ " $allowed " != *" $target "* ]]; then
        echo "$file:$lineno: $own/ may not include ${BASH_REMATCH[1]} ($target/ is not below it)"
        bad=$((bad + 1))
      fi
    elif [[ " $allowed " == *" pure "* && "$text" =~ \#include[[:space:]]*\<windows\.h\> ]]; then
      echo "$file:$lineno: $own/ builds without Windows and may not include <windows.h>"
      bad=$((bad + 1))
    fi
  done < <(grep -n '^[[:space:]]*#[[:space:]]*include' "$file")
done < <(find . -path ./build -prune -o -type f \( -name '*.c' -o -name '*.cpp' -o -name '*.h' \) -print | sed 's|^\./||' | sort)

echo "layers: $checked files checked, $bad includes against the layers"
[ "$bad" -eq 0 ]
