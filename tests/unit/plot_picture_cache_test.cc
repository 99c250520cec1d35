#include "plot/plot_picture_cache.h"

#include <gtest/gtest.h>

#include <numeric>

#include "plot/painter.h"

namespace kora {
namespace {

TEST(PlotPictureCache, PaintsAgainOnlyWhenWhatIsShownChanges) {
  std::vector<double> values(5000);
  std::iota(values.begin(), values.end(), 0.0);
  PlotWindow plot;
  InitPlot(plot);
  plot.window = 7;
  SetCurve(plot, 1, values, 1, 5000);
  PlotPictureCache cache;

  const std::string first = cache.Picture(plot, 600, 400);
  EXPECT_EQ(cache.Picture(plot, 600, 400), first);
  EXPECT_EQ(cache.paintings(), 1);

  // A copy of the window (as after a refresh that set the same data) gets the
  // scales a painting stores without being painted again.
  PlotWindow copy = plot;
  for (PlotPanel& panel : copy.panels) panel.xScale = panel.yScale = 0, panel.xOrigin = panel.yOrigin = 0;
  EXPECT_EQ(cache.Picture(copy, 600, 400), first);
  EXPECT_EQ(cache.paintings(), 1);
  EXPECT_EQ(copy.panels[0].xScale, plot.panels[0].xScale);
  EXPECT_EQ(copy.panels[0].yOrigin, plot.panels[0].yOrigin);

  // One value, the size, the colours or the band switch: painted again.
  values[2500] = -1;
  SetCurve(plot, 1, values, 1, 5000);
  EXPECT_NE(cache.Picture(plot, 600, 400), first);
  cache.Picture(plot, 601, 400);
  EXPECT_EQ(cache.paintings(), 3);
  const ColourTable saved = Colours();
  Colours()[0] ^= 0xff;
  cache.Picture(plot, 601, 400);
  Colours() = saved;
  BandsShown() = !BandsShown();
  cache.Picture(plot, 601, 400);
  BandsShown() = !BandsShown();
  EXPECT_EQ(cache.paintings(), 5);

  cache.Prune([](platform::WindowId) { return false; });
  cache.Picture(plot, 601, 400);
  EXPECT_EQ(cache.paintings(), 6);
}

}  // namespace
}  // namespace kora
