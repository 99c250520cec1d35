// Command identifiers of both menu bars and the toolbar. A menu entry, a
// toolbar button and a script's "command ID" line all reach the same id.
#pragma once

namespace kora::cmd {

inline constexpr int kPrint = 40005;
inline constexpr int kExport = 40006;
inline constexpr int kExit = 40008;
inline constexpr int kCopyToClipboard = 40011;
inline constexpr int kHelpContents = 40013;
inline constexpr int kHelpOnHelp = 40015;
inline constexpr int kAbout = 40016;
inline constexpr int kZoomRange = 40025;
inline constexpr int kZoomOut = 40026;
inline constexpr int kZoomRegion = 40027;
inline constexpr int kDuplicate = 40041;
inline constexpr int kInfo = 40042;
inline constexpr int kZoomManual = 40043;
inline constexpr int kDifference = 40044;
inline constexpr int kSpecifyModel = 40045;
inline constexpr int kSampleAcf = 40047;
inline constexpr int kModelAcf = 40048;
inline constexpr int kSampleModelAcf = 40049;
inline constexpr int kSpecifyLag = 40050;
inline constexpr int kPeriodogram = 40051;
inline constexpr int kModelSpectrum = 40052;
inline constexpr int kModelAndPeriodogram = 40053;
inline constexpr int kUndo = 40055;
inline constexpr int kBoxCox = 40056;
inline constexpr int kSubtractMean = 40061;
inline constexpr int kHistogram = 40064;
inline constexpr int kHistogramBins = 40065;
inline constexpr int kClassical = 40066;
inline constexpr int kSubsequence = 40067;
inline constexpr int kMinimizeProject = 40068;
inline constexpr int kCloseProject = 40069;
inline constexpr int kRestoreProject = 40070;
inline constexpr int kCloseAll = 40072;
inline constexpr int kRenameProject = 40073;
inline constexpr int kTile = 40074;
inline constexpr int kCascade = 40075;
inline constexpr int kEstimationBlank = 40077;
inline constexpr int kPreliminary = 40078;
inline constexpr int kMaxLikelihood = 40079;
inline constexpr int kResidualPlot = 40082;
inline constexpr int kResidualHistogram = 40083;
inline constexpr int kResidualAcf = 40084;
inline constexpr int kTestsOfRandomness = 40085;
inline constexpr int kArmaForecast = 40086;
inline constexpr int kSimulate = 40087;
inline constexpr int kArmaInfinity = 40090;
inline constexpr int kNewProject = 40091;
inline constexpr int kOpenProject = 40095;
inline constexpr int kSaveProject = 40096;
inline constexpr int kSaveProjectAs = 40097;
inline constexpr int kImportFile = 40098;
inline constexpr int kSwitchToInvertible = 40105;
inline constexpr int kShowClassicalFit = 40115;
inline constexpr int kCustomizeColors = 40117;
inline constexpr int kArarForecast = 40118;
inline constexpr int kHoltWinters = 40119;
inline constexpr int kSeasonalHoltWinters = 40120;
inline constexpr int kExponentialSmoothing = 40122;
inline constexpr int kFftSmoothing = 40123;
inline constexpr int kMovingAverage = 40124;
inline constexpr int kSmoothedPeriodogram = 40127;
inline constexpr int kLogSpectrum = 40128;
inline constexpr int kFisherTest = 40129;
inline constexpr int kCumulativeModel = 40131;
inline constexpr int kCumulativePeriodogram = 40132;
inline constexpr int kCumulativeBoth = 40133;
inline constexpr int kMvSimulate = 40138;
inline constexpr int kMvCrossAcf = 40139;
inline constexpr int kMvBurg = 40140;
inline constexpr int kMvYuleWalker = 40141;
inline constexpr int kMvForecast = 40142;
inline constexpr int kMvDifference = 40147;
inline constexpr int kMvUndo = 40148;
inline constexpr int kMvSubtractMeans = 40149;
inline constexpr int kMvTrim = 40150;
inline constexpr int kProjectEditor = 40151;
inline constexpr int kImportClipboard = 40152;
inline constexpr int kRegressionSpecify = 40153;
inline constexpr int kLeastSquares = 40156;
inline constexpr int kGeneralizedLs = 40157;
inline constexpr int kRegressionRemove = 40158;
inline constexpr int kRegressionShowFit = 40159;
// Plot menu entries beyond the resource's identifiers.
inline constexpr int kSavePicture = 40185;
inline constexpr int kPredictionBands = 40186;
// Model > Autofit: the ARMA order search.
inline constexpr int kAutofit = 40187;
inline constexpr int kSaveSessionScript = 40170;

// Window > Next: the next window in the stacking order becomes active (Ctrl+F6).
inline constexpr int kNextWindow = 40180;

}  // namespace kora::cmd
