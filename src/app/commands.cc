#include "app/commands.h"

#include <array>

#include "app/command_ids.h"

namespace kora {

namespace {

constexpr std::array kCommands = {
    CommandSpec{cmd::kNewProject, Needs::kNothing, NewProjectCommand},
    CommandSpec{cmd::kOpenProject, Needs::kNothing, OpenProjectCommand},
    CommandSpec{cmd::kSaveProject, Needs::kProject, SaveProjectCommand},
    CommandSpec{cmd::kSaveProjectAs, Needs::kProject, SaveProjectAsCommand},
    CommandSpec{cmd::kCloseProject, Needs::kProject, CloseProjectCommand},
    CommandSpec{cmd::kRenameProject, Needs::kProject, RenameProjectCommand},
    CommandSpec{cmd::kMinimizeProject, Needs::kProject, MinimizeProjectCommand},
    CommandSpec{cmd::kRestoreProject, Needs::kProject, RestoreProjectCommand},
    CommandSpec{cmd::kImportFile, Needs::kProject, ImportFileCommand},
    CommandSpec{cmd::kImportClipboard, Needs::kProject, ImportClipboardCommand},
    CommandSpec{cmd::kExport, Needs::kProject, ExportCommand},
    CommandSpec{cmd::kPrint, Needs::kNothing, PrintCommand},
    CommandSpec{cmd::kExit, Needs::kNothing, ExitCommand},
    CommandSpec{cmd::kBoxCox, Needs::kUnivariate, BoxCoxCommand},
    CommandSpec{cmd::kDifference, Needs::kUnivariate, DifferenceCommand},
    CommandSpec{cmd::kSubtractMean, Needs::kUnivariate, SubtractMeanCommand},
    CommandSpec{cmd::kSubsequence, Needs::kUnivariate, SubsequenceCommand},
    CommandSpec{cmd::kUndo, Needs::kUnivariate, UndoCommand},
    CommandSpec{cmd::kSampleAcf, Needs::kUnivariate, SampleAcfCommand},
    CommandSpec{cmd::kSpecifyLag, Needs::kUnivariate, SpecifyLagCommand},
    CommandSpec{cmd::kHistogram, Needs::kUnivariate, HistogramCommand},
    CommandSpec{cmd::kHistogramBins, Needs::kUnivariate, HistogramBinsCommand},
    CommandSpec{cmd::kResidualHistogram, Needs::kUnivariate, ResidualHistogramCommand},
    CommandSpec{cmd::kSpecifyModel, Needs::kUnivariate, SpecifyModelCommand},
    CommandSpec{cmd::kModelAcf, Needs::kUnivariate, ModelAcfCommand},
    CommandSpec{cmd::kSampleModelAcf, Needs::kUnivariate, SampleModelAcfCommand},
    CommandSpec{cmd::kArmaInfinity, Needs::kUnivariate, ArmaInfinityCommand},
    CommandSpec{cmd::kSwitchToInvertible, Needs::kUnivariate, SwitchToInvertibleCommand},
    CommandSpec{cmd::kResidualPlot, Needs::kUnivariate, ResidualPlotCommand},
    CommandSpec{cmd::kResidualAcf, Needs::kUnivariate, ResidualAcfCommand},
    CommandSpec{cmd::kTestsOfRandomness, Needs::kUnivariate, TestsOfRandomnessCommand},
    CommandSpec{cmd::kPeriodogram, Needs::kUnivariate, PeriodogramCommand},
    CommandSpec{cmd::kModelSpectrum, Needs::kUnivariate, ModelSpectrumCommand},
    CommandSpec{cmd::kModelAndPeriodogram, Needs::kUnivariate, ModelAndPeriodogramCommand},
    CommandSpec{cmd::kSmoothedPeriodogram, Needs::kUnivariate, SmoothedPeriodogramCommand},
    CommandSpec{cmd::kLogSpectrum, Needs::kUnivariate, LogSpectrumCommand},
    CommandSpec{cmd::kFisherTest, Needs::kUnivariate, FisherTestCommand},
    CommandSpec{cmd::kCumulativeModel, Needs::kUnivariate, CumulativeModelCommand},
    CommandSpec{cmd::kCumulativePeriodogram, Needs::kUnivariate, CumulativePeriodogramCommand},
    CommandSpec{cmd::kCumulativeBoth, Needs::kUnivariate, CumulativeBothCommand},
    CommandSpec{cmd::kExponentialSmoothing, Needs::kUnivariate, ExponentialSmoothingCommand},
    CommandSpec{cmd::kFftSmoothing, Needs::kUnivariate, FftSmoothingCommand},
    CommandSpec{cmd::kMovingAverage, Needs::kUnivariate, MovingAverageCommand},
    CommandSpec{cmd::kClassical, Needs::kUnivariate, ClassicalCommand},
    CommandSpec{cmd::kShowClassicalFit, Needs::kUnivariate, ShowClassicalFitCommand},
    CommandSpec{cmd::kPreliminary, Needs::kUnivariate, PreliminaryCommand},
    CommandSpec{cmd::kMaxLikelihood, Needs::kUnivariate, MaxLikelihoodCommand},
    CommandSpec{cmd::kSimulate, Needs::kUnivariate, SimulateCommand},
    CommandSpec{cmd::kInfo, Needs::kNothing, InfoCommand},
    CommandSpec{cmd::kZoomRegion, Needs::kNothing, ZoomRegionCommand},
    CommandSpec{cmd::kZoomRange, Needs::kNothing, ZoomRangeCommand},
    CommandSpec{cmd::kZoomOut, Needs::kNothing, ZoomOutCommand},
    CommandSpec{cmd::kZoomManual, Needs::kNothing, ZoomManualCommand},
    CommandSpec{cmd::kCopyToClipboard, Needs::kNothing, CopyCommand},
    CommandSpec{cmd::kCascade, Needs::kNothing, CascadeCommand},
    CommandSpec{cmd::kTile, Needs::kNothing, TileCommand},
    CommandSpec{cmd::kCloseAll, Needs::kNothing, CloseAllCommand},
    CommandSpec{cmd::kDuplicate, Needs::kNothing, DuplicateCommand},
    CommandSpec{cmd::kHelpContents, Needs::kNothing, HelpContentsCommand},
    CommandSpec{cmd::kHelpOnHelp, Needs::kNothing, HelpOnHelpCommand},
    CommandSpec{cmd::kAbout, Needs::kNothing, AboutCommand},
};

}  // namespace

const CommandSpec* FindCommand(int id) {
  for (const auto& spec : kCommands)
    if (spec.id == id) return &spec;
  return nullptr;
}

}  // namespace kora
