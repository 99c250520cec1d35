#include "stats/randomness.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "report/number_format.h"
#include "report/report.h"
#include "stats/sample_stats.h"

namespace kora {

namespace {

constexpr int kMaxAiccOrder = 26;
constexpr int kDigits = 5;

// n(n+2) sum_{k=1}^{h} r(k)^2 / (n-k); lags at or beyond n add nothing.
double Portmanteau(const std::vector<double>& r, int n, int h) {
  double sum = 0.0;
  for (int k = 1; k <= h && k < n && k < static_cast<int>(r.size()); ++k) sum += r[k] * r[k] / (n - k);
  return static_cast<double>(n) * (n + 2) * sum;
}

// Autocorrelations of the squared residuals about their mean square.
std::vector<double> SquaredAutocorrelations(const std::vector<double>& e, int h) {
  const int n = static_cast<int>(e.size());
  double s2 = 0.0;
  for (double v : e) s2 += v * v;
  s2 /= n;
  std::vector<double> c(h + 1, 0.0), r(h + 1, 0.0);
  for (int k = 0; k <= h && k < n; ++k)
    for (int t = 0; t + k < n; ++t) c[k] += (e[t] * e[t] - s2) * (e[t + k] * e[t + k] - s2);
  if (c[0] > 0)
    for (int k = 0; k <= h; ++k) r[k] = c[k] / c[0];
  return r;
}

}  // namespace

std::int64_t RankPairs(const std::vector<double>& e) {
  // Fenwick tree over the ranks of the values: for each j, count the earlier
  // values strictly below e(j).
  std::vector<double> sorted(e);
  std::sort(sorted.begin(), sorted.end());
  sorted.erase(std::unique(sorted.begin(), sorted.end()), sorted.end());
  std::vector<std::int64_t> tree(sorted.size() + 1, 0);
  std::int64_t pairs = 0;
  for (double v : e) {
    const int rank = static_cast<int>(std::lower_bound(sorted.begin(), sorted.end(), v) - sorted.begin());
    for (int i = rank; i > 0; i -= i & -i) pairs += tree[i];  // values with rank < this one
    for (int i = rank + 1; i < static_cast<int>(tree.size()); i += i & -i) ++tree[i];
  }
  return pairs;
}

int MinAiccYuleWalkerOrder(const std::vector<double>& e, const std::vector<double>& rho, int h) {
  const int n = static_cast<int>(e.size());
  double sigma2 = 0.0;
  for (double v : e) sigma2 += v * v;
  sigma2 /= std::max(n, 1);
  if (n < 3 || !(sigma2 > 0)) return 0;
  const int maxOrder = std::min({h, kMaxAiccOrder, n - 3, static_cast<int>(rho.size()) - 1});
  double best = n * (std::log(sigma2) + 1) + 2.0 * n / (n - 2);
  int bestOrder = 0;
  // phi[k][j] = phi(k, j) of the Durbin-Levinson recursion; v[k] the variances.
  std::vector<std::vector<double>> phi(maxOrder + 1, std::vector<double>(maxOrder + 1, 0.0));
  std::vector<double> v(maxOrder + 1, sigma2);
  for (int p = 1; p <= maxOrder; ++p) {
    double numerator = rho[p], denominator = 1.0;
    for (int j = 1; j < p; ++j) {
      numerator -= phi[p - 1][j] * rho[p - j];
      denominator -= phi[p - 1][j] * rho[j];
    }
    if (!(denominator > 0)) break;
    phi[p][p] = numerator / denominator;
    for (int j = 1; j < p; ++j) phi[p][j] = phi[p - 1][j] - phi[p][p] * phi[p - 1][p - j];
    double explained = 0.0;
    for (int j = 1; j <= p; ++j) explained += phi[p][j] * rho[j];
    v[p] = sigma2 * (1.0 - explained);
    if (!(v[p] > 0)) break;
    double d = 0.0;
    for (int t = 0; t < n; ++t) {
      const int k = std::min(t, p);
      double error = e[t];
      for (int j = 1; j <= k; ++j) error -= phi[k][j] * e[t - j];
      d += std::log(v[k]) + error * error / v[k];
    }
    const double aicc = d + 2.0 * (p + 1) * n / (n - p - 2);
    if (aicc < best) {
      best = aicc;
      bestOrder = p;
    }
  }
  return bestOrder;
}

RandomnessStats RandomnessTestStats(const std::vector<double>& e, int h) {
  RandomnessStats s;
  const int n = static_cast<int>(e.size());
  s.n = n;
  s.h = h = std::max(h, 0);
  if (n == 0) return s;
  int lags = std::max(h, 1);
  const AcfPacf acf = SampleAcfPacf(e, lags);
  s.ljungBox = Portmanteau(acf.acf, n, h);
  s.mcLeodLi = Portmanteau(SquaredAutocorrelations(e, h), n, h);
  for (int t = 1; t + 1 < n; ++t)
    if ((e[t - 1] < e[t] && e[t + 1] < e[t]) || (e[t] < e[t - 1] && e[t] < e[t + 1])) ++s.turningPoints;
  for (int t = 0; t + 1 < n; ++t)
    if (e[t] < e[t + 1]) ++s.differenceSigns;
  s.rankPoints = RankPairs(e);
  const double dn = n;
  s.turningMean = 2.0 * (dn - 2) / 3;
  s.turningSd = std::sqrt(std::max(16 * dn - 29, 0.0) / 90);
  s.differenceMean = (dn - 1) / 2;
  s.differenceSd = std::sqrt((dn + 1) / 12);
  s.rankMean = dn * (dn - 1) / 4;
  s.rankSd = std::sqrt(dn * (dn - 1) * (2 * dn + 5) / 72);
  s.minAiccOrder = MinAiccYuleWalkerOrder(e, acf.acf, h);
  return s;
}

int AutomaticH(int m, int n) { return std::min(m + 21, n) - 1; }

std::string RandomnessReportText(const RandomnessStats& s, int m) {
  auto normal = [](double mean, double sd) {
    return " ~ AN( " + FormatSignificant(mean, kDigits) + ", sd = " + FormatSignificant(sd, kDigits) + " )";
  };
  Report report;
  report.AppendHeader("KORA::Tarn(Tests of randomness on residuals)", 44);
  report.AppendBlankLine();
  report.AppendLine("Ljung - Box statistic = " + FormatSignificant(s.ljungBox, kDigits) + " Chi-Square ( " +
                    FormatInteger(s.h - m) + " )");
  report.AppendBlankLine();
  report.AppendLine("McLeod - Li statistic = " + FormatSignificant(s.mcLeodLi, kDigits) + " Chi-Square ( " +
                    FormatInteger(s.h) + " )");
  report.AppendBlankLine();
  report.AppendLine("# of Turning points = " + FormatInteger(s.turningPoints) +
                    normal(s.turningMean, s.turningSd));
  report.AppendBlankLine();
  report.AppendLine("# of Difference sign points = " + FormatInteger(s.differenceSigns) +
                    normal(s.differenceMean, s.differenceSd));
  report.AppendBlankLine();
  // The rank count can exceed 32 bits for long series.
  const std::string rank = s.rankPoints <= std::numeric_limits<int>::max()
                               ? FormatInteger(static_cast<int>(s.rankPoints))
                               : std::to_string(s.rankPoints);
  report.AppendLine("# of Rank points = " + rank + normal(s.rankMean, s.rankSd));
  report.AppendBlankLine();
  report.AppendLine("Order of Min AICC YW Model for Residuals = " + FormatInteger(s.minAiccOrder));
  report.AppendBlankLine();
  return report.text();
}

}  // namespace kora
