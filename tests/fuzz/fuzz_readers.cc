// Feeds random files, random text and mutations of valid project, part and
// text files to every reader. A crash or sanitizer report fails the run; so
// does a result that breaks what the readers promise (exit status 1).
//   fuzz_readers [rounds]   (default 3000; the seed is fixed)
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "project/part_file.h"
#include "project/project_file.h"
#include "project/text_export.h"
#include "project/text_import.h"

namespace {

using namespace kora;

int failures = 0;
int projectsRead = 0, partFilesRead = 0;  // how often the readers accepted an input

void Violation(int round, const std::string& what) {
  if (++failures <= 20) std::fprintf(stderr, "round %d: %s\n", round, what.c_str());
}

std::string Contents(const std::string& path) {
  std::ostringstream text;
  text << std::ifstream(path, std::ios::binary).rdbuf();
  return text.str();
}

void WriteFile(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

bool SameValues(const std::vector<double>& a, const std::vector<double>& b) {
  return a.size() == b.size() && (a.empty() || std::memcmp(a.data(), b.data(), 8 * a.size()) == 0);
}

// Valid files to mutate.
std::vector<std::string> MakeSeeds(const std::filesystem::path& dir) {
  std::vector<std::string> seeds;
  ColourTable colours = DefaultColours();
  std::string path = (dir / "seed").string();

  UnivariateProject project;
  for (int i = 0; i < 30; ++i) project.series.push_back(std::sin(i) * 10 + i);
  project.firstIndex = 4;
  project.lastIndex = 33;
  project.model.arOrder = 2;
  project.model.phi[0] = 0.5;
  project.model.maOrder = 1;
  project.model.theta[0] = -0.3;
  TransformStep boxCox, seasonal, harmonic, difference, mean, cut;
  boxCox.kind = kBoxCox;
  boxCox.lambda = 0.5;
  seasonal.kind = kClassicalSeasonal;
  seasonal.period = 3;
  seasonal.seasonal = {1, -0.5, -0.5};
  harmonic.kind = kClassicalHarmonic;
  harmonic.harmonicCount = 2;
  harmonic.fourierIndex = {1, 3, 0, 0};
  difference.kind = kDifference;
  difference.lag = 2;
  difference.savedHead = {1, 2};
  mean.kind = kSubtractMean;
  mean.mean = 1.25;
  cut.kind = kSubsequence;
  cut.leading = {5};
  cut.trailing = {6, 7};
  for (auto steps : std::vector<std::vector<TransformStep>>{
           {boxCox, seasonal, difference, mean}, {harmonic, difference, cut}, {cut, difference}, {}}) {
    project.transforms = steps;
    WriteProjectFile(path, project, colours);
    seeds.push_back(Contents(path));
  }
  WriteProjectFile(path, UnivariateProject{}, colours);
  seeds.push_back(Contents(path));

  WritePartFile(path, project.series);
  std::string parts = Contents(path);
  // A skipped part between the header and the data.
  std::string skipped = parts.substr(0, 12) + std::string("\x25\x26\0\0\x14\0\0\0", 8) +
                        std::string(12, 'x') + parts.substr(12);
  seeds.push_back(parts);
  seeds.push_back(skipped);

  seeds.push_back("1.5\n2.5 3\n\n-4D2, 7\r\n5e-3\n6");
  seeds.push_back("1\t2\t3\r\n4\t5\r\n7\t8\t9\r\n");
  seeds.push_back("0.1 0.2\n0.3\n0.4\n0.5 0.6 0.7\n");
  return seeds;
}

std::string RandomBytes(std::mt19937& random, size_t length) {
  std::string bytes(length, '\0');
  for (char& c : bytes) c = static_cast<char>(random() & 0xff);
  return bytes;
}

std::string RandomText(std::mt19937& random, size_t length) {
  static const std::vector<std::string> pieces{
      "0",   "1",   "7",         "9",     ".",     "-",       "+",
      "e",   "E",   "D",         "d",     " ",     " ",       "\t",
      ",",   "\n",  "\n",        "\r\n",  "\r",    "x",       "nan",
      "NaN", "inf", "-Infinity", "1e308", "1e309", "-1e-400", "1.7976931348623157e308",
      "\0"};
  std::string text;
  while (text.size() < length) {
    const std::string& piece = pieces[random() % pieces.size()];
    text += piece == "\0" ? std::string(1, '\0') : piece;
  }
  return text;
}

void SetInt(std::string& bytes, size_t offset, int32_t value) {
  if (offset + 4 > bytes.size()) return;
  for (int i = 0; i < 4; ++i)
    bytes[offset + i] = static_cast<char>((static_cast<uint32_t>(value) >> (8 * i)) & 0xff);
}

std::string Mutate(std::mt19937& random, std::string bytes) {
  int edits = 1 + random() % 3;
  for (int e = 0; e < edits; ++e) {
    switch (random() % 6) {
      case 0:  // bit flips
        for (int k = 0, flips = 1 + random() % 8; k < flips && !bytes.empty(); ++k)
          bytes[random() % bytes.size()] ^= static_cast<char>(1 << (random() % 8));
        break;
      case 1:  // truncation
        bytes.resize(bytes.empty() ? 0 : random() % bytes.size());
        break;
      case 2: {  // a count field set to something huge or negative
        static const int32_t values[] = {-1,         0,          1,         27,   28,   1 << 30,
                                         -(1 << 30), 0x7fffffff, INT32_MIN, 2267, 9923, 9924};
        size_t offset = bytes.size() < 4 ? 0 : 4 * (random() % (bytes.size() / 4));
        SetInt(bytes, offset, values[random() % std::size(values)]);
        break;
      }
      case 3: {  // NaN and infinity texts
        static const char* texts[] = {"nan\n", "inf\n", "-inf\n", "NaN ", "1e999\n", "\n\n"};
        bytes.insert(bytes.empty() ? 0 : random() % bytes.size(), texts[random() % std::size(texts)]);
        break;
      }
      case 4:  // a very long line
        bytes.insert(bytes.empty() ? 0 : random() % bytes.size(),
                     std::string(70000 + random() % 1000, random() % 2 ? ' ' : '5'));
        break;
      default:  // random bytes spliced in
        bytes.insert(bytes.empty() ? 0 : random() % bytes.size(), RandomBytes(random, 1 + random() % 16));
        break;
    }
  }
  return bytes;
}

bool AllFinite(const std::vector<double>& values) {
  return std::all_of(values.begin(), values.end(), [](double v) { return std::isfinite(v); });
}

void CheckPartFile(int round, const std::string& path, size_t size) {
  PartFileResult result = ReadPartFile(path);
  if (result.status == PartFileResult::Read) ++partFilesRead;
  if (result.status == PartFileResult::Read && (result.error || result.values.size() * 8 > size))
    Violation(round, "part file read with an error or more values than bytes");
  if (result.status == PartFileResult::Failed && (!result.error || !result.values.empty()))
    Violation(round, "part file failed without a message or with values");
  if (result.status == PartFileResult::NotPartFile && result.error)
    Violation(round, "not a part file, with a message");
}

void CheckProjectFile(int round, const std::string& path, const std::string& scratch) {
  UnivariateProject project;
  ColourTable colours{};
  ProjectReadResult result = ReadProjectFile(path, project, colours);
  if (result.status != ProjectReadStatus::Read) {
    if ((result.status == ProjectReadStatus::Failed) != result.error.has_value())
      Violation(round, "project file status and message disagree");
    if (project.HasData() || !project.transforms.empty() || colours != ColourTable{})
      Violation(round, "a failed project read changed the project");
    return;
  }
  ++projectsRead;
  int64_t expected = project.firstIndex == 0 && project.lastIndex == 0
                         ? 0
                         : int64_t{project.lastIndex} - project.firstIndex + 1;
  if (static_cast<int64_t>(project.series.size()) != expected)
    Violation(round, "series size != lastIndex-firstIndex+1");
  if (project.model.arOrder < 0 || project.model.arOrder > 27 || project.model.maOrder < 0 ||
      project.model.maOrder > 27)
    Violation(round, "orders outside 0..27");
  for (const TransformStep& step : project.transforms) {
    if (step.kind == kDifference && (step.lag < 1 || static_cast<int>(step.savedHead.size()) != step.lag))
      Violation(round, "difference step with a bad lag");
    if (step.trendDegree < 0 || step.trendDegree > 2) Violation(round, "trend degree outside 0..2");
  }
  // What was read is saved again and reads back the same.
  if (auto error = WriteProjectFile(scratch, project, colours)) {
    Violation(round, "cannot save a project that was read");
    return;
  }
  UnivariateProject again;
  ColourTable againColours{};
  if (ReadProjectFile(scratch, again, againColours).status != ProjectReadStatus::Read ||
      !SameValues(again.series, project.series) || again.transforms.size() != project.transforms.size() ||
      againColours != colours || again.firstIndex != project.firstIndex)
    Violation(round, "a project read back differs after saving");
  for (size_t i = 0; i < project.transforms.size() && i < again.transforms.size(); ++i) {
    const TransformStep &a = project.transforms[i], &b = again.transforms[i];
    if (a.kind != b.kind || !SameValues(a.leading, b.leading) || !SameValues(a.trailing, b.trailing) ||
        a.oldFirstIndex != b.oldFirstIndex || a.oldLastIndex != b.oldLastIndex)
      Violation(round, "a step read back differs after saving");
  }
}

// Line breaks as the readers count them: CR LF, LF and a lone CR each end a line.
size_t LineBreaks(const std::string& bytes) {
  size_t breaks = 0;
  for (size_t i = 0; i < bytes.size(); ++i)
    if (bytes[i] == '\n' || (bytes[i] == '\r' && (i + 1 == bytes.size() || bytes[i + 1] != '\n'))) ++breaks;
  return breaks;
}

void CheckTextReaders(int round, std::mt19937& random, const std::string& path, const std::string& bytes) {
  // A file either fails with a message or gives at least one finite value.
  RawDataResult raw = ReadRawData(path);
  if (!raw.error && (raw.values.empty() || !AllFinite(raw.values)))
    Violation(round, "text file read gave nothing or a non-finite value without an error");
  const size_t breaks = LineBreaks(bytes);
  if (raw.values.size() > breaks + 1) Violation(round, "more values than lines");

  // Every line but the last is read; a heading line may be passed over.
  auto series = ReadClipboardSeries(bytes);
  if (series && (breaks == 0 || series->empty() || series->size() + 1 < breaks || series->size() > breaks ||
                 !AllFinite(*series)))
    Violation(round, "clipboard series breaks the line rule");
  auto table = ReadClipboardTable(bytes);
  if (table && breaks == 0) Violation(round, "clipboard table breaks the line rule");
  if (table && (table->empty() || table->size() > 256))
    Violation(round, "clipboard table with a bad column count");
  if (table)
    for (const auto& column : *table)
      if (column.size() != table->front().size() || column.size() > breaks || !AllFinite(column))
        Violation(round, "clipboard table column of the wrong length");

  int columns = random() % 8 == 0 ? 1000000000 : 1 + static_cast<int>(random() % 5);
  FileError error;
  auto multivariate = ReadMultivariateText(path, columns, &error);
  if (!multivariate) {
    Violation(round, "multivariate text read failed");
  } else if (!multivariate->empty()) {
    if (static_cast<int>(multivariate->size()) != columns)
      Violation(round, "multivariate table with wrong column count");
    for (const auto& column : *multivariate)
      if (column.size() != multivariate->front().size() || !AllFinite(column))
        Violation(round, "multivariate series of unequal length");
  }
}

}  // namespace

int main(int argc, char** argv) {
  int rounds = argc > 1 ? std::atoi(argv[1]) : 3000;
  std::filesystem::path dir =
      std::filesystem::temp_directory_path() / ("kora_fuzz_readers_" + std::to_string(getpid()));
  std::filesystem::create_directories(dir);
  const std::string input = (dir / "input").string(), scratch = (dir / "scratch.kra").string();
  std::vector<std::string> seeds = MakeSeeds(dir);
  std::mt19937 random(20240611);

  for (int round = 0; round < rounds; ++round) {
    std::string bytes;
    switch (random() % 4) {
      case 0:
        bytes = RandomBytes(random, random() % 4096);
        break;
      case 1:
        bytes = RandomText(random, random() % 4096);
        break;
      default:
        bytes = Mutate(random, seeds[random() % seeds.size()]);
        break;
    }
    WriteFile(input, bytes);
    CheckPartFile(round, input, bytes.size());
    CheckProjectFile(round, input, scratch);
    CheckTextReaders(round, random, input, bytes);
  }
  std::filesystem::remove_all(dir);
  std::printf("%d rounds (%d project files and %d part files read), %d violations\n", rounds, projectsRead,
              partFilesRead, failures);
  return failures == 0 ? 0 : 1;
}
