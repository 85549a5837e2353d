#!/usr/bin/env bash
# Formats the code as .clang-format says ("fix"), or fails unless it is so formatted ("check").
# Each major version of clang-format lays out some code differently, so one version decides:
# Debian 12's. Where it is missing, "check" is skipped, saying why, and "fix" refuses, so that
# the tree is never reformatted to another version's taste.
# Usage: format.sh check|fix FILE...
set -euo pipefail
version=14

formatter=
other=
for candidate in "clang-format-$version" clang-format; do
  command -v "$candidate" >/dev/null || continue
  found=$("$candidate" --version | sed -n 's/.*clang-format version \([0-9]*\).*/\1/p')
  if [ "$found" = "$version" ]; then
    formatter=$candidate
    break
  fi
  other="clang-format $found"
done
if [ -z "$formatter" ]; then
  have="this system has ${other:-no clang-format}"
  if [ "$1" = check ]; then
    echo "Format check skipped: it needs clang-format $version (Debian 12's), and $have."
    exit 0
  fi
  echo "make format needs clang-format $version (Debian 12's), the one version whose layout make test checks;" \
    "$have." >&2
  exit 1
fi

case $1 in
  fix) "$formatter" -i "${@:2}" ;;
  check) "$formatter" --dry-run --Werror "${@:2}" || { echo "Some code is not formatted: run make format." >&2; exit 1; } ;;
esac
