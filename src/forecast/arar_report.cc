#include "forecast/arar_report.h"

#include <vector>

#include "forecast/holt_winters_report.h"
#include "report/number_format.h"

namespace kora {

namespace {

// Coefficients five to a line, each after three blanks in 15 characters.
void CoefficientRows(ForecastReportLines& report, const std::vector<double>& values) {
  std::string line;
  for (size_t i = 0; i < values.size(); ++i) {
    line += "   " + FixedField(values[i], 4);
    if (i % 5 == 4 || i + 1 == values.size()) {
      report.Line(line);
      line.clear();
    }
  }
}

const char* MethodLine(int method) {
  switch (method) {
    case kArarMinVariance26:
      return " Method: minimize WN variance (max lag=26).";
    case kArarMaxLikelihood13:
      return " Method: maximize Gaussian like (max lag=13).";
    default:
      return " Method: minimize WN variance (max lag=13).";
  }
}

}  // namespace

std::string ArarReportText(const ArarSettings& s, const std::string& windowTitle, int offset) {
  ForecastReportLines report;
  report.Heading(windowTitle, "KORA::(ARAR Forecast)", 20);
  const int last = s.ararLast + offset;
  report.Line("Number of points forecasted: " + FormatInteger(s.ararCount));
  report.Line("Time points used in forecast: ( " + FormatInteger(s.ararFirst + offset) + " - " +
              FormatInteger(last) + " )");
  report.Line("Root mean-squared error = " + FormatFixed(s.ararRmse, 4));
  report.Line("   ");
  if (s.ararNoShortening) {
    report.Line("Memory shortening not requested.");
  } else if (s.shortDegree == 0) {
    report.Line("Memory shortening not required.");
  } else {
    report.Line("Memory Shortening:");
    report.Line(" Coeff of B**j in memory shortening poly, j=0,1,...");
    CoefficientRows(report, s.shortCoef);
  }
  report.Line("   ");
  report.Line("Subset AR Model:   ");
  report.Line(MethodLine(s.ararMethod));
  std::string lags = "  LAGS:", coefs = "  Coefs:";
  for (int i = 0; i < 4; ++i) {
    lags += "     " + FormatInteger(s.subsetLag[i]);
    coefs += "  " + FormatFixed(s.subsetCoef[i], 4);
  }
  report.Line(lags);
  report.Line(coefs);
  report.Line("   ");
  report.Line("COEFFICIENTS OF OVERALL WHITENING FILTER:");
  CoefficientRows(report, s.whitenCoef);
  report.Line("   ");
  std::vector<double> forecasts;
  const size_t end = static_cast<size_t>(s.ararLast + s.ararCount);
  if (s.ararForecast.size() >= end)
    forecasts.assign(s.ararForecast.begin() + s.ararLast, s.ararForecast.begin() + end);
  report.ForecastTable(forecasts, last);
  return report.text();
}

}  // namespace kora
