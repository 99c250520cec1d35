#include "multivariate/multivariate_transforms.h"

#include <gtest/gtest.h>

#include "multivariate/multivariate_project.h"

namespace kora {
namespace {

MultivariateData Table(std::vector<std::vector<double>> values) {
  MultivariateData data;
  data.m = static_cast<int>(values.size());
  data.n = static_cast<int>(values[0].size());
  data.values = std::move(values);
  data.firstTime = 1;
  data.lastTime = data.n;
  return data;
}

TEST(MultivariateTransforms, StepsUndoExactlyAndNameTheUndoEntry) {
  const std::vector<std::vector<double>> imported = {{1.5, 2.25, 4.0, 3.1, 0.7, 9.9},
                                                     {-1.0, 0.3, 0.1, 8.0, 2.0, 1e-3}};
  MultivariateData data = Table(imported);
  std::vector<MultivariateTransformStep> steps;
  EXPECT_EQ(MultivariateUndoText(steps), "Undo");

  steps.push_back(DifferenceSeries(data, 2));
  EXPECT_EQ(data.n, 4);
  EXPECT_EQ(data.values[0][0], 4.0 - 1.5);
  EXPECT_EQ(data.values[1][3], 1e-3 - 8.0);
  EXPECT_EQ(MultivariateUndoText(steps), "Undo Differencing (2)");

  steps.push_back(SubtractMeans(data));
  double sum = 0;
  for (double v : data.values[1]) sum += v;
  EXPECT_NEAR(sum, 0.0, 1e-12);
  EXPECT_EQ(MultivariateUndoText(steps), "Undo Subtract Mean");

  steps.push_back(TrimSeries(data, data.firstTime + 1, data.lastTime - 1));
  EXPECT_EQ(data.n, 2);
  EXPECT_EQ(data.values[0].size(), 2u);
  EXPECT_EQ(data.lastTime - data.firstTime + 1, data.n);
  EXPECT_EQ(MultivariateUndoText(steps), "Undo Trimming");

  while (!steps.empty()) {
    UndoTransform(data, steps.back());
    steps.pop_back();
  }
  EXPECT_EQ(data.n, 6);
  EXPECT_EQ(data.firstTime, 1);
  EXPECT_EQ(data.lastTime, 6);
  EXPECT_EQ(data.values, imported);

  // Lag 1 of three points leaves two.
  MultivariateData three = Table({{1, 4, 9}});
  DifferenceSeries(three, 1);
  EXPECT_EQ(three.values[0], (std::vector<double>{3, 5}));
}

}  // namespace
}  // namespace kora
