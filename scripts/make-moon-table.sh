#!/bin/bash
# Writes the reference table of the moon's principal phases, 2000-2030, that
# the moon-phase test compares with: one line "YYYY-MM-DD HH:MM PHASE" in UTC
# (0 new, 1 first quarter, 2 full, 3 last quarter), as remind (Debian package
# "remind") computes them. Run once; the table is committed and the tests do
# not need remind.
#   bash scripts/make-moon-table.sh > tests/core/calendar/data/moonphases-remind.txt
set -euo pipefail
script=$(mktemp)
trap 'rm -f "$script"' EXIT
# A phase recurs every 29.5 days, so asking for the next of each phase from
# every seventh day finds them all; duplicates are dropped by sort -u.
day=$(date -u -d 1999-12-25 +%s)
last=$(date -u -d 2030-12-31 +%s)
while [ "$day" -le "$last" ]; do
    d=$(date -u -d "@$day" +%Y,%m,%d)
    for p in 0 1 2 3; do
        echo "MSG [moondate($p, date($d))] [moontime($p, date($d))] $p%"
    done
    day=$((day + 7 * 86400))
done > "$script"
TZ=UTC remind -q "$script" 2000-01-01 | grep -E '^[0-9]{4}-' | sed 's/ *$//' | sort -u |
    awk '$1 >= "2000-01-01" && $1 <= "2030-12-31"'
