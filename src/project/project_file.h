// The project file (".KRA"): a univariate project's model, data and
// transformation list with the program's colour table, little-endian binary.
//
//   int32 2267 | 15 int32 colours | int32 p | int32 q | 27 reals phi | 27 reals theta
//   | int32 firstIndex | int32 lastIndex | n reals series | int32 m | m step records
//
// n = lastIndex - firstIndex + 1, except that a project without data is saved
// with both indices 0 and no values (and reads back without data). Steps are
// stored oldest first, each an int32 kind and its fields:
//   1 difference     int32 k, k reals (the saved head values; k is the lag)
//   2 Box-Cox        real lambda
//   4 classical      int32 m', m' reals (seasonal component), int32 trend degree, 3 reals
//   8 harmonic       int32 count, 4 int32 indices, 4 reals cos, 4 reals sin, real mean,
//                    int32 trend degree, 3 reals
//   16 subtract mean real mean
//   32 subsequence   int32 f, int32 l, (firstIndex - f) leading reals, (l - lastIndex) trailing reals
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "plot/plot_window.h"
#include "project/file_error.h"
#include "project/univariate_project.h"

namespace kora {

inline constexpr int kProjectFileMagic = 2267;

// The indices written are firstIndex and firstIndex + n - 1 for the n values
// of project.series (0 and 0 without data); a subsequence step's f and l are
// written so that the reader finds its counts (see project_file.cc).
// Errors: "Cannot open file" / "Cannot write to file" ("TarnSave()").
std::optional<FileError> WriteProjectFile(const std::string& path, const UnivariateProject& project,
                                          const ColourTable& colours);

enum class ProjectReadStatus { Read, NotProjectFile, Failed };

// Everything a project file holds.
struct ProjectContents {
  ColourTable colours{};
  int arOrder = 0, maOrder = 0;
  std::array<double, kMaxCoefficients> phi{}, theta{};
  int firstIndex = 0, lastIndex = 0;
  std::vector<double> series;
  std::vector<TransformStep> transforms;  // oldest first
};

struct ProjectReadResult {
  ProjectReadStatus status = ProjectReadStatus::Failed;
  std::optional<FileError> error;  // set with Failed
  ProjectContents contents;        // with Read
};

// NotProjectFile, without a message, when the file is shorter than the magic
// or its first four bytes are not 2267 (Open then tries the text reader, so
// an empty text file still imports as an empty series).
// Failed: "Cannot open file" ("TarnRead()") when the file cannot be opened or
// its magic cannot be read; "Cannot read file" ("TarnRead()") when anything
// after the magic is missing or impossible (orders outside 0..27, indices
// with lastIndex < firstIndex - 1, counts that are negative or larger than
// the rest of the file, unknown step kinds, lags below 1, trend degrees
// outside 0..2, harmonic counts outside 0..4). On Failed the project and the
// colours are left exactly as they were.
// Read sets the colours, project.model's orders and coefficients,
// firstIndex, lastIndex, series, transforms (oldest first) and empties
// untransformedSeries; nothing else in the project changes.
ProjectReadResult ReadProjectFile(const std::string& path, UnivariateProject& project, ColourTable& colours);

// The same in two steps, so that a project is only touched once its new
// contents are known: the reading (the statuses and errors above) and the
// installing of what was read.
ProjectReadResult ReadProjectContents(const std::string& path);
void InstallProjectContents(ProjectContents contents, UnivariateProject& project, ColourTable& colours);

}  // namespace kora
