#!/usr/bin/env bash
# Installs what building and testing KORA needs on Debian 12, as root.
# Packages already present are not fetched again.
set -euo pipefail
packages=(g++ cmake ninja-build pkg-config libgtest-dev libgmock-dev libbenchmark-dev nlohmann-json3-dev
          libboost-dev libfftw3-dev pybind11-dev python3-dev python3-numpy python3-pandas python3-dask
          python3-distributed)
if [ "${1:-}" = "--browser" ]; then
  packages+=(nodejs npm chromium)
fi
missing=()
for p in "${packages[@]}"; do
  dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
done
# Node.js may come from elsewhere than Debian's package; a working node and npm will do.
if command -v node >/dev/null && command -v npm >/dev/null; then
  missing=("${missing[@]/nodejs}")
  missing=("${missing[@]/npm}")
fi
missing=($(printf '%s\n' "${missing[@]}" | grep -v '^$' || true))
if [ ${#missing[@]} -gt 0 ]; then
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
