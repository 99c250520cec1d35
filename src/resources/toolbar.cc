#include "app/toolbar.h"

#include <map>

#include "app/command_ids.h"

namespace kora {

namespace {
constexpr int kStandard = 22;
ToolbarButton Button(int command, int image) { return {command, image}; }
ToolbarButton Gap() { return {}; }
}  // namespace

std::vector<ToolbarButton> FixedToolbar() {
  return {Gap(),
          Button(cmd::kNewProject, kStandard + kStdFileNew),
          Button(cmd::kOpenProject, kStandard + kStdFileOpen),
          Button(cmd::kSaveProject, kStandard + kStdFileSave),
          Button(cmd::kCloseProject, kStandard + kStdDelete),
          Button(cmd::kPrint, kStandard + kStdPrint)};
}

std::vector<ToolbarButton> UnivariateToolbarTail() {
  return {Gap(), Button(cmd::kImportFile, 0), Button(cmd::kSampleAcf, 1), Button(cmd::kSampleModelAcf, 2),
          Button(cmd::kPeriodogram, 16), Button(cmd::kModelAndPeriodogram, 18), Button(cmd::kHistogram, 3),
          Gap(), Button(cmd::kSpecifyModel, 4), Button(cmd::kGeneralizedLs, 19), Button(cmd::kPreliminary, 5),
          Button(cmd::kMaxLikelihood, 6), Button(cmd::kAutofit, kAutofitImage), Button(cmd::kModelAcf, 7), Button(cmd::kModelSpectrum, 17),
          Gap(), Button(cmd::kResidualPlot, 8), Button(cmd::kResidualAcf, 9), Button(cmd::kResidualHistogram, 10),
          Gap(), Button(cmd::kZoomRange, 11), Button(cmd::kZoomRegion, 12), Button(cmd::kZoomOut, 13),
          Gap(), Button(cmd::kInfo, 14), Button(cmd::kDuplicate, 15)};
}

std::string TooltipText(int command) {
  // The string table of the program, by command id.
  static const std::map<int, std::string> strings = {
      {cmd::kNewProject, "New Project"},
      {cmd::kOpenProject, "Open Project"},
      {cmd::kCloseProject, "Close Project"},
      {cmd::kPrint, "Print current window"},
      {cmd::kImportFile, "Import new data to project"},
      {cmd::kSampleAcf, "Plot sample ACF/PACF "},
      {cmd::kSpecifyModel, "Specify model"},
      {cmd::kModelAcf, "Plot model ACF/PACF"},
      {cmd::kSaveProject, "Save project"},
      {cmd::kInfo, "Show information window"},
      {cmd::kZoomOut, "Zoom out"},
      {cmd::kZoomRange, "Zoom range"},
      {cmd::kZoomRegion, "Zoom region"},
      {cmd::kSampleModelAcf, "Plot sample and model ACF/PACF"},
      {cmd::kPeriodogram, "Plot sample spectrum."},
      {cmd::kModelSpectrum, "Plot model spectrum."},
      {cmd::kModelAndPeriodogram, "Plot sample and model spectra."},
      {cmd::kHistogram, "Plot sample histogram"},
      {cmd::kPreliminary, "Preliminary estimation"},
      {cmd::kMaxLikelihood, "Maximum likelihood estimation"},
      {cmd::kAutofit, "Automatic ARMA order selection"},
      {cmd::kResidualPlot, "Plot residuals"},
      {cmd::kResidualAcf, "Plot ACF/PACF of residuals"},
      {cmd::kResidualHistogram, "Plot histogram of residuals"},
      {cmd::kGeneralizedLs, "Generalized least squares"},
      {cmd::kDuplicate, "Duplicate window."},
      {cmd::kMvTrim, "Trim data from beginning and ends of series"},
  };
  auto it = strings.find(command);
  return it == strings.end() ? std::string() : it->second;
}

}  // namespace kora
