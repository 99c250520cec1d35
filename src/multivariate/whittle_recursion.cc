#include "multivariate/whittle_recursion.h"

#include "linalg/cholesky.h"
#include "linalg/square_matrix.h"

namespace kora {

VarStages WhittleStages(const std::vector<Matrix>& gamma, int m, int maxOrder) {
  VarStages stages;
  Matrix inverse;
  if (!InversePositiveDefinite(gamma[0], m, inverse)) return stages;
  stages.push_back({{}, gamma[0]});
  std::vector<Matrix> backward;  // Phibar_k,1..k
  Matrix vBar = gamma[0];
  for (int k = 1; k <= maxOrder; ++k) {
    const VarStage& last = stages.back();
    Matrix delta = gamma[k];
    for (int j = 1; j <= k - 1; ++j) delta = Subtract(delta, Multiply(last.phi[j - 1], gamma[k - j], m));
    Matrix vInverse, vBarInverse;
    if (!InversePositiveDefinite(last.v, m, vInverse) || !InversePositiveDefinite(vBar, m, vBarInverse))
      break;
    const Matrix phiKK = Multiply(delta, vBarInverse, m);
    const Matrix phiBarKK = Multiply(Transpose(delta, m), vInverse, m);
    VarStage next;
    std::vector<Matrix> nextBackward;
    for (int j = 1; j <= k - 1; ++j) {
      next.phi.push_back(Subtract(last.phi[j - 1], Multiply(phiKK, backward[k - j - 1], m)));
      nextBackward.push_back(Subtract(backward[j - 1], Multiply(phiBarKK, last.phi[k - j - 1], m)));
    }
    next.phi.push_back(phiKK);
    nextBackward.push_back(phiBarKK);
    next.v = Subtract(last.v, MultiplyTransposed(phiKK, delta, m));
    vBar = Subtract(vBar, Multiply(phiBarKK, delta, m));
    if (!InversePositiveDefinite(next.v, m, vInverse)) break;
    stages.push_back(std::move(next));
    backward = std::move(nextBackward);
  }
  return stages;
}

}  // namespace kora
