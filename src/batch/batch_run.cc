#include "batch/batch_run.h"

#include <atomic>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <thread>

#include "batch/batch_output.h"
#include "batch/fit_series.h"
#include "batch/series_source.h"

namespace kora {
namespace {

using Clock = std::chrono::steady_clock;

// Series read, fitted and written together: enough to keep every thread busy,
// few enough that memory stays flat.
constexpr size_t kChunkPerThread = 64;

std::string Clock2(double seconds) {
  const long s = static_cast<long>(seconds + 0.5);
  char text[32];
  std::snprintf(text, sizeof text, "%ld:%02ld:%02ld", s / 3600, s / 60 % 60, s % 60);
  return text;
}

void ShowProgress(std::ostream& log, double fraction, long done, double seconds) {
  constexpr int kWidth = 30;
  const int filled = static_cast<int>(fraction * kWidth);
  const double rate = seconds > 0.0 ? done / seconds : 0.0;
  const double left = fraction > 0.0 ? seconds * (1.0 - fraction) / fraction : 0.0;
  char text[64];
  std::snprintf(text, sizeof text, "%.1f series/s", rate);
  log << "\r[" << std::string(filled, '#') << std::string(kWidth - filled, ' ') << "] " << done << " series, "
      << text << ", " << Clock2(left) << " left " << std::flush;
}

}  // namespace

std::string FitLines(const Recipe& recipe, const std::vector<SeriesInput>& chunk, int threads) {
  std::vector<std::string> lines(chunk.size());
  std::atomic<size_t> next{0};
  auto work = [&] {
    for (size_t i; (i = next++) < chunk.size();) {
      SeriesFit fit;
      fit.error = chunk[i].error;
      if (fit.error.empty()) fit = FitSeries(recipe, chunk[i].values);
      lines[i] = OutputLine(recipe, chunk[i].id, fit);
    }
  };
  std::vector<std::jthread> pool;
  for (int t = 1; t < threads; ++t) pool.emplace_back(work);
  work();
  pool.clear();
  std::string text;
  for (const std::string& line : lines) text += line;
  return text;
}

int RunBatch(const std::string& recipePath, const std::string& inputPath, const std::string& outputPath,
             const BatchOptions& options, std::ostream& log) {
  std::ifstream recipeFile(recipePath);
  if (!recipeFile) return log << "kora batch: cannot read recipe " << recipePath << "\n", 1;
  std::stringstream recipeText;
  recipeText << recipeFile.rdbuf();
  const RecipeResult parsed = ParseRecipe(recipeText.str());
  if (!parsed.recipe) return log << "kora batch: " << recipePath << ": " << parsed.error << "\n", 1;
  const Recipe& recipe = *parsed.recipe;
  std::string error;
  std::unique_ptr<SeriesSource> source = OpenSeriesSource(inputPath, error);
  if (!source) return log << "kora batch: " << error << "\n", 1;
  const std::string header = OutputHeader(recipe);
  const ResumeState resume = ReadExistingOutput(outputPath, header);
  if (!resume.error.empty()) return log << "kora batch: " << resume.error << "\n", 1;
  std::FILE* out = std::fopen(outputPath.c_str(), "ab");
  if (!out) return log << "kora batch: cannot write output " << outputPath << "\n", 1;
  if (!resume.exists) std::fputs(header.c_str(), out);

  const int threads =
      options.threads > 0 ? options.threads : std::max(1u, std::thread::hardware_concurrency());
  const auto start = Clock::now();
  long written = 0, skipped = 0;
  bool ok = true;
  for (bool more = true; more && ok;) {
    std::vector<SeriesInput> chunk;
    while (chunk.size() < kChunkPerThread * threads) {
      std::optional<SeriesInput> series = source->Next();
      if (!series) {
        more = false;
        break;
      }
      if (resume.done.count(series->id))
        ++skipped;
      else
        chunk.push_back(std::move(*series));
    }
    const std::string text = FitLines(recipe, chunk, threads);
    // One write and a flush a chunk: an interruption leaves whole lines, and at most a cut last one.
    ok = std::fwrite(text.data(), 1, text.size(), out) == text.size() && std::fflush(out) == 0;
    written += static_cast<long>(chunk.size());
    if (options.progress)
      ShowProgress(log, source->Fraction(), written,
                   std::chrono::duration<double>(Clock::now() - start).count());
  }
  ok = std::fclose(out) == 0 && ok;
  if (options.progress) log << "\n";
  if (!ok) return log << "kora batch: writing " << outputPath << " failed\n", 1;
  log << "kora batch: " << written << " series written";
  if (skipped > 0) log << ", " << skipped << " already in the output skipped";
  log << "\n";
  return 0;
}

}  // namespace kora
