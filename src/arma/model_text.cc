#include "arma/model_text.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "report/number_format.h"

namespace kora {
namespace {

constexpr int kTermsPerLine = 4;
constexpr int kCoefficientDigits = 8;

// Composes equation lines of signed terms, four to a line.
class EquationWriter {
 public:
  explicit EquationWriter(Report& report) : report_(report) {}

  // Starts a new equation: its first term gets no plus sign.
  void Start(std::string_view text) {
    line_ = text;
    termsOnLine_ = 0;
    first_ = true;
  }
  // Starts a new line of the same equation.
  void NewLine(std::string_view text) {
    line_ = text;
    termsOnLine_ = 0;
  }
  void Write(std::string_view text) {
    line_ += text;
    first_ = false;
  }
  void Term(double coefficient, std::string_view suffix) {
    if (termsOnLine_ == kTermsPerLine) {
      report_.AppendLine(line_ + "  ");
      line_ = "      ";
      termsOnLine_ = 0;
    }
    line_ += coefficient < 0 ? " -" : (first_ ? "  " : " +");
    line_ += FormatSignificant(std::abs(coefficient), kCoefficientDigits);
    line_ += suffix;
    ++termsOnLine_;
    first_ = false;
  }
  // Appends the line being composed; the next text starts a fresh line.
  void Finish() {
    report_.AppendLine(line_);
    line_.clear();
    termsOnLine_ = 0;
  }

 private:
  Report& report_;
  std::string line_;
  int termsOnLine_ = 0;
  bool first_ = true;
};

void TrendText(const RegressionTrend& trend, EquationWriter& writer, Report& report) {
  report.AppendLine(" Y(t) = M(t) + X(t)");
  report.AppendBlankLine();
  report.AppendLine("Trend Function: ");
  writer.Start("M(t) = ");
  // Coefficients in the order of the design columns: powers, then a cosine
  // and a sine column per harmonic.
  size_t column = 0;
  for (int power = trend.includeIntercept ? 0 : 1; power <= trend.polyOrder; ++power, ++column) {
    if (column >= trend.beta.size()) break;
    writer.Term(trend.beta[column], " t^" + FormatInteger(power) + " ");
  }
  const int harmonics = std::clamp(trend.harmonicCount, 0, static_cast<int>(trend.fourierIndex.size()));
  for (int i = 0; i < harmonics; ++i) {
    const std::string index = FormatInteger(trend.fourierIndex[i]);
    if (column < trend.beta.size()) writer.Term(trend.beta[column++], " Cos(2*pi*t" + index + "/N) ");
    if (column < trend.beta.size()) writer.Term(trend.beta[column++], " Sin(2*pi*t" + index + "/N) ");
  }
  writer.Finish();
  report.AppendBlankLine();
}

}  // namespace

void ModelDescriptionText(const UnivariateProject& project, Report& report) {
  EquationWriter writer(report);
  if (TrendPresent(project.trend)) TrendText(project.trend, writer, report);

  const ArmaModel& model = project.model;
  report.AppendLine("ARMA Model: ");
  if (model.fractional) {
    report.AppendLine("(1-B)^" + FormatSignificant(model.fractionalD, 4) + " X(t) ");
    writer.Start("     = ");
  } else {
    writer.Start("X(t) = ");
  }
  const int p = std::clamp(model.arOrder, 0, kMaxCoefficients);
  for (int lag = 1; lag <= p; ++lag) writer.Term(model.phi[lag - 1], " X(t-" + FormatInteger(lag) + ") ");

  if (p == 0) {
    writer.Write(" Z(t)");
  } else {
    writer.Finish();
    writer.NewLine("     + Z(t)");
  }
  const int q = std::clamp(model.maOrder, 0, kMaxCoefficients);
  for (int lag = 1; lag <= q; ++lag) writer.Term(model.theta[lag - 1], " Z(t-" + FormatInteger(lag) + ") ");
  writer.Finish();
}

}  // namespace kora
