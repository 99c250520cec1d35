#include "app/commands.h"

#include <array>

#include "app/command_ids.h"

namespace kora {

namespace {

constexpr std::array kCommands = {
    CommandEntry{cmd::kNewProject, Needs::kNothing, NewProjectCommand},
    CommandEntry{cmd::kOpenProject, Needs::kNothing, OpenProjectCommand},
    CommandEntry{cmd::kSaveProject, Needs::kProject, SaveProjectCommand},
    CommandEntry{cmd::kSaveProjectAs, Needs::kProject, SaveProjectAsCommand},
    CommandEntry{cmd::kCloseProject, Needs::kProject, CloseProjectCommand},
    CommandEntry{cmd::kRenameProject, Needs::kProject, RenameProjectCommand},
    CommandEntry{cmd::kMinimizeProject, Needs::kProject, MinimizeProjectCommand},
    CommandEntry{cmd::kRestoreProject, Needs::kProject, RestoreProjectCommand},
    CommandEntry{cmd::kImportFile, Needs::kProject, ImportFileCommand},
    CommandEntry{cmd::kImportClipboard, Needs::kProject, ImportClipboardCommand},
    CommandEntry{cmd::kExport, Needs::kProject, ExportCommand},
    CommandEntry{cmd::kPrint, Needs::kNothing, PrintCommand},
    CommandEntry{cmd::kExit, Needs::kNothing, ExitCommand},
    CommandEntry{cmd::kBoxCox, Needs::kUnivariate, BoxCoxCommand},
    CommandEntry{cmd::kDifference, Needs::kUnivariate, DifferenceCommand},
    CommandEntry{cmd::kSubtractMean, Needs::kUnivariate, SubtractMeanCommand},
    CommandEntry{cmd::kSubsequence, Needs::kUnivariate, SubsequenceCommand},
    CommandEntry{cmd::kUndo, Needs::kUnivariate, UndoCommand},
    CommandEntry{cmd::kSampleAcf, Needs::kUnivariate, SampleAcfCommand},
    CommandEntry{cmd::kSpecifyLag, Needs::kUnivariate, SpecifyLagCommand},
    CommandEntry{cmd::kHistogram, Needs::kUnivariate, HistogramCommand},
    CommandEntry{cmd::kHistogramBins, Needs::kUnivariate, HistogramBinsCommand},
    CommandEntry{cmd::kResidualHistogram, Needs::kUnivariate, ResidualHistogramCommand},
    CommandEntry{cmd::kSpecifyModel, Needs::kUnivariate, SpecifyModelCommand},
    CommandEntry{cmd::kModelAcf, Needs::kUnivariate, ModelAcfCommand},
    CommandEntry{cmd::kSampleModelAcf, Needs::kUnivariate, SampleModelAcfCommand},
    CommandEntry{cmd::kArmaInfinity, Needs::kUnivariate, ArmaInfinityCommand},
    CommandEntry{cmd::kSwitchToInvertible, Needs::kUnivariate, SwitchToInvertibleCommand},
    CommandEntry{cmd::kResidualPlot, Needs::kUnivariate, ResidualPlotCommand},
    CommandEntry{cmd::kResidualAcf, Needs::kUnivariate, ResidualAcfCommand},
    CommandEntry{cmd::kTestsOfRandomness, Needs::kUnivariate, TestsOfRandomnessCommand},
    CommandEntry{cmd::kPeriodogram, Needs::kUnivariate, PeriodogramCommand},
    CommandEntry{cmd::kModelSpectrum, Needs::kUnivariate, ModelSpectrumCommand},
    CommandEntry{cmd::kModelAndPeriodogram, Needs::kUnivariate, ModelAndPeriodogramCommand},
    CommandEntry{cmd::kSmoothedPeriodogram, Needs::kUnivariate, SmoothedPeriodogramCommand},
    CommandEntry{cmd::kLogSpectrum, Needs::kUnivariate, LogSpectrumCommand},
    CommandEntry{cmd::kFisherTest, Needs::kUnivariate, FisherTestCommand},
    CommandEntry{cmd::kCumulativeModel, Needs::kUnivariate, CumulativeModelCommand},
    CommandEntry{cmd::kCumulativePeriodogram, Needs::kUnivariate, CumulativePeriodogramCommand},
    CommandEntry{cmd::kCumulativeBoth, Needs::kUnivariate, CumulativeBothCommand},
    CommandEntry{cmd::kExponentialSmoothing, Needs::kUnivariate, ExponentialSmoothingCommand},
    CommandEntry{cmd::kFftSmoothing, Needs::kUnivariate, FftSmoothingCommand},
    CommandEntry{cmd::kMovingAverage, Needs::kUnivariate, MovingAverageCommand},
    CommandEntry{cmd::kClassical, Needs::kUnivariate, ClassicalCommand},
    CommandEntry{cmd::kShowClassicalFit, Needs::kUnivariate, ShowClassicalFitCommand},
    CommandEntry{cmd::kPreliminary, Needs::kUnivariate, PreliminaryCommand},
    CommandEntry{cmd::kMaxLikelihood, Needs::kUnivariate, MaxLikelihoodCommand},
    CommandEntry{cmd::kSimulate, Needs::kUnivariate, SimulateCommand},
    CommandEntry{cmd::kArmaForecast, Needs::kUnivariate, ArmaForecastCommand},
    CommandEntry{cmd::kRegressionSpecify, Needs::kUnivariate, RegressionSpecifyCommand},
    CommandEntry{cmd::kLeastSquares, Needs::kUnivariate, LeastSquaresCommand},
    CommandEntry{cmd::kGeneralizedLs, Needs::kUnivariate, GeneralizedLeastSquaresCommand},
    CommandEntry{cmd::kRegressionRemove, Needs::kUnivariate, RegressionRemoveCommand},
    CommandEntry{cmd::kRegressionShowFit, Needs::kUnivariate, RegressionShowFitCommand},
    CommandEntry{cmd::kArarForecast, Needs::kUnivariate, ArarForecastCommand},
    CommandEntry{cmd::kHoltWinters, Needs::kUnivariate, HoltWintersCommand},
    CommandEntry{cmd::kSeasonalHoltWinters, Needs::kUnivariate, SeasonalHoltWintersCommand},
    CommandEntry{cmd::kInfo, Needs::kNothing, InfoCommand},
    CommandEntry{cmd::kZoomRegion, Needs::kNothing, ZoomRegionCommand},
    CommandEntry{cmd::kZoomRange, Needs::kNothing, ZoomRangeCommand},
    CommandEntry{cmd::kZoomOut, Needs::kNothing, ZoomOutCommand},
    CommandEntry{cmd::kZoomManual, Needs::kNothing, ZoomManualCommand},
    CommandEntry{cmd::kCopyToClipboard, Needs::kNothing, CopyCommand},
    CommandEntry{cmd::kCustomizeColors, Needs::kNothing, CustomizeColorsCommand},
    CommandEntry{cmd::kCascade, Needs::kNothing, CascadeCommand},
    CommandEntry{cmd::kTile, Needs::kNothing, TileCommand},
    CommandEntry{cmd::kCloseAll, Needs::kNothing, CloseAllCommand},
    CommandEntry{cmd::kDuplicate, Needs::kNothing, DuplicateCommand},
    CommandEntry{cmd::kHelpContents, Needs::kNothing, HelpContentsCommand},
    CommandEntry{cmd::kHelpOnHelp, Needs::kNothing, HelpOnHelpCommand},
    CommandEntry{cmd::kAbout, Needs::kNothing, AboutCommand},
};

}  // namespace

const CommandEntry* FindCommand(int id) {
  for (const auto& entry : kCommands)
    if (entry.id == id) return &entry;
  return nullptr;
}

}  // namespace kora
