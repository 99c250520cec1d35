// Moving one series from one project to another, as the Project Editor does
// when a series node is dropped on a project node.
#pragma once

#include <optional>
#include <string>

#include "app/registry.h"
#include "platform/platform.h"

namespace kora {

struct TransferRefusal {
  std::string caption, text;
};

// Moves series k (from 1) of the project in slot `from` to the project in
// slot `to`, by the kinds of the two:
//   univariate to univariate: the series replaces the target's data, as a new
//     import does; the source is left without data;
//   univariate to multivariate: it becomes the target's last series; the
//     source is left without data;
//   multivariate to univariate: series k replaces the target's data;
//   multivariate to multivariate: series k becomes the target's last series;
// a multivariate source keeps its other series. A source without data moves
// nothing. A multivariate target that holds data takes only a series of its
// own length: otherwise the refusal, and both projects stay as they were.
std::optional<TransferRefusal> TransferSeries(platform::Platform& ui, ProjectRegistry& registry, int from,
                                              int series, int to);

}  // namespace kora
