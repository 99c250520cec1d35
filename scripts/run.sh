#!/usr/bin/env bash
# Builds the Release program and starts the workbench.
set -euo pipefail
cd "$(dirname "$0")/.."
if [ -f web/package.json ]; then scripts/setup.sh --browser; else scripts/setup.sh; fi
cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release -DKORA_TESTS=OFF >/dev/null
cmake --build build-release --target kora
if [ -f web/package.json ]; then
  (cd web && npm ci --no-audit --no-fund && npm run build)
fi
exec build-release/kora "$@"
