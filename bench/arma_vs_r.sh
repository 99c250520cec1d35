#!/usr/bin/env bash
# Times KORA's maximum likelihood fit of an ARMA(2,1) (bench/arma_ml_bench.cc)
# against R's arima(method = "ML") on the same simulated series from the same
# Hannan-Rissanen start, and prints both times, their ratio and both -2 ln L
# (exact pi, converged recursion for KORA; R's own -2 loglik).
# Usage: bench/arma_vs_r.sh [path/to/kora_bench]
# Build the benchmark with: cmake -DKORA_BENCH=ON -DCMAKE_BUILD_TYPE=Release ...
set -euo pipefail
bench=${1:-build-arma-bench/bench/kora_bench}
if ! command -v Rscript > /dev/null; then
  echo "R is not installed (apt-get install -y r-base-core); nothing compared."
  exit 0
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
KORA_BENCH_EXPORT=$work "$bench" --benchmark_filter=BM_MlFitArma21 --benchmark_format=json \
  > "$work/kora.json"
for n in 1000 10000 100000; do
  reps=$(( n >= 100000 ? 1 : (n >= 10000 ? 3 : 10) ))
  Rscript --vanilla -e "
    x <- scan('$work/arma21_$n.txt', quiet = TRUE)
    init <- scan('$work/arma21_${n}_start.txt', quiet = TRUE)
    t <- system.time(for (i in 1:$reps) fit <- arima(x, order = c(2, 0, 1), include.mean = FALSE,
                                                    method = 'ML', init = init))[['elapsed']] / $reps
    cat($n, 1000 * t, -2 * fit\$loglik, coef(fit), '\n')" >> "$work/r.txt"
done
python3 - "$work/kora.json" "$work/r.txt" <<'PY'
import json, sys
kora = {int(b["name"].split("/")[1]): b for b in json.load(open(sys.argv[1]))["benchmarks"]}
print(f"{'n':>7} {'KORA ms':>10} {'R ms':>10} {'R/KORA':>8} {'KORA -2lnL':>16} {'R -2lnL':>16}  KORA coef / R coef")
for line in open(sys.argv[2]):
    n, r_ms, r_m2, *r_coef = line.split()
    n = int(float(n)); r_ms = float(r_ms); r_m2 = float(r_m2)
    b = kora[n]
    k_ms = b["real_time"]
    k_coef = [b["phi1"], b["phi2"], b["theta1"]]
    print(f"{n:>7} {k_ms:>10.2f} {r_ms:>10.2f} {r_ms / k_ms:>8.1f} {b['m2loglik']:>16.4f} {r_m2:>16.4f}  "
          + " ".join(f"{c:.5f}" for c in k_coef) + " / " + " ".join(f"{float(c):.5f}" for c in r_coef))
PY
