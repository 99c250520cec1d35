#include "app/commands.h"

#include <array>

#include "app/command_ids.h"

namespace kora {

namespace {

constexpr std::array kCommands = {
    CommandEntry{cmd::kNewProject, Needs::kNothing, NewProjectCommand, "file.new"},
    CommandEntry{cmd::kOpenProject, Needs::kNothing, OpenProjectCommand, "file.open"},
    CommandEntry{cmd::kSaveProject, Needs::kProject, SaveProjectCommand, "file.save"},
    CommandEntry{cmd::kSaveProjectAs, Needs::kProject, SaveProjectAsCommand, "file.save-as"},
    CommandEntry{cmd::kCloseProject, Needs::kProject, CloseProjectCommand, "file.close"},
    CommandEntry{cmd::kRenameProject, Needs::kProject, RenameProjectCommand, "file.rename"},
    CommandEntry{cmd::kMinimizeProject, Needs::kProject, MinimizeProjectCommand, "file.minimize"},
    CommandEntry{cmd::kRestoreProject, Needs::kProject, RestoreProjectCommand, "file.restore"},
    CommandEntry{cmd::kImportFile, Needs::kProject, ImportFileCommand, "file.import-file"},
    CommandEntry{cmd::kImportClipboard, Needs::kProject, ImportClipboardCommand, "file.import-clipboard"},
    CommandEntry{cmd::kExport, Needs::kProject, ExportCommand, "file.export"},
    CommandEntry{cmd::kPrint, Needs::kNothing, PrintCommand, "file.print"},
    CommandEntry{cmd::kExit, Needs::kNothing, ExitCommand, "file.exit"},
    CommandEntry{cmd::kSaveSessionScript, Needs::kNothing, SaveSessionScriptCommand,
                 "file.save-session-as-script"},
    CommandEntry{cmd::kBoxCox, Needs::kUnivariate, BoxCoxCommand, "transform.box-cox"},
    CommandEntry{cmd::kDifference, Needs::kUnivariate, DifferenceCommand, "transform.difference"},
    CommandEntry{cmd::kSubtractMean, Needs::kUnivariate, SubtractMeanCommand, "transform.subtract-mean"},
    CommandEntry{cmd::kSubsequence, Needs::kUnivariate, SubsequenceCommand, "transform.subsequence"},
    CommandEntry{cmd::kUndo, Needs::kUnivariate, UndoCommand, "transform.undo"},
    CommandEntry{cmd::kSampleAcf, Needs::kUnivariate, SampleAcfCommand, "statistics.acf-pacf.sample"},
    CommandEntry{cmd::kSpecifyLag, Needs::kUnivariate, SpecifyLagCommand, "model.acf-pacf.specify-lag"},
    CommandEntry{cmd::kHistogram, Needs::kUnivariate, HistogramCommand, "statistics.histogram.default"},
    CommandEntry{cmd::kHistogramBins, Needs::kUnivariate, HistogramBinsCommand,
                 "statistics.histogram.set-bin-count"},
    CommandEntry{cmd::kResidualHistogram, Needs::kUnivariate, ResidualHistogramCommand,
                 "statistics.residual-analysis.histogram"},
    CommandEntry{cmd::kSpecifyModel, Needs::kUnivariate, SpecifyModelCommand, "model.specify"},
    CommandEntry{cmd::kModelAcf, Needs::kUnivariate, ModelAcfCommand, "model.acf-pacf.model"},
    CommandEntry{cmd::kSampleModelAcf, Needs::kUnivariate, SampleModelAcfCommand,
                 "model.acf-pacf.sample-model"},
    CommandEntry{cmd::kArmaInfinity, Needs::kUnivariate, ArmaInfinityCommand, "model.ar-ma-infinity"},
    CommandEntry{cmd::kSwitchToInvertible, Needs::kUnivariate, SwitchToInvertibleCommand,
                 "model.switch-to-invertible"},
    CommandEntry{cmd::kResidualPlot, Needs::kUnivariate, ResidualPlotCommand,
                 "statistics.residual-analysis.plot"},
    CommandEntry{cmd::kResidualAcf, Needs::kUnivariate, ResidualAcfCommand,
                 "statistics.residual-analysis.acf-pacf"},
    CommandEntry{cmd::kTestsOfRandomness, Needs::kUnivariate, TestsOfRandomnessCommand,
                 "statistics.residual-analysis.tests-of-randomness"},
    CommandEntry{cmd::kPeriodogram, Needs::kUnivariate, PeriodogramCommand, "statistics.spectrum"},
    CommandEntry{cmd::kModelSpectrum, Needs::kUnivariate, ModelSpectrumCommand, "model.spectrum"},
    CommandEntry{cmd::kModelAndPeriodogram, Needs::kUnivariate, ModelAndPeriodogramCommand,
                 "spectrum.model-and-periodogram"},
    CommandEntry{cmd::kSmoothedPeriodogram, Needs::kUnivariate, SmoothedPeriodogramCommand,
                 "spectrum.smoothed-periodogram"},
    CommandEntry{cmd::kLogSpectrum, Needs::kUnivariate, LogSpectrumCommand, "spectrum.log-spectrum"},
    CommandEntry{cmd::kFisherTest, Needs::kUnivariate, FisherTestCommand, "spectrum.fisher-test"},
    CommandEntry{cmd::kCumulativeModel, Needs::kUnivariate, CumulativeModelCommand,
                 "spectrum.cumulative-spectrum.model"},
    CommandEntry{cmd::kCumulativePeriodogram, Needs::kUnivariate, CumulativePeriodogramCommand,
                 "spectrum.cumulative-spectrum.periodogram"},
    CommandEntry{cmd::kCumulativeBoth, Needs::kUnivariate, CumulativeBothCommand,
                 "spectrum.cumulative-spectrum.both"},
    CommandEntry{cmd::kExponentialSmoothing, Needs::kUnivariate, ExponentialSmoothingCommand,
                 "smooth.exponential"},
    CommandEntry{cmd::kFftSmoothing, Needs::kUnivariate, FftSmoothingCommand, "smooth.fft"},
    CommandEntry{cmd::kMovingAverage, Needs::kUnivariate, MovingAverageCommand, "smooth.moving-ave"},
    CommandEntry{cmd::kClassical, Needs::kUnivariate, ClassicalCommand, "transform.classical"},
    CommandEntry{cmd::kShowClassicalFit, Needs::kUnivariate, ShowClassicalFitCommand,
                 "transform.show-classical-fit"},
    CommandEntry{cmd::kPreliminary, Needs::kUnivariate, PreliminaryCommand, "model.estimate.preliminary"},
    CommandEntry{cmd::kMaxLikelihood, Needs::kUnivariate, MaxLikelihoodCommand,
                 "model.estimate.max-likelihood"},
    CommandEntry{cmd::kSimulate, Needs::kUnivariate, SimulateCommand, "model.simulate"},
    CommandEntry{cmd::kArmaForecast, Needs::kUnivariate, ArmaForecastCommand, "forecasting.arma"},
    CommandEntry{cmd::kRegressionSpecify, Needs::kUnivariate, RegressionSpecifyCommand, "regression.specify"},
    CommandEntry{cmd::kLeastSquares, Needs::kUnivariate, LeastSquaresCommand,
                 "regression.estimate.least-squares"},
    CommandEntry{cmd::kGeneralizedLs, Needs::kUnivariate, GeneralizedLeastSquaresCommand,
                 "regression.estimate.generalized-ls"},
    CommandEntry{cmd::kRegressionRemove, Needs::kUnivariate, RegressionRemoveCommand, "regression.remove"},
    CommandEntry{cmd::kRegressionShowFit, Needs::kUnivariate, RegressionShowFitCommand,
                 "regression.show-fit"},
    CommandEntry{cmd::kArarForecast, Needs::kUnivariate, ArarForecastCommand, "forecasting.arar"},
    CommandEntry{cmd::kHoltWinters, Needs::kUnivariate, HoltWintersCommand, "forecasting.holt-winters"},
    CommandEntry{cmd::kSeasonalHoltWinters, Needs::kUnivariate, SeasonalHoltWintersCommand,
                 "forecasting.seasonal-holt-winters"},
    CommandEntry{cmd::kInfo, Needs::kNothing, InfoCommand, "plot.info"},
    CommandEntry{cmd::kZoomRegion, Needs::kNothing, ZoomRegionCommand, "plot.zoom.region"},
    CommandEntry{cmd::kZoomRange, Needs::kNothing, ZoomRangeCommand, "plot.zoom.range"},
    CommandEntry{cmd::kZoomOut, Needs::kNothing, ZoomOutCommand, "plot.zoom.out"},
    CommandEntry{cmd::kZoomManual, Needs::kNothing, ZoomManualCommand, "plot.zoom.manual"},
    CommandEntry{cmd::kCopyToClipboard, Needs::kNothing, CopyCommand, "plot.copy-to-clipboard"},
    CommandEntry{cmd::kCustomizeColors, Needs::kNothing, CustomizeColorsCommand, "plot.customize-colors"},
    CommandEntry{cmd::kCascade, Needs::kNothing, CascadeCommand, "window.cascade"},
    CommandEntry{cmd::kTile, Needs::kNothing, TileCommand, "window.tile"},
    CommandEntry{cmd::kCloseAll, Needs::kNothing, CloseAllCommand, "window.close-all"},
    CommandEntry{cmd::kDuplicate, Needs::kNothing, DuplicateCommand, "window.duplicate"},
    CommandEntry{cmd::kHelpContents, Needs::kNothing, HelpContentsCommand, "help.contents"},
    CommandEntry{cmd::kHelpOnHelp, Needs::kNothing, HelpOnHelpCommand, "help.help-on-help"},
    CommandEntry{cmd::kAbout, Needs::kNothing, AboutCommand, "help.about"},
};

}  // namespace

std::span<const CommandEntry> AllCommands() { return kCommands; }

const CommandEntry* FindCommand(int id) {
  for (const auto& entry : kCommands)
    if (entry.id == id) return &entry;
  return nullptr;
}

}  // namespace kora
