#!/usr/bin/env bash
# Builds the web edition (the preset "web", into build/web/) and installs the browser driver
# at the version that package-lock.json pins, unless it is installed already.
set -euo pipefail
source_dir=$(cd "$(dirname "$0")/../.." && pwd)
cd "$source_dir"
cmake --preset web >/dev/null
cmake --build --preset web
cd tests/web
if ! cmp -s package-lock.json node_modules/.installed-lock; then
  npm ci --no-audit --no-fund --loglevel=error
  cp package-lock.json node_modules/.installed-lock
fi
