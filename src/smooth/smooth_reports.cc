#include "smooth/smooth_reports.h"

#include <cmath>

#include "report/number_format.h"
#include "report/report.h"

namespace kora {

namespace {

constexpr int kBanner = 29;
constexpr int kDecimals = 5;

Report Start(const char* title) {
  Report report;
  report.AppendHeader(title, kBanner);
  report.AppendLine(" ");
  return report;
}

std::string RootMse(double mse) { return " SQRT(MSE) =  " + FormatFixed(std::sqrt(mse), kDecimals); }

}  // namespace

std::string ExpSmoothReport(double alpha, double mse) {
  Report report = Start("KORA::(Exponential Smoothing)");
  report.AppendLine(" Value of Alpha =  " + FormatFixed(alpha, kDecimals));
  report.AppendLine(RootMse(mse));
  return report.text();
}

std::string FourierSmoothReport(double cutoff, double mse) {
  Report report = Start("KORA::(FFT Smoothing)");
  report.AppendLine(" Value of cutoff =  " + FormatFixed(cutoff, kDecimals));
  report.AppendLine(RootMse(mse));
  return report.text();
}

std::string MaSmoothReport(double mse) {
  Report report = Start("KORA::(Moving Average Smoothing)");
  report.AppendLine(RootMse(mse));
  return report.text();
}

}  // namespace kora
