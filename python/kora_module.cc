// The engine's batch functions for Python: fit one series, the output lines of
// many, the series of an input one at a time, and the whole batch. The GIL is
// released while the engine computes.
#include <pybind11/numpy.h>
#include <pybind11/pybind11.h>
#include <pybind11/stl.h>

#include "batch/batch_output.h"
#include "batch/batch_run.h"
#include "batch/fit_series.h"
#include "batch/recipe.h"
#include "batch/series_source.h"

namespace py = pybind11;

namespace kora {
namespace {

Recipe ReadRecipe(const std::string& text) {
  RecipeResult result = ParseRecipe(text);
  if (!result.recipe) throw py::value_error(result.error);
  return *result.recipe;
}

py::dict Fit(const std::string& recipeText,
             py::array_t<double, py::array::c_style | py::array::forcecast> values) {
  const Recipe recipe = ReadRecipe(recipeText);
  std::vector<double> x(values.data(), values.data() + values.size());
  SeriesFit fit;
  {
    py::gil_scoped_release release;
    fit = FitSeries(recipe, x);
  }
  if (!fit.error.empty()) throw py::value_error(fit.error);
  py::dict out;
  out["coefficients"] = py::array(py::cast(fit.coefficients));
  out["sigma2"] = fit.sigma2;
  out["aicc"] = fit.aicc ? py::cast(*fit.aicc) : py::none();
  if (fit.tests) {
    const RandomnessStats& t = *fit.tests;
    out["tests"] =
        py::dict(py::arg("h") = t.h, py::arg("ljung_box") = t.ljungBox, py::arg("mcleod_li") = t.mcLeodLi,
                 py::arg("turning_points") = t.turningPoints, py::arg("difference_signs") = t.differenceSigns,
                 py::arg("rank_pairs") = t.rankPoints, py::arg("min_aicc_order") = t.minAiccOrder);
  } else {
    out["tests"] = py::none();
  }
  out["forecast"] = py::array(py::cast(fit.forecasts));
  out["lower"] = py::array(py::cast(fit.lower));
  out["upper"] = py::array(py::cast(fit.upper));
  return out;
}

// items: (id, values, error) triples, as read_series gives them.
std::string Lines(const std::string& recipeText,
                  const std::vector<std::tuple<std::string, std::vector<double>, std::string>>& items,
                  int threads) {
  const Recipe recipe = ReadRecipe(recipeText);
  std::vector<SeriesInput> chunk;
  for (const auto& [id, values, error] : items) chunk.push_back({id, values, error});
  py::gil_scoped_release release;
  return FitLines(recipe, chunk, threads);
}

}  // namespace
}  // namespace kora

PYBIND11_MODULE(_kora, m) {
  using namespace kora;
  m.def("fit", &Fit, py::arg("recipe"), py::arg("values"));
  m.def("lines", &Lines, py::arg("recipe"), py::arg("items"), py::arg("threads") = 1);
  m.def("header", [](const std::string& recipe) { return OutputHeader(ReadRecipe(recipe)); });
  m.def(
      "read_series",
      [](const std::string& path) {
        std::string error;
        std::shared_ptr<SeriesSource> source = OpenSeriesSource(path, error);
        if (!source) throw py::value_error(error);
        return source;
      },
      py::arg("path"));
  py::class_<SeriesSource, std::shared_ptr<SeriesSource>>(m, "SeriesSource")
      .def("__iter__", [](py::object self) { return self; })
      .def("__next__", [](SeriesSource& source) {
        std::optional<SeriesInput> series = source.Next();
        if (!series) throw py::stop_iteration();
        return py::make_tuple(series->id, series->values, series->error);
      });
  m.def("done_ids", [](const std::string& output, const std::string& header) {
    ResumeState state = ReadExistingOutput(output, header);
    if (!state.error.empty()) throw py::value_error(state.error);
    return py::make_tuple(state.done, state.exists);
  });
  m.def(
      "batch",
      [](const std::string& recipe, const std::string& input, const std::string& output, int threads) {
        py::gil_scoped_release release;
        std::ostringstream log;
        const int code = RunBatch(recipe, input, output, {threads, false}, log);
        py::gil_scoped_acquire acquire;
        if (code != 0) throw py::value_error(log.str());
        return log.str();
      },
      py::arg("recipe"), py::arg("input"), py::arg("output"), py::arg("threads") = 0);
}
