#include "arma/arma_model.h"

#include <algorithm>

namespace kora {

namespace {
int ClampedOrder(int order) { return std::clamp(order, 0, kMaxCoefficients); }
}  // namespace

std::vector<double> CombinedCoefficients(const ArmaModel& model) {
  const int p = ClampedOrder(model.arOrder), q = ClampedOrder(model.maOrder);
  std::vector<double> c(model.phi.begin(), model.phi.begin() + p);
  c.insert(c.end(), model.theta.begin(), model.theta.begin() + q);
  return c;
}

void SetCombinedCoefficients(ArmaModel& model, const std::vector<double>& coefficients) {
  const int p = ClampedOrder(model.arOrder), q = ClampedOrder(model.maOrder);
  model.phi.fill(0.0);
  model.theta.fill(0.0);
  for (int j = 0; j < p && j < static_cast<int>(coefficients.size()); ++j) model.phi[j] = coefficients[j];
  for (int j = 0; j < q && p + j < static_cast<int>(coefficients.size()); ++j)
    model.theta[j] = coefficients[p + j];
}

void RebuildFreeParameters(ArmaModel& model) {
  const std::vector<double> c = CombinedCoefficients(model);
  model.freeParamList.fill(0);
  int k = 0;
  for (int index = 1; index <= static_cast<int>(c.size()); ++index)
    if (c[index - 1] != 0.0) model.freeParamList[k++] = index;
  model.freeParamCount = k;
  model.multRelationCount = 0;
  model.multRelationTarget.fill(0);
  model.multRelationFactor1.fill(0);
  model.multRelationFactor2.fill(0);
}

void ApplyRelations(const ArmaModel& model, std::vector<double>& coefficients) {
  const int p = ClampedOrder(model.arOrder);
  const int size = static_cast<int>(coefficients.size());
  const int count = std::clamp(model.multRelationCount, 0, kMaxRelations);
  for (int i = 0; i < count; ++i) {
    const int a = model.multRelationTarget[i], b = model.multRelationFactor1[i],
              c = model.multRelationFactor2[i];
    if (a < 1 || b < 1 || c < 1 || a > size || b > size || c > size) continue;
    const double product = coefficients[b - 1] * coefficients[c - 1];
    coefficients[a - 1] = a <= p ? -product : product;
  }
}

}  // namespace kora
