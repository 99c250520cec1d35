#include "forecast/holt_winters_report.h"

#include "report/number_format.h"

namespace kora {

std::string FixedField(double value, int decimals) {
  const std::string text = FormatFixed(value, decimals);
  return text.size() >= 15 ? text : std::string(15 - text.size(), ' ') + text;
}

void ForecastReportLines::Heading(const std::string& windowTitle, const std::string& heading,
                                  int bannerLength) {
  Line("INFO: " + windowTitle);
  Line("");
  Line(std::string(bannerLength, '='));
  Line(heading);
  Line(std::string(bannerLength, '='));
  Line(" ");
}

void ForecastReportLines::ForecastTable(const std::vector<double>& forecasts, int last) {
  Line("           Time     Prediction      ");
  for (size_t h = 1; h <= forecasts.size(); ++h)
    Line(FormatIntegerField(last + static_cast<int>(h), 15) + FixedField(forecasts[h - 1], 5));
  Line("   ");
}

std::string HoltWintersReportText(const HoltWintersSettings& s, bool seasonal, const std::string& windowTitle,
                                  int offset) {
  ForecastReportLines report;
  report.Heading(windowTitle, seasonal ? "KORA::(Seasonal H-W Forecast)" : "KORA::(Holt-Winters Forecast)",
                 29);
  const int first = s.hwFirst + offset, last = s.hwLast + offset;
  const int count = s.hwForecastEnd - s.hwLast;
  report.Line("Number of points forecasted: " + FormatInteger(count));
  report.Line("Time points used in forecast: ( " + FormatInteger(first) + " - " + FormatInteger(last) + " )");
  report.Line("Root mean-squared error = " + FormatFixed(s.hwRmse, 4));
  report.Line("   ");
  report.Line(" ALPHA = " + FixedField(s.hwAlpha, 5));
  report.Line(" BETA  = " + FixedField(s.hwBeta, 5));
  if (seasonal) report.Line(" GAMMA = " + FixedField(s.hwGamma, 5));
  report.Line(s.hwOptimize ? " (Coefficients were optimized.)" : " (No optimization.)");
  report.Line("   ");
  report.Line("   ");
  std::vector<double> forecasts;
  if (static_cast<int>(s.hwForecast.size()) >= s.hwForecastEnd && count > 0)
    forecasts.assign(s.hwForecast.begin() + s.hwLast, s.hwForecast.begin() + s.hwForecastEnd);
  report.ForecastTable(forecasts, last);
  return report.text();
}

}  // namespace kora
