// The INFO reports of the Holt-Winters and seasonal Holt-Winters forecasts,
// and the pieces the ARAR report shares with them.
#pragma once

#include <string>
#include <vector>

#include "forecast/holt_winters_settings.h"

namespace kora {

// Report text, lines ending CR LF. `offset` is added to the stored indices to
// put them on the original time axis (D when the method ran on the current
// series, else 0).
std::string HoltWintersReportText(const HoltWintersSettings& settings, bool seasonal,
                                  const std::string& windowTitle, int offset);

// Text builder of the forecast reports.
class ForecastReportLines {
 public:
  void Line(const std::string& text) { text_ += text + "\r\n"; }
  // "INFO: " + title, an empty line and the banner around the heading.
  void Heading(const std::string& windowTitle, const std::string& heading, int bannerLength);
  // The "Time / Prediction" table of F(1..H) at times last + h, and a final
  // line of three blanks.
  void ForecastTable(const std::vector<double>& forecasts, int last);
  const std::string& text() const { return text_; }

 private:
  std::string text_;
};

// The value fixed with the decimals, right-aligned in 15 characters.
std::string FixedField(double value, int decimals);

}  // namespace kora
