#!/usr/bin/env bash
# Builds with AddressSanitizer and UBSan and runs every test: unit tests,
# scripted scenarios, reader fuzzing and (when the web front end exists) the
# browser journeys.
set -euo pipefail
cd "$(dirname "$0")/.."
if [ -f web/package.json ]; then scripts/setup.sh --browser; else scripts/setup.sh; fi
cmake -S . -B build-test -G Ninja -DCMAKE_BUILD_TYPE=Debug -DKORA_SANITIZE=ON -DKORA_PYTHON=ON >/dev/null
cmake --build build-test -j2
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
ctest --test-dir build-test --output-on-failure -j2
if [ -f web/package.json ]; then
  (cd web && npm ci --no-audit --no-fund && npm run build && npm test)
fi
