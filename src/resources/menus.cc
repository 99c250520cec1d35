// The two menu bars of the frame, in their resource state.
#include "app/command_ids.h"
#include "app/menu_bar.h"

namespace kora {

namespace {

MenuItem Item(int id, std::string text, bool enabled = true) { return MenuItem{id, std::move(text), enabled, false, {}}; }
MenuItem Separator() { return MenuItem{}; }
MenuItem Checked(int id, std::string text) { return MenuItem{id, std::move(text), true, true, {}}; }
// An entry with its accelerator key. Keys a browser keeps for itself (Ctrl+N,
// Ctrl+W, Ctrl+F4, Alt+F4) are not offered.
MenuItem Keyed(MenuItem item, std::string shortcut) {
  item.shortcut = std::move(shortcut);
  return item;
}
MenuItem Popup(std::string text, std::vector<MenuItem> children) {
  return MenuItem{0, std::move(text), true, false, std::move(children)};
}

MenuItem ProjectPopup() {
  return Popup("Project", {Item(cmd::kNewProject, "New"), Keyed(Item(cmd::kOpenProject, "Open"), "Ctrl+O"),
                           Keyed(Item(cmd::kSaveProject, "Save"), "Ctrl+S"),
                           Keyed(Item(cmd::kSaveProjectAs, "Save As"), "Ctrl+Shift+S"),
                           Item(cmd::kCloseProject, "Close"), Separator(), Item(cmd::kRenameProject, "Rename"),
                           Item(cmd::kMinimizeProject, "Minimize"), Item(cmd::kRestoreProject, "Restore")});
}

MenuItem SaveSessionItem() { return Item(cmd::kSaveSessionScript, "Save Session As Script..."); }

MenuItem PlotPopup() {
  return Popup("Plot", {Keyed(Item(cmd::kPrint, "Print"), "Ctrl+P"), Keyed(Item(cmd::kInfo, "Info"), "Ctrl+I"),
                        Popup("Zoom", {Item(cmd::kZoomRegion, "Region"), Item(cmd::kZoomRange, "Range"),
                                       Item(cmd::kZoomOut, "Out"), Item(cmd::kZoomManual, "Manual")}),
                        Item(cmd::kCopyToClipboard, "Copy to Clipboard"), Item(cmd::kSavePicture, "Save Picture..."),
                        Checked(cmd::kPredictionBands, "Prediction Bands"),
                        Item(cmd::kCustomizeColors, "Customize Colors")});
}

MenuItem WindowPopup() {
  return Popup("Window", {Item(cmd::kCascade, "Cascade"), Item(cmd::kTile, "Tile"),
                          Item(cmd::kCloseAll, "Close All"), Item(cmd::kDuplicate, "Duplicate"),
                          Item(cmd::kNextWindow, "Next Window")});
}

MenuItem HelpPopup() {
  return Popup("Help", {Keyed(Item(cmd::kHelpContents, "Contents"), "F1"), Item(cmd::kHelpOnHelp, "Help on Help"), Separator(),
                        Item(cmd::kAbout, "About")});
}

}  // namespace

MenuBar BuildTarnMenu() {
  MenuBar bar;
  bar.popups = {
      Popup("File", {ProjectPopup(), Item(cmd::kProjectEditor, "Project Editor"), Separator(),
                     Item(cmd::kImportFile, "Import File", false),
                     Item(cmd::kImportClipboard, "Import Clipboard", false), Item(cmd::kExport, "Export", false),
                     Separator(), SaveSessionItem(), Separator(), Keyed(Item(cmd::kPrint, "Print", false), "Ctrl+P"), Separator(),
                     Item(cmd::kExit, "Exit")}),
      Popup("Transform", {Item(cmd::kBoxCox, "Box - Cox"), Item(cmd::kClassical, "Classical"),
                          Item(cmd::kShowClassicalFit, "Show Classical Fit"), Item(cmd::kDifference, "Difference"),
                          Item(cmd::kSubtractMean, "Subtract Mean"), Item(cmd::kSubsequence, "Subsequence"),
                          Separator(), Keyed(Item(cmd::kUndo, "Undo", false), "Ctrl+Z")}),
      Popup("Model",
            {Item(cmd::kSpecifyModel, "Specify"),
             Popup("Estimation", {Item(cmd::kPreliminary, "Preliminary"), Item(cmd::kEstimationBlank, " "),
                                  Item(cmd::kMaxLikelihood, "Max likelihood")}),
             Item(cmd::kAutofit, "Autofit"),
             Popup("ACF/PACF", {Item(cmd::kModelAcf, "Model"), Item(cmd::kSampleModelAcf, "Sample / Model"),
                                Item(cmd::kSpecifyLag, "Specify Lag")}),
             Item(cmd::kModelSpectrum, "Spectrum"), Item(cmd::kArmaInfinity, "AR/MA Infinity"),
             Item(cmd::kSwitchToInvertible, "Switch to invertible"), Separator(), Item(cmd::kSimulate, "Simulate")}),
      Popup("Regression", {Item(cmd::kRegressionSpecify, "Specify"),
                           Popup("Estimation", {Item(cmd::kLeastSquares, "Least Squares"),
                                                Item(cmd::kGeneralizedLs, "Generalized LS")}),
                           Item(cmd::kRegressionRemove, "Remove"), Item(cmd::kRegressionShowFit, "Show fit")}),
      Popup("Statistics",
            {Popup("ACF/PACF", {Item(cmd::kSampleAcf, "Sample"), Item(cmd::kModelAcf, "Model"),
                                Item(cmd::kSampleModelAcf, "Sample / Model"), Item(cmd::kSpecifyLag, "Specify Lag")}),
             Popup("Histogram", {Item(cmd::kHistogram, "Default"), Item(cmd::kHistogramBins, "Set Bin Count")}),
             Item(cmd::kPeriodogram, "Spectrum"),
             Popup("Residual Analysis",
                   {Item(cmd::kResidualPlot, "Plot"), Item(cmd::kResidualHistogram, "Histogram"),
                    Item(cmd::kResidualAcf, "ACF/PACF"), Item(cmd::kTestsOfRandomness, "Tests of Randomness")})}),
      Popup("Fore&casting", {Item(cmd::kArmaForecast, "ARMA"), Item(cmd::kArarForecast, "ARAR"),
                            Item(cmd::kHoltWinters, "Holt-Winters"),
                            Item(cmd::kSeasonalHoltWinters, "Seasonal Holt-Winters")}),
      Popup("Sm&ooth", {Item(cmd::kExponentialSmoothing, "Exponential"), Item(cmd::kFftSmoothing, "FFT"),
                       Item(cmd::kMovingAverage, "Moving Ave.")}),
      Popup("Sp&ectrum",
            {Item(cmd::kPeriodogram, "Periodogram"), Item(cmd::kModelSpectrum, "Model"),
             Item(cmd::kModelAndPeriodogram, "Model and Periodogram"),
             Item(cmd::kSmoothedPeriodogram, "Smoothed Periodogram"), Item(cmd::kLogSpectrum, "Log Spectrum"),
             Item(cmd::kFisherTest, "Fisher Test"),
             Popup("Cumulative Spectrum", {Item(cmd::kCumulativeModel, "Model"),
                                           Item(cmd::kCumulativePeriodogram, "Periodogram"),
                                           Item(cmd::kCumulativeBoth, "Both")})}),
      PlotPopup(),
      WindowPopup(),
      HelpPopup(),
  };
  return bar;
}

MenuBar BuildMvMenu() {
  MenuBar bar;
  bar.popups = {
      Popup("File", {ProjectPopup(), Item(cmd::kProjectEditor, "Project Editor"), Separator(),
                     Item(cmd::kImportFile, "Import", false), Item(cmd::kImportClipboard, "Import Clipboard"),
                     Item(cmd::kExport, "Export", false), Separator(), SaveSessionItem(), Separator(),
                     Keyed(Item(cmd::kPrint, "Print", false), "Ctrl+P"), Separator(), Item(cmd::kExit, "Exit")}),
      Popup("Transform", {Item(cmd::kMvDifference, "Difference"), Item(cmd::kMvSubtractMeans, "Subtract Means"),
                          Item(cmd::kMvTrim, "Trim"), Separator(), Keyed(Item(cmd::kMvUndo, "Undo", false), "Ctrl+Z")}),
      Popup("Model", {Popup("Estimation", {Item(cmd::kMvYuleWalker, "Yule-Walker"), Item(cmd::kMvBurg, "Burg")}),
                      Item(cmd::kMvSimulate, "Simulate"), Item(cmd::kMvCrossAcf, "Cross-ACF")}),
      Popup("Fore&casting", {Item(cmd::kMvForecast, "AR Model")}),
      PlotPopup(),
      WindowPopup(),
      HelpPopup(),
  };
  return bar;
}

}  // namespace kora
