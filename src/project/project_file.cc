#include "project/project_file.h"

#include <cstdint>
#include <limits>

#include "project/binary_stream.h"

namespace kora {

// Subsequence steps and the indices that later steps move.
//
// The reader can only know how many values a subsequence step cut off from
// the indices it has already read, the final firstIndex and lastIndex: it
// takes firstIndex - f leading and l - lastIndex trailing values. That is the
// step's true count only while no later step moves the indices (a difference
// moves firstIndex by its lag, another subsequence moves both). So the writer
// stores f = firstIndex - (leading count) and l = lastIndex + (trailing
// count), which gives the reader the right counts whatever follows, and the
// reader then derives each subsequence step's old indices step by step from
// the newest step backwards: starting from the final indices, a difference
// step moves firstIndex back by its lag and a subsequence step adds back its
// leading and trailing counts, which gives the indices it restores on undo.
// For a subsequence with no index-moving step after it (the only order the
// Transform menu offers) f and l are exactly its old indices.

namespace {

FileError SaveError(const char* text) { return {"TarnSave()", text}; }
FileError ReadError(const char* text) { return {"TarnRead()", text}; }

void WriteStep(BinaryWriter& out, const TransformStep& step, int firstIndex, int lastIndex) {
  out.WriteInt32(step.kind);
  switch (step.kind) {
    case kDifference:
      out.WriteInt32(step.lag);
      out.WriteDoubles(step.savedHead, step.lag > 0 ? static_cast<size_t>(step.lag) : 0);
      break;
    case kBoxCox:
      out.WriteDouble(step.lambda);
      break;
    case kClassicalSeasonal:
      out.WriteInt32(static_cast<int32_t>(step.seasonal.size()));
      out.WriteDoubles(step.seasonal, step.seasonal.size());
      out.WriteInt32(step.trendDegree);
      for (double c : step.trendCoefficients) out.WriteDouble(c);
      break;
    case kClassicalHarmonic:
      out.WriteInt32(step.harmonicCount);
      for (int j : step.fourierIndex) out.WriteInt32(j);
      for (double a : step.cosineCoefficients) out.WriteDouble(a);
      for (double b : step.sineCoefficients) out.WriteDouble(b);
      out.WriteDouble(step.harmonicExtra);
      out.WriteInt32(step.trendDegree);
      for (double c : step.trendCoefficients) out.WriteDouble(c);
      break;
    case kSubtractMean:
      out.WriteDouble(step.mean);
      break;
    case kSubsequence:
      out.WriteInt32(firstIndex - static_cast<int>(step.leading.size()));
      out.WriteInt32(lastIndex + static_cast<int>(step.trailing.size()));
      out.WriteDoubles(step.leading, step.leading.size());
      out.WriteDoubles(step.trailing, step.trailing.size());
      break;
    default:
      break;
  }
}

bool Read(BinaryReader& in, int& value) {
  int32_t v;
  if (!in.ReadInt32(v)) return false;
  value = v;
  return true;
}

bool Read(BinaryReader& in, double& value) { return in.ReadDouble(value); }

template <typename T, size_t N>
bool Read(BinaryReader& in, std::array<T, N>& values) {
  for (T& v : values)
    if (!Read(in, v)) return false;
  return true;
}

bool ReadTrend(BinaryReader& in, TransformStep& step) {
  return Read(in, step.trendDegree) && step.trendDegree >= 0 && step.trendDegree <= 2 &&
         Read(in, step.trendCoefficients);
}

bool ReadStep(BinaryReader& in, int firstIndex, int lastIndex, TransformStep& step) {
  if (!Read(in, step.kind)) return false;
  switch (step.kind) {
    case kDifference:
      return Read(in, step.lag) && step.lag >= 1 && in.ReadDoubles(step.lag, step.savedHead);
    case kBoxCox:
      return Read(in, step.lambda);
    case kClassicalSeasonal: {
      int count;
      if (!Read(in, count) || !in.ReadDoubles(count, step.seasonal)) return false;
      step.period = count > 0 ? count : -1;
      return ReadTrend(in, step);
    }
    case kClassicalHarmonic:
      return Read(in, step.harmonicCount) && step.harmonicCount >= 0 && step.harmonicCount <= 4 &&
             Read(in, step.fourierIndex) && Read(in, step.cosineCoefficients) &&
             Read(in, step.sineCoefficients) && Read(in, step.harmonicExtra) && ReadTrend(in, step);
    case kSubtractMean:
      return Read(in, step.mean);
    case kSubsequence:
      return Read(in, step.oldFirstIndex) && Read(in, step.oldLastIndex) &&
             in.ReadDoubles(int64_t{firstIndex} - step.oldFirstIndex, step.leading) &&
             in.ReadDoubles(int64_t{step.oldLastIndex} - lastIndex, step.trailing);
    default:
      return false;  // no program writes it; the list after it cannot be trusted
  }
}

// The old indices of each subsequence step, newest step first (see the top of the file).
bool RestoreSubsequenceIndices(std::vector<TransformStep>& steps, int firstIndex, int lastIndex) {
  int64_t first = firstIndex, last = lastIndex;
  for (auto step = steps.rbegin(); step != steps.rend(); ++step) {
    if (step->kind == kDifference) first -= step->lag;
    if (step->kind != kSubsequence) continue;
    first -= static_cast<int64_t>(step->leading.size());
    last += static_cast<int64_t>(step->trailing.size());
    if (first < std::numeric_limits<int>::min() || last > std::numeric_limits<int>::max()) return false;
    step->oldFirstIndex = static_cast<int>(first);
    step->oldLastIndex = static_cast<int>(last);
  }
  return true;
}

bool ReadContents(BinaryReader& in, ProjectContents& c) {
  if (!Read(in, c.colours) || !Read(in, c.arOrder) || !Read(in, c.maOrder)) return false;
  if (c.arOrder < 0 || c.arOrder > kMaxCoefficients || c.maOrder < 0 || c.maOrder > kMaxCoefficients)
    return false;
  if (!Read(in, c.phi) || !Read(in, c.theta) || !Read(in, c.firstIndex) || !Read(in, c.lastIndex))
    return false;
  int64_t n = c.firstIndex == 0 && c.lastIndex == 0 ? 0 : int64_t{c.lastIndex} - c.firstIndex + 1;
  if (!in.ReadDoubles(n, c.series)) return false;  // refuses n < 0 and n beyond the file
  // The shortest step record (kind and one real) takes 12 bytes.
  int steps;
  if (!Read(in, steps) || steps < 0 || steps > in.Remaining() / 12) return false;
  for (int i = 0; i < steps; ++i) {
    TransformStep step;
    if (!ReadStep(in, c.firstIndex, c.lastIndex, step)) return false;
    c.transforms.push_back(std::move(step));
  }
  return RestoreSubsequenceIndices(c.transforms, c.firstIndex, c.lastIndex);
}

}  // namespace

std::optional<FileError> WriteProjectFile(const std::string& path, const UnivariateProject& project,
                                          const ColourTable& colours) {
  BinaryWriter out(path);
  if (!out.IsOpen()) return SaveError("Cannot open file");
  const int n = project.count();
  const int firstIndex = n > 0 ? project.firstIndex : 0;
  const int lastIndex = n > 0 ? project.firstIndex + n - 1 : 0;
  out.WriteInt32(kProjectFileMagic);
  for (int colour : colours) out.WriteInt32(colour);
  out.WriteInt32(project.model.arOrder);
  out.WriteInt32(project.model.maOrder);
  for (double phi : project.model.phi) out.WriteDouble(phi);
  for (double theta : project.model.theta) out.WriteDouble(theta);
  out.WriteInt32(firstIndex);
  out.WriteInt32(lastIndex);
  out.WriteDoubles(project.series, project.series.size());
  out.WriteInt32(static_cast<int32_t>(project.transforms.size()));
  for (const TransformStep& step : project.transforms) WriteStep(out, step, firstIndex, lastIndex);
  if (!out.Close()) return SaveError("Cannot write to file");
  return std::nullopt;
}

ProjectReadResult ReadProjectContents(const std::string& path) {
  ProjectReadResult result;
  auto fail = [&](const char* text) {
    result.status = ProjectReadStatus::Failed;
    result.error = ReadError(text);
    return result;
  };
  BinaryReader in(path);
  if (!in.IsOpen()) return fail("Cannot open file");
  result.status = ProjectReadStatus::NotProjectFile;
  // Too short to hold the magic: not a project file (an empty text file, say).
  if (in.Remaining() < 4) return result;
  int32_t magic;
  if (!in.ReadInt32(magic)) return fail("Cannot open file");
  if (magic != kProjectFileMagic) return result;
  if (!ReadContents(in, result.contents)) return fail("Cannot read file");
  result.status = ProjectReadStatus::Read;
  return result;
}

void InstallProjectContents(ProjectContents contents, UnivariateProject& project, ColourTable& colours) {
  colours = contents.colours;
  project.model.arOrder = contents.arOrder;
  project.model.maOrder = contents.maOrder;
  project.model.phi = contents.phi;
  project.model.theta = contents.theta;
  project.firstIndex = contents.firstIndex;
  project.lastIndex = contents.lastIndex;
  project.series = std::move(contents.series);
  project.untransformedSeries.clear();
  project.transforms = std::move(contents.transforms);
}

ProjectReadResult ReadProjectFile(const std::string& path, UnivariateProject& project, ColourTable& colours) {
  ProjectReadResult result = ReadProjectContents(path);
  if (result.status == ProjectReadStatus::Read) InstallProjectContents(std::move(result.contents), project, colours);
  return result;
}

}  // namespace kora
