#!/usr/bin/env bash
# The help file holds the two topics that the Help buttons of the Quendle
# window open.
#   check_help_topics.sh <chmls> <VELLORA.CHM>
set -euo pipefail
chmls=$1 help=$2
listing=$("$chmls" -n list "$help")
status=0
for topic in HTML/UsingVellora/Work.htm HTML/Welcome/Introduction.htm; do
  if grep -qx "/$topic" <<<"$listing"; then echo "listed: $topic"; else echo "FAIL: $topic is not in $help" >&2; status=1; fi
done
exit $status
