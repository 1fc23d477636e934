#!/usr/bin/env bash
# The main job as a user lives it: the stand-in reader loads the real plug-in
# DLL under Wine. First a printed story: the loading conversation, then a
# session that opens three PDFs and quits, and a second session in which the
# plug-in reopens them as they were; a third in which the reader program is
# worked in, killed from outside without a quit, and started again, its
# documents printed before and after. Then the reader's window:
#  - with a display, the reader opens for you (File > Open to open PDFs,
#    File > Quit to quit; start the demo again to see them come back);
#  - without one, it runs on a virtual display, restores the story's three
#    documents, prints what its windows show, and quits.
# Either way a picture of the reader window is written to build/win64/reader.png.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bash "$root/scripts/install-deps.sh"
bash "$root/scripts/build.sh" win64 Vellora standin_host >/dev/null
build="$root/build/win64"
export VELLORA_WINEPREFIX="$build/wineprefix"
"$root/cmake/wine-prefix.sh"
reader="$build/standin/standin_host.exe"
plugin="$build/plugin/Vellora.api"
picture="$build/reader.png"
state="$build/reader-state.txt"
run=("$root/cmake/wine-run.sh" "$reader")

if [ -n "${DISPLAY:-}" ]; then
  "${run[@]}" --demo "$plugin"
  echo
  echo "==== The reader's window (quit it with File > Quit) ===="
  "${run[@]}" --reader "$plugin" --screenshot "$picture"
else
  # One virtual display for both programs: Wine keeps its desktop on the
  # display where it started.
  xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
    set -e
    "$1" "$2" --demo "$3"
    echo
    echo "==== The reader window on a virtual display: the plug-in reopens the documents ===="
    "$1" "$2" --reader "$3" --screenshot "$4" --state-file "$5" --quit' _ "${run[@]}" "$plugin" "$picture" "$state"
  echo "What its document windows show:"
  sed 's/^/  /' "$state"
  grep -q '^Documents open: 3$' "$state" || { echo "The reader did not reopen the story's three documents." >&2; exit 1; }
fi
echo
echo "A picture of the reader window: $picture"
