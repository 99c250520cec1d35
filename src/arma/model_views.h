// What the ARMA model shows in windows: the model ACF/PACF curves, the
// AR/MA Infinity report, and the switch of a non-invertible MA part to its
// invertible equivalent.
#pragma once

#include <string>

#include "platform/platform.h"
#include "project/univariate_project.h"

namespace kora {

// Computes the model ACF/PACF (modelAcfLags lags) into the record and draws
// the ACF/PACF window, creating it when needed. False when the model is not
// causal (the stored curves are then left as they were).
bool ModelAcfPlot(platform::Platform& ui, UnivariateProject& project);
// Statistics > ACF/PACF > Model and > Sample / Model.
void ModelAcfCommand(platform::Platform& ui, UnivariateProject& project);
void SampleModelAcfCommand(platform::Platform& ui, UnivariateProject& project);

std::string ArMaInfinityText(const UnivariateProject& project);
// Writes the report into its window, creating the window when absent.
void ArMaInfinityReport(platform::Platform& ui, UnivariateProject& project);

// Replaces a non-invertible MA part by its invertible equivalent and rescales
// sigma2; an invertible model only gets the message. Returns whether the
// model changed (the caller refreshes the views).
bool SwitchToInvertible(platform::Platform& ui, UnivariateProject& project);

// The model's share of a refresh after a model change: the model ACF curves
// (when shown) and the AR/MA Infinity report (when open).
void RefreshModelViews(platform::Platform& ui, UnivariateProject& project);

}  // namespace kora
