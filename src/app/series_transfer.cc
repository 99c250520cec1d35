#include "app/series_transfer.h"

#include "multivariate/series_membership.h"
#include "project/project_views.h"

namespace kora {

std::optional<TransferRefusal> TransferSeries(platform::Platform& ui, ProjectRegistry& registry, int from,
                                              int series, int to) {
  RegistrySlot& source = registry[from];
  RegistrySlot& target = registry[to];
  if (from == to || source.kind == kNoProject || target.kind == kNoProject) return std::nullopt;
  const bool fromUnivariate = source.kind == kUnivariate;
  const size_t length = fromUnivariate ? source.univariate->series.size()
                                       : static_cast<size_t>(SeriesLength(*source.multivariate, series));
  if (length == 0) return std::nullopt;
  if (target.kind == kMultivariate && !AcceptsSeries(*target.multivariate, length))
    return TransferRefusal{"KORA Project Editor", "Cannot transfer: the series has " +
                                                      std::to_string(length) +
                                                      " values, the series of the target project have " +
                                                      std::to_string(target.multivariate->data.n) + "."};

  std::vector<double> values;
  if (fromUnivariate) {
    values = source.univariate->series;
    ResetForNewData(ui, *source.univariate);
  } else {
    values = TakeSeries(ui, *source.multivariate, series);
  }
  if (target.kind == kUnivariate)
    SetData(ui, *target.univariate, std::move(values));
  else
    AddSeries(ui, *target.multivariate, std::move(values));
  return std::nullopt;
}

}  // namespace kora
