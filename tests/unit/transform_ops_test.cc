#include "transform/transform_ops.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numeric>

#include "reference_data.h"

namespace kora {
namespace {

using testing::ImportedProject;
using testing::ReadReferenceFile;
using testing::ReadDataFile;

double Mean(const std::vector<double>& x) { return std::accumulate(x.begin(), x.end(), 0.0) / x.size(); }

double Variance(const std::vector<double>& x) {
  const double m = Mean(x);
  double s = 0;
  for (double v : x) s += (v - m) * (v - m);
  return s / x.size();
}

void ExpectSeriesNear(const std::vector<double>& actual, const std::vector<double>& expected, double tol) {
  ASSERT_EQ(actual.size(), expected.size());
  for (size_t i = 0; i < actual.size(); ++i) EXPECT_NEAR(actual[i], expected[i], tol) << "t = " << i + 1;
}

TEST(TransformOps, LogAndDifferencesMatchReferenceAndUndoRestores) {
  const auto reference = ReadReferenceFile("stats.json")["series"];
  const std::vector<double> air = ReadDataFile("air_passengers.txt");
  UnivariateProject project = ImportedProject(air);

  ASSERT_TRUE(PushBoxCox(project, 0.0));
  ASSERT_TRUE(PushDifference(project, 12));
  ASSERT_TRUE(PushDifference(project, 1));
  const auto& expected = reference["air_passengers_log_d12_d1"];
  EXPECT_EQ(project.count(), expected["n"].get<int>());
  EXPECT_NEAR(Mean(project.series), expected["mean"].get<double>(), 1e-12);
  EXPECT_NEAR(Variance(project.series), expected["variance"].get<double>(), 1e-12);
  EXPECT_EQ(project.firstIndex, 14);
  EXPECT_EQ(project.lastIndex, 144);
  ASSERT_EQ(project.transforms.size(), 3u);
  EXPECT_EQ(project.transforms.back().lag, 1);

  ASSERT_TRUE(UndoTopStep(project));
  EXPECT_EQ(project.firstIndex, 13);
  ASSERT_TRUE(UndoTopStep(project));
  EXPECT_EQ(project.firstIndex, 1);
  EXPECT_EQ(project.lastIndex, 144);
  ASSERT_TRUE(UndoTopStep(project));  // exp undoes the logarithm
  ExpectSeriesNear(project.series, air, 1e-9);
  EXPECT_TRUE(project.transforms.empty());
  EXPECT_FALSE(UndoTopStep(project));

  UnivariateProject www = ImportedProject(ReadDataFile("www_usage.txt"));
  ASSERT_TRUE(PushDifference(www, 1));
  EXPECT_EQ(www.count(), reference["www_usage_d1"]["n"].get<int>());
  EXPECT_NEAR(Mean(www.series), reference["www_usage_d1"]["mean"].get<double>(), 1e-12);
  EXPECT_NEAR(Variance(www.series), reference["www_usage_d1"]["variance"].get<double>(), 1e-9);
}

TEST(TransformOps, DifferenceRoundTripOnNile) {
  const std::vector<double> nile = ReadDataFile("nile.txt");
  for (int lag : {1, 5, 12, 98}) {
    UnivariateProject project = ImportedProject(nile);
    ASSERT_TRUE(PushDifference(project, lag));
    EXPECT_EQ(project.count(), 100 - lag);
    EXPECT_EQ(project.firstIndex, 1 + lag);
    EXPECT_EQ(project.lastIndex, 100);
    EXPECT_DOUBLE_EQ(project.series[0], nile[lag] - nile[0]);
    ASSERT_TRUE(UndoDifference(project));
    ExpectSeriesNear(project.series, nile, 1e-9);
    EXPECT_EQ(project.firstIndex, 1);
    EXPECT_EQ(project.lastIndex, 100);
  }
}

TEST(TransformOps, BoxCoxBranchesAndInverse) {
  // Hand values: (4^0.5 - 1)/0.5 = 2, (9^1.5 - 1)/1.5 = 52/3.
  EXPECT_DOUBLE_EQ(BoxCox(4.0, 0.5), 2.0);
  EXPECT_DOUBLE_EQ(BoxCox(9.0, 1.5), 52.0 / 3.0);
  // Below 1e-7 the transform is the logarithm; at 1e-7 the power formula.
  EXPECT_EQ(BoxCox(5.0, 9.9e-8), std::log(5.0));
  EXPECT_NE(BoxCox(5.0, 1e-7), std::log(5.0));
  EXPECT_NEAR(BoxCox(5.0, 1e-7), std::log(5.0), 1e-6);
  EXPECT_EQ(InverseBoxCox(2.0, 0.0), std::exp(2.0));

  const std::vector<double> nile = ReadDataFile("nile.txt");
  for (double lambda : {0.0, 0.1, 0.5, 1.5}) {
    UnivariateProject project = ImportedProject(nile);
    ASSERT_TRUE(PushBoxCox(project, lambda));
    EXPECT_NEAR(project.series[0], lambda == 0.0 ? std::log(1120.0) : (std::pow(1120.0, lambda) - 1) / lambda,
                1e-9);
    EXPECT_EQ(project.transforms.back().lambda, lambda);
    ASSERT_TRUE(UndoBoxCox(project));
    ExpectSeriesNear(project.series, nile, 1e-8);
  }
}

TEST(TransformOps, SubtractMeanUsesSampleMean) {
  const auto reference = ReadReferenceFile("stats.json")["series"]["nile"];
  const std::vector<double> nile = ReadDataFile("nile.txt");
  UnivariateProject project = ImportedProject(nile);
  ASSERT_TRUE(PushSubtractMean(project));
  EXPECT_NEAR(project.transforms.back().mean, reference["mean"].get<double>(), 1e-9);
  EXPECT_NEAR(Mean(project.series), 0.0, 1e-9);
  EXPECT_NEAR(Variance(project.series), reference["variance"].get<double>(), 1e-6);
  ASSERT_TRUE(UndoSubtractMean(project));
  ExpectSeriesNear(project.series, nile, 1e-9);
}

TEST(TransformOps, SubsequenceInTimeIndexScale) {
  const std::vector<double> nile = ReadDataFile("nile.txt");
  UnivariateProject project = ImportedProject(nile);
  ASSERT_TRUE(PushSubsequence(project, 11, 90));
  EXPECT_EQ(project.firstIndex, 11);
  EXPECT_EQ(project.lastIndex, 90);
  EXPECT_EQ(project.count(), 80);
  EXPECT_EQ(project.series.front(), nile[10]);
  EXPECT_EQ(project.series.back(), nile[89]);
  ASSERT_TRUE(UndoSubsequence(project));
  EXPECT_EQ(project.series, nile);
  EXPECT_EQ(project.firstIndex, 1);
  EXPECT_EQ(project.lastIndex, 100);

  // After differencing at lag 2 the indices run 3..100; the range is in that scale,
  // and cutting nothing at either end leaves the edge arrays empty.
  ASSERT_TRUE(PushDifference(project, 2));
  const std::vector<double> differenced = project.series;
  ASSERT_TRUE(PushSubsequence(project, 3, 4));
  EXPECT_EQ(project.series, std::vector<double>(differenced.begin(), differenced.begin() + 2));
  EXPECT_TRUE(project.transforms.back().leading.empty());
  EXPECT_EQ(project.transforms.back().trailing.size(), 96u);
  ASSERT_TRUE(UndoTopStep(project));
  ASSERT_TRUE(UndoTopStep(project));
  ExpectSeriesNear(project.series, nile, 1e-9);
}

TEST(TransformOps, InapplicableStepsChangeNothing) {
  const std::vector<double> nile = ReadDataFile("nile.txt");
  UnivariateProject project = ImportedProject(nile);
  EXPECT_FALSE(PushDifference(project, 0));
  EXPECT_FALSE(PushDifference(project, 100));
  EXPECT_FALSE(PushSubsequence(project, 50, 50));  // at least two points
  EXPECT_FALSE(PushSubsequence(project, 0, 50));
  EXPECT_FALSE(PushSubsequence(project, 50, 101));
  EXPECT_FALSE(PushBoxCox(project, std::nan("")));
  EXPECT_EQ(project.series, nile);
  EXPECT_TRUE(project.transforms.empty());
  EXPECT_EQ(project.lastIndex, 100);

  UnivariateProject empty;
  EXPECT_FALSE(PushSubtractMean(empty));
  EXPECT_FALSE(PushBoxCox(empty, 1.0));
  EXPECT_FALSE(PushDifference(empty, 1));
  EXPECT_TRUE(empty.transforms.empty());

  // Each undo acts only on its own kind; a step of no known kind is not undone.
  ASSERT_TRUE(PushSubtractMean(project));
  EXPECT_FALSE(UndoDifference(project));
  EXPECT_FALSE(UndoBoxCox(project));
  EXPECT_FALSE(UndoSubsequence(project));
  TransformStep unknown;
  unknown.kind = 64;
  project.transforms.push_back(unknown);
  const std::vector<double> before = project.series;
  EXPECT_FALSE(UndoTopStep(project));
  EXPECT_EQ(project.transforms.size(), 2u);
  EXPECT_EQ(project.series, before);
}

}  // namespace
}  // namespace kora
