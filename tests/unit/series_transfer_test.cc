#include "app/series_transfer.h"

#include <gtest/gtest.h>

#include "multivariate/series_membership.h"
#include "platform/event_queue.h"
#include "project/project_views.h"
#include "transform/transform_step.h"

namespace kora {
namespace {

// A registry with projects made as the program makes them, windows included.
struct Desk {
  platform::EventQueue events;
  platform::PlatformObserver quiet;
  Platform ui{events, quiet};
  ProjectRegistry registry;

  UnivariateProject& Univariate(int slot, std::vector<double> values) {
    registry[slot].kind = kUnivariate;
    registry[slot].univariate = NewUnivariateProject(ui, slot);
    if (!values.empty()) SetData(ui, *registry[slot].univariate, std::move(values));
    return *registry[slot].univariate;
  }
  MultivariateProject& Multivariate(int slot, std::vector<std::vector<double>> columns) {
    registry[slot].kind = kMultivariate;
    registry[slot].multivariate = NewMultivariateProject(ui, slot);
    for (auto& column : columns) AddSeries(ui, *registry[slot].multivariate, std::move(column));
    return *registry[slot].multivariate;
  }
  std::string Report(const UnivariateProject& project) {
    return ui.Window(project.plots[kMainPlot].infoWindow)->text;
  }
};

TEST(SeriesTransfer, UnivariateOntoUnivariateReplacesTheTargetsDataAsANewImport) {
  Desk d;
  UnivariateProject& source = d.Univariate(1, {4, 5, 6});
  UnivariateProject& target = d.Univariate(2, {9, 9, 9, 9, 9});
  // The source's current series moves, not its imported values; the target's
  // transformations go with its old data, and its windows show the new data.
  source.series = {-1, 0, 1};
  TransformStep step;
  step.kind = kSubtractMean;
  source.transforms.push_back(step);
  target.transforms.push_back(step);
  ShowPlotInfo(d.ui, target, kMainPlot);

  EXPECT_FALSE(TransferSeries(d.ui, d.registry, 1, 1, 2));
  EXPECT_EQ(target.series, (std::vector<double>{-1, 0, 1}));
  EXPECT_EQ(target.untransformedSeries, target.series);
  EXPECT_EQ(target.firstIndex, 1);
  EXPECT_EQ(target.lastIndex, 3);
  EXPECT_TRUE(target.transforms.empty());
  EXPECT_NE(d.Report(target).find("# of Data Points =        3"), std::string::npos);
  EXPECT_FALSE(source.HasData());
  EXPECT_TRUE(source.transforms.empty());
  EXPECT_EQ(d.ui.Focused(), target.plots[kMainPlot].window);

  // A source without data, or a drop on the series' own project, moves nothing.
  EXPECT_FALSE(TransferSeries(d.ui, d.registry, 1, 1, 2));
  EXPECT_FALSE(TransferSeries(d.ui, d.registry, 2, 1, 2));
  EXPECT_EQ(target.count(), 3);
}

TEST(SeriesTransfer, MultivariateSourcesKeepTheirOtherSeries) {
  Desk d;
  MultivariateProject& source = d.Multivariate(1, {{1, 2, 3}, {4, 5, 6}, {7, 8, 9}});
  UnivariateProject& univariate = d.Univariate(2, {});
  MultivariateProject& empty = d.Multivariate(3, {});

  EXPECT_FALSE(TransferSeries(d.ui, d.registry, 1, 2, 2));
  EXPECT_EQ(univariate.series, (std::vector<double>{4, 5, 6}));
  ASSERT_EQ(source.data.m, 2);
  EXPECT_EQ(source.data.values[1], (std::vector<double>{7, 8, 9}));

  // Into a multivariate project without data, a series of any length; the
  // last series leaving leaves its project without data.
  EXPECT_FALSE(TransferSeries(d.ui, d.registry, 1, 1, 3));
  EXPECT_FALSE(TransferSeries(d.ui, d.registry, 1, 1, 3));
  EXPECT_FALSE(source.HasData());
  ASSERT_EQ(empty.data.m, 2);
  EXPECT_EQ(empty.data.n, 3);
  EXPECT_EQ(empty.data.values[0], (std::vector<double>{1, 2, 3}));
  EXPECT_EQ(empty.data.values[1], (std::vector<double>{7, 8, 9}));
}

TEST(SeriesTransfer, AMultivariateTargetTakesOnlySeriesOfItsOwnLength) {
  Desk d;
  UnivariateProject& shorter = d.Univariate(1, {1, 2});
  UnivariateProject& fitting = d.Univariate(2, {3, 4, 5});
  MultivariateProject& target = d.Multivariate(3, {{1, 1, 1}});

  auto refusal = TransferSeries(d.ui, d.registry, 1, 1, 3);
  ASSERT_TRUE(refusal);
  EXPECT_EQ(refusal->caption, "KORA Project Editor");
  EXPECT_EQ(refusal->text,
            "Cannot transfer: the series has 2 values, the series of the target project have 3.");
  EXPECT_EQ(shorter.count(), 2);
  EXPECT_EQ(target.data.m, 1);

  EXPECT_FALSE(TransferSeries(d.ui, d.registry, 2, 1, 3));
  ASSERT_EQ(target.data.m, 2);
  EXPECT_EQ(target.data.values[1], (std::vector<double>{3, 4, 5}));
  EXPECT_FALSE(fitting.HasData());
}

}  // namespace
}  // namespace kora
