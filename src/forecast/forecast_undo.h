// Maps forecasts of the working series (the series the ARMA model describes)
// back to the scale of the data: the regression trend, the subtracted mean,
// every difference (newest first), the classical trend/seasonal component and
// the Box-Cox transformation are added back or inverted in this fixed order,
// whatever the order in which they were applied. Shared by the forecasting
// methods.
#pragma once

#include <vector>

#include "project/univariate_project.h"

namespace kora {

// Which inversions the user asked for.
struct ForecastUndoFlags {
  bool includeRegression = false;
  bool addMean = false;
  bool undifference = false;
  bool addTrendSeasonal = false;
  bool invertBoxCox = false;
};

// Which inversions the project offers: a step of each kind exists, or a
// regression trend has been estimated.
ForecastUndoFlags AvailableInversions(const UnivariateProject& project);

// The flags actually applied: undoing Box-Cox needs everything beneath it,
// adding the classical component or undoing differences needs the mean and
// the regression trend; only what is available is ever set.
ForecastUndoFlags ImpliedInversions(ForecastUndoFlags flags, const ForecastUndoFlags& available);

struct DataScaleForecast {
  std::vector<double> data;       // y(1..n'): the series with the same inversions
  std::vector<double> forecasts;  // F(1..H), F(h) at time n' + h
  std::vector<double> lower, upper;  // the ends of the band F(h) -+ halfWidth(h), when asked
  int firstIndex = 0;             // time index of data[0]
  int lastIndex = 0;              // time index of data.back(); forecasts follow it
};

// Applies the flagged inversions (as given; see ImpliedInversions) to the
// current series and to the forecasts of the working series. With half
// widths, also to a band about the forecasts: the half widths belong to the
// forecasts once the trends, the mean and the differences are added back (the
// undifferenced series' errors), and the Box-Cox inverse, being monotone,
// maps the band's ends.
DataScaleForecast UndoForecastTransforms(const UnivariateProject& project, const ForecastUndoFlags& flags,
                                         std::vector<double> forecasts,
                                         const std::vector<double>* halfWidths = nullptr);

// The lags of the differences the flags undo, newest first (none unless
// undifference is set).
std::vector<int> UndoneDifferenceLags(const UnivariateProject& project, const ForecastUndoFlags& flags);

}  // namespace kora
