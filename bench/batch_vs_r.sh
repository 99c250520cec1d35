#!/usr/bin/env bash
# Times `kora batch` (ARMA(1,1) by maximum likelihood with mean correction and
# 12 forecasts with bounds, every core), the same through Dask on a local
# cluster of 2 workers, and R's forecast::Arima with forecast() in a loop over
# the same series; prints series per second, peak memory and the ratios, then
# kora batch's peak memory at 1/4, 1/2 and all of the series (flat when
# streamed).
# Usage: bench/batch_vs_r.sh [SERIES] [BUILD]   (defaults 10000, build-batch-rel)
# Build: cmake -S . -B build-batch-rel -G Ninja -DCMAKE_BUILD_TYPE=Release -DKORA_TESTS=OFF -DKORA_PYTHON=ON
#        cmake --build build-batch-rel --target kora _kora
set -euo pipefail
count=${1:-10000}
build=${2:-build-batch-rel}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
echo '{"model": "arma", "p": 1, "q": 1, "mean_correction": true, "horizon": 12}' > "$work/recipe.json"
python3 - "$work" "$count" <<'PY'
import random, sys
work, count = sys.argv[1], int(sys.argv[2])
rng = random.Random(1)
for size in sorted({count // 4, count // 2, count}):
    with open(f"{work}/in_{size}.csv", "w") as out:
        rng.seed(1)
        for s in range(size):
            x = shock = 0.0
            for t in range(1, 201):
                e = rng.gauss(0, 1)
                x, shock = 0.6 * x + e + 0.3 * shock, e
                out.write(f"s{s:06d},{t},{x + 10:.6f}\n")
PY
input="$work/in_$count.csv"
# Prints elapsed seconds and peak resident kilobytes (of the largest process).
timed() { /usr/bin/time -f "%e %M" -o "$work/time" "$@" > /dev/null 2>&1; cat "$work/time"; }
read -r kora_s kora_kb < <(timed "$build/kora" batch "$work/recipe.json" "$input" "$work/kora.csv")
read -r dask_s dask_kb < <(PYTHONPATH="$build/python" timed /usr/bin/python3 -m kora.dask --workers 2 \
  "$work/recipe.json" "$input" "$work/dask.csv")
cmp -s "$work/kora.csv" "$work/dask.csv" && same=identical || same=DIFFERENT
read -r r_s r_kb < <(timed Rscript --vanilla -e "
  suppressMessages(library(forecast))
  d <- read.csv('$input', header = FALSE, col.names = c('id', 't', 'x'))
  for (s in split(d\$x, d\$id)) {
    fit <- Arima(s, order = c(1, 0, 1), include.mean = TRUE, method = 'ML')
    f <- forecast(fit, h = 12, level = 95)
  }")
python3 - "$count" "$kora_s" "$kora_kb" "$dask_s" "$dask_kb" "$r_s" "$r_kb" "$same" <<'PY'
import sys
n = int(sys.argv[1]); ks, kk, ds, dk, rs, rk = map(float, sys.argv[2:8])
print(f"{n} series of 200 values, ARMA(1,1) ML + 12 forecasts")
for name, s, kb in (("kora batch", ks, kk), ("kora.dask (2 workers)", ds, dk), ("R forecast::Arima", rs, rk)):
    print(f"  {name:<22} {s:9.2f} s {n / s:10.1f} series/s  peak {kb / 1024:7.1f} MB")
print(f"  R / kora batch: {rs / ks:.1f}x   dask / kora batch: {ds / ks:.2f}x   dask output {sys.argv[8]}")
PY
for size in $(ls "$work" | sed -n 's/^in_\([0-9]*\)\.csv$/\1/p' | sort -n); do
  rm -f "$work/m.csv"
  read -r s kb < <(timed "$build/kora" batch "$work/recipe.json" "$work/in_$size.csv" "$work/m.csv")
  echo "  kora batch, $size series: peak $(( kb / 1024 )) MB"
done
