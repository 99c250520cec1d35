#include "project/window_titles.h"

#include <array>

namespace kora {

namespace {

struct PlotTitles {
  const char* plot;
  const char* report;
};

// In plot-slot order.
constexpr std::array<PlotTitles, kPlotSlotCount> kPlotTitles = {{
    {"", "INFO: "},
    {"ACF/PACF:", "ACF.PACF:INFO: "},
    {"SPECTRUM: ", "SPECTRUM:INFO: "},
    {"CUMULATIVE SPECTRUM: ", "CUMULATIVE SPECTRUM:INFO: "},
    {"HISTOGRAM: ", "HISTOGRAM:INFO: "},
    {"FIT: ", "FIT:INFO: "},
    {"Regress: ", "Regress:INFO: "},
    {"ARMA Forecast: ", "ARMA FORECAST:INFO: "},
    {"ARAR Forecast: ", "ARAR FORECAST:INFO: "},
    {"Holt-Winters Forecast: ", "Holt-Winters FORECAST:INFO: "},
    {"Seasonal H-W Forecast: ", "Seasonal H-W FORECAST:INFO: "},
    {"Exponential Smoothing: ", "Exponential Smoothing:INFO: "},
    {"FFT Smooth: ", "FFT Smooth:INFO: "},
    {"Moving Average Smoothing: ", "Moving Average Smoothing:INFO: "},
    {"Residuals: ", "Residuals:INFO: "},
    {"Residuals:ACF/PACF: ", "Residuals:ACF/PACF:INFO: "},
    {"Residuals:HISTOGRAM: ", "Residuals:HISTOGRAM:INFO: "},
}};

constexpr std::array<const char*, kReportSlotCount> kReportTitles = {
    "Tests of Randomness: ", "Preliminary estimates: ", "ML estimates: ", "Regression estimates: ",
    "AR/MA Infinity: ", "Autofit: "};

}  // namespace

const char* PlotTitlePrefix(int plotSlot) { return kPlotTitles.at(plotSlot).plot; }
const char* PlotReportTitlePrefix(int plotSlot) { return kPlotTitles.at(plotSlot).report; }
const char* ReportOnlyTitlePrefix(int reportSlot) { return kReportTitles.at(reportSlot); }

}  // namespace kora
