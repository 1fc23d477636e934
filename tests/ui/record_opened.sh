#!/bin/sh
# Stands in for the browser and the mail program: Wine's launcher runs it as
# `record_opened.sh LOG ADDRESS`; it appends the address to LOG, a line each.
printf '%s\n' "$2" >> "$1"
