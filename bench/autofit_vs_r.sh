#!/usr/bin/env bash
# Times KORA's Autofit search (bench/autofit_bench.cc: every ARMA(p, q) with
# p, q <= 5 by exact maximum likelihood, all cores) against R's
# forecast::auto.arima over the same 36 orders on the same series of 10^4
# values, and prints both times, their ratio, the chosen orders, -2 ln L and
# AICC. Both AICC come from -2 ln L by the same count (p + q + 1 parameters,
# the variance included), which is R's AICc. The series is mean-corrected, so
# R fits no mean either (allowmean = FALSE).
# Usage: bench/autofit_vs_r.sh [path/to/kora_bench]
# Build the benchmark with: cmake -DKORA_BENCH=ON -DCMAKE_BUILD_TYPE=Release ...
set -euo pipefail
bench=${1:-build-autofit-bench/bench/kora_bench}
if ! command -v Rscript > /dev/null || ! Rscript -e 'library(forecast)' > /dev/null 2>&1; then
  echo "R or its forecast package is not installed (apt-get install -y r-cran-forecast); nothing compared."
  exit 0
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
KORA_BENCH_EXPORT=$work "$bench" --benchmark_filter=BM_Autofit36 --benchmark_format=json > "$work/kora.json"
n=10000
Rscript --vanilla -e "
  suppressMessages(library(forecast))
  x <- scan('$work/autofit_$n.txt', quiet = TRUE)
  t <- system.time(fit <- auto.arima(x, d = 0, max.p = 5, max.q = 5, max.order = 10, seasonal = FALSE,
                                     stepwise = FALSE, approximation = FALSE, allowmean = FALSE))[['elapsed']]
  k <- length(coef(fit))
  m2 <- -2 * fit\$loglik
  cat($n, 1000 * t, arimaorder(fit)[1], arimaorder(fit)[3], m2, m2 + 2 * (k + 1) * $n / ($n - k - 2), fit\$aicc, '\n')
" > "$work/r.txt"
python3 - "$work/kora.json" "$work/r.txt" <<'PY'
import json, sys
b = json.load(open(sys.argv[1]))["benchmarks"][0]
n, r_ms, r_p, r_q, r_m2, r_aicc, r_own = (float(v) for v in open(sys.argv[2]).read().split())
k_ms = b["real_time"]
print(f"{'n':>6} {'KORA ms':>9} {'R ms':>9} {'R/KORA':>7} {'KORA':>7} {'R':>7} {'KORA -2lnL':>14} {'R -2lnL':>14}"
      f" {'KORA AICC':>14} {'R AICC':>14} {'R own AICc':>14}")
kora_order = f"({int(b['p'])},{int(b['q'])})"
r_order = f"({int(r_p)},{int(r_q)})"
print(f"{int(n):>6} {k_ms:>9.0f} {r_ms:>9.0f} {r_ms / k_ms:>7.1f} {kora_order:>7} {r_order:>7}"
      f" {b['m2loglik']:>14.4f} {r_m2:>14.4f} {b['aicc']:>14.4f} {r_aicc:>14.4f} {r_own:>14.4f}")
print(f"KORA usable candidates: {int(b['usable'])} of 36")
PY
