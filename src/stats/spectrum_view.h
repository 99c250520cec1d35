// The spectrum and cumulative spectrum windows of a project: computing the
// spectral estimates into the record and drawing them.
#pragma once

#include "platform/platform.h"
#include "project/univariate_project.h"

namespace kora {

// Which curves the cumulative spectrum shows.
enum CumulativeMode : int { kCumulativePeriodogram = 1, kCumulativeModel = 2, kCumulativeBoth = 4 };

// Periodogram, Fisher's test (with a series), the model spectrum (always, with
// one message per singular grid point) and, while one is in use, the smoothed
// periodogram with the stored Daniell filters.
void ComputeSpectra(platform::Platform& ui, UnivariateProject& project);
// Recomputes the Daniell weights from the stored filters and, when h >= 1,
// the smoothed periodogram; with h = 0 the smoothed array is freed.
void ApplyDaniellSmoothing(UnivariateProject& project);
// Opens the spectrum window when needed ("SPECTRUM: " + project name).
void OpenSpectrumWindow(platform::Platform& ui, UnivariateProject& project);
// Puts the shown curves into an open spectrum window (log scale with one
// message per null value).
void DrawSpectrum(platform::Platform& ui, UnivariateProject& project);
// Computes and draws the cumulative spectrum in its window; returns whether
// anything was drawn.
bool CumulativeSpectrum(platform::Platform& ui, UnivariateProject& project, int mode);
// The mode matching the curves an open cumulative window shows, 0 when none.
int CumulativeModeShown(const UnivariateProject& project);
// The refresh after a data or model change: spectra and cumulative spectra of
// open windows, with their reports; the periodogram only after a data change.
void RefreshSpectrumViews(platform::Platform& ui, UnivariateProject& project, bool dataChanged);

}  // namespace kora
