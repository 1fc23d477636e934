#!/usr/bin/env bash
# Runs a Windows test program as a user whom the system folder refuses, as
# Windows refuses a reader run without elevation. Run as root (CTest does):
#
#   run-as-user.sh PROGRAM DLL BUILD_FOLDER [SYSTEM_FILE] [-- PROGRAM ARGUMENTS]
#
# - The Linux user vellora-user (made when missing) runs Wine in a prefix of
#   its own, one per build folder, in its home; the prefix's
#   drive_c/windows/system32 and syswow64 (the 32-bit view) belong to root,
#   mode 755, so CreateFileA there fails with ERROR_ACCESS_DENIED.
# - The program and the plug-in DLL are copied to a folder of the user (the
#   build folder may lie where the user cannot go, under /root);
#   VELLORA_PLUGIN_DLL names the copy. Screenshots go to a folder of the user
#   (VELLORA_SCREENSHOTS) and are copied back to BUILD_FOLDER/screenshots.
# - TMPDIR is a folder of the user (Wine's server keeps its socket there);
#   the program gets a virtual display of its own (root's X authority is not
#   readable to the user).
# - First the test suites whose names do not start with "SystemFile" run,
#   with no Vellora.ini in the system folder; then, when SYSTEM_FILE is given,
#   root puts it there as Vellora.ini (the user may read it, not change it)
#   and the "SystemFile" suites run.
set -euo pipefail
program=$(realpath "$1") dll=$(realpath "$2") build=$(realpath "$3")
shift 3
system_file=
if [ $# -gt 0 ] && [ "$1" != "--" ]; then system_file=$(realpath "$1"); shift; fi
[ "${1:-}" = "--" ] && shift
here=$(cd "$(dirname "$0")" && pwd)
user=vellora-user

id "$user" >/dev/null 2>&1 || useradd --create-home --shell /bin/bash "$user"
home=$(getent passwd "$user" | cut -d: -f6)
key="$(basename "$build")-$(printf %s "$build" | md5sum | cut -c1-8)"
work="$home/$key"
prefix="$work/wineprefix"
as_user() {
  runuser -u "$user" -- env -i PATH=/usr/local/bin:/usr/bin:/bin HOME="$home" USER="$user" LANG=C.UTF-8 \
    TMPDIR="$work/tmp" WINEPREFIX="$prefix" VELLORA_WINEPREFIX="$prefix" WINEDEBUG=-all \
    WINEDLLOVERRIDES="mscoree,mshtml=" VELLORA_PLUGIN_DLL="$work/$(basename "$dll")" \
    VELLORA_SCREENSHOTS="$work/screenshots" "$@"
}

runuser -u "$user" -- mkdir -p "$work/tmp" "$work/screenshots"
cd "$work"
rm -f "$work/screenshots/"*.png
install -o "$user" -m 755 "$program" "$dll" "$here/wine-prefix.sh" "$work/"
# The system folders go back to the user while the prefix is checked, so that
# a prefix made for another Wine installation can be removed and made again.
for folder in system32 syswow64; do
  if [ -d "$prefix/drive_c/windows/$folder" ]; then chown "$user" "$prefix/drive_c/windows/$folder"; fi
done
as_user bash "$work/wine-prefix.sh"
for folder in system32 syswow64; do
  dir="$prefix/drive_c/windows/$folder"
  [ -d "$dir" ] || continue
  chown root:root "$dir"
  chmod 755 "$dir"
  rm -f "$dir/Vellora.ini"
done

# Each run ends Wine's server before its display goes.
run() {
  as_user xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '"$@"; status=$?; wineserver -k; exit $status' run \
    wine "$work/$(basename "$program")" --gtest_brief=1 "$@"
}
status=0
run --gtest_filter="-SystemFile*" "$@" || status=1
if [ -n "$system_file" ]; then
  for folder in system32 syswow64; do
    dir="$prefix/drive_c/windows/$folder"
    [ -d "$dir" ] && install -o root -g root -m 644 "$system_file" "$dir/Vellora.ini"
  done
  run --gtest_filter="SystemFile*" "$@" || status=1
fi

mkdir -p "$build/screenshots"
cp "$work/screenshots/"*.png "$build/screenshots/" 2>/dev/null || true
exit $status
