#!/usr/bin/env bash
# Every man page renders without a warning from groff and man, and holds the sections a
# user looks for.
#   man-test.sh PAGE...
set -euo pipefail
failures=0
for page in "$@"; do
  warnings=$(groff -man -ww -z -Tutf8 "$page" 2>&1)
  rendered=$(MANWIDTH=80 man -l "$page" 2>&1)
  if [ -n "$warnings" ]; then
    echo "$page: $warnings"
    failures=$((failures + 1))
  fi
  for section in NAME SYNOPSIS DESCRIPTION OPTIONS "EXIT STATUS" EXAMPLES; do
    if ! grep -q "^$section\$" <<<"$rendered"; then
      echo "$page: no section $section"
      failures=$((failures + 1))
    fi
  done
done
[ "$failures" -eq 0 ]
