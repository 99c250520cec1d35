#include "project/project_file.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "project/part_file.h"

namespace kora {
namespace {

using Values = std::vector<double>;

// Little-endian bytes, composed independently of the writers under test.
struct Bytes {
  std::string data;
  Bytes& Int(int32_t v) {
    for (int i = 0; i < 4; ++i) data += static_cast<char>((static_cast<uint32_t>(v) >> (8 * i)) & 0xff);
    return *this;
  }
  Bytes& Real(double v) {
    uint64_t bits;
    std::memcpy(&bits, &v, 8);
    for (int i = 0; i < 8; ++i) data += static_cast<char>((bits >> (8 * i)) & 0xff);
    return *this;
  }
};

int32_t IntAt(const std::string& bytes, size_t offset) {
  uint32_t v = 0;
  for (int i = 3; i >= 0; --i) v = (v << 8) | static_cast<unsigned char>(bytes.at(offset + i));
  return static_cast<int32_t>(v);
}

double RealAt(const std::string& bytes, size_t offset) {
  uint64_t bits = 0;
  for (int i = 7; i >= 0; --i) bits = (bits << 8) | static_cast<unsigned char>(bytes.at(offset + i));
  double v;
  std::memcpy(&v, &bits, 8);
  return v;
}

Values Ramp(int n, double start) {
  Values v;
  for (int i = 0; i < n; ++i) v.push_back(start + 0.25 * i * i);
  return v;
}

TransformStep Step(int kind) {
  TransformStep step;
  step.kind = kind;
  return step;
}

class ProjectFile : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = std::filesystem::temp_directory_path() /
           ("kora_project_file_" + std::to_string(getpid()) + "_" +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::create_directories(dir_);
    for (int i = 0; i < kColourCount; ++i) colours_[i] = Rgb(i, 2 * i, 255 - i);
  }
  void TearDown() override { std::filesystem::remove_all(dir_); }

  std::string Path(const std::string& name) { return (dir_ / name).string(); }
  std::string Save(const UnivariateProject& project) {
    std::string path = Path("p" + std::to_string(++files_) + ".kra");
    EXPECT_FALSE(WriteProjectFile(path, project, colours_).has_value());
    return path;
  }
  static std::string Contents(const std::string& path) {
    std::ostringstream text;
    text << std::ifstream(path, std::ios::binary).rdbuf();
    return text.str();
  }
  std::string File(const std::string& bytes) {
    std::string path = Path("f" + std::to_string(++files_));
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
  }
  UnivariateProject Load(const std::string& path) {
    UnivariateProject project;
    ColourTable colours{};
    ProjectReadResult result = ReadProjectFile(path, project, colours);
    EXPECT_EQ(result.status, ProjectReadStatus::Read);
    EXPECT_FALSE(result.error.has_value());
    EXPECT_EQ(colours, colours_);
    return project;
  }
  static UnivariateProject WithData(const Values& series, int firstIndex) {
    UnivariateProject project;
    project.series = series;
    project.firstIndex = firstIndex;
    project.lastIndex = firstIndex + static_cast<int>(series.size()) - 1;
    return project;
  }

  std::filesystem::path dir_;
  ColourTable colours_{};
  int files_ = 0;
};

void ExpectSameSteps(const std::vector<TransformStep>& a, const std::vector<TransformStep>& b) {
  ASSERT_EQ(a.size(), b.size());
  for (size_t i = 0; i < a.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(a[i].kind, b[i].kind);
    switch (a[i].kind) {
      case kDifference:
        EXPECT_EQ(a[i].lag, b[i].lag);
        EXPECT_EQ(a[i].savedHead, b[i].savedHead);
        break;
      case kBoxCox:
        EXPECT_EQ(a[i].lambda, b[i].lambda);
        break;
      case kClassicalSeasonal:
      case kClassicalHarmonic:
        EXPECT_EQ(a[i].period, b[i].period);
        EXPECT_EQ(a[i].seasonal, b[i].seasonal);
        EXPECT_EQ(a[i].harmonicCount, b[i].harmonicCount);
        EXPECT_EQ(a[i].fourierIndex, b[i].fourierIndex);
        EXPECT_EQ(a[i].cosineCoefficients, b[i].cosineCoefficients);
        EXPECT_EQ(a[i].sineCoefficients, b[i].sineCoefficients);
        EXPECT_EQ(a[i].harmonicExtra, b[i].harmonicExtra);
        EXPECT_EQ(a[i].trendDegree, b[i].trendDegree);
        EXPECT_EQ(a[i].trendCoefficients, b[i].trendCoefficients);
        break;
      case kSubtractMean:
        EXPECT_EQ(a[i].mean, b[i].mean);
        break;
      case kSubsequence:
        EXPECT_EQ(a[i].oldFirstIndex, b[i].oldFirstIndex);
        EXPECT_EQ(a[i].oldLastIndex, b[i].oldLastIndex);
        EXPECT_EQ(a[i].leading, b[i].leading);
        EXPECT_EQ(a[i].trailing, b[i].trailing);
        break;
    }
  }
}

TEST_F(ProjectFile, ByteLayoutWritesEveryCoefficientSlot) {
  UnivariateProject project = WithData({1.5, -2, 3.25, 1e300, 0.1}, 1);
  project.model.arOrder = 2;
  project.model.maOrder = 1;
  for (int i = 0; i < kMaxCoefficients; ++i) {
    project.model.phi[i] = 0.5 + i;  // slots beyond p are written too
    project.model.theta[i] = -0.125 * (i + 1);
  }
  std::string bytes = Contents(Save(project));
  ASSERT_EQ(bytes.size(), 516u + 8 * 5);
  EXPECT_EQ(IntAt(bytes, 0), 2267);
  for (int i = 0; i < kColourCount; ++i) EXPECT_EQ(IntAt(bytes, 4 + 4 * i), colours_[i]);
  EXPECT_EQ(IntAt(bytes, 64), 2);
  EXPECT_EQ(IntAt(bytes, 68), 1);
  for (int i = 0; i < kMaxCoefficients; ++i) {
    EXPECT_EQ(RealAt(bytes, 72 + 8 * i), 0.5 + i);
    EXPECT_EQ(RealAt(bytes, 288 + 8 * i), -0.125 * (i + 1));
  }
  EXPECT_EQ(IntAt(bytes, 504), 1);
  EXPECT_EQ(IntAt(bytes, 508), 5);
  for (int i = 0; i < 5; ++i) EXPECT_EQ(RealAt(bytes, 512 + 8 * i), project.series[i]);
  EXPECT_EQ(IntAt(bytes, 552), 0);

  UnivariateProject read = Load(Save(project));
  EXPECT_EQ(read.model.arOrder, 2);
  EXPECT_EQ(read.model.maOrder, 1);
  EXPECT_EQ(read.model.phi, project.model.phi);
  EXPECT_EQ(read.model.theta, project.model.theta);
  EXPECT_EQ(read.series, project.series);
  EXPECT_EQ(read.firstIndex, 1);
  EXPECT_EQ(read.lastIndex, 5);
  EXPECT_TRUE(read.untransformedSeries.empty());
}

TEST_F(ProjectFile, DifferenceAtLag12) {
  UnivariateProject project = WithData(Ramp(20, 3), 13);
  TransformStep step = Step(kDifference);
  step.lag = 12;
  step.savedHead = Ramp(12, -7);
  project.transforms = {step};
  std::string path = Save(project);
  std::string bytes = Contents(path);
  const size_t stepAt = 516 + 8 * 20;
  ASSERT_EQ(bytes.size(), stepAt + 4 + 4 + 8 * 12);
  EXPECT_EQ(IntAt(bytes, stepAt - 4), 1);
  EXPECT_EQ(IntAt(bytes, stepAt), 1);
  EXPECT_EQ(IntAt(bytes, stepAt + 4), 12);
  EXPECT_EQ(RealAt(bytes, stepAt + 8 + 8 * 11), step.savedHead[11]);
  UnivariateProject read = Load(path);
  EXPECT_EQ(read.firstIndex, 13);
  EXPECT_EQ(read.lastIndex, 32);
  ExpectSameSteps(read.transforms, project.transforms);
}

TEST_F(ProjectFile, StacksRoundTripOldestFirst) {
  UnivariateProject project = WithData(Ramp(9, 1), 2);
  TransformStep boxCox = Step(kBoxCox), difference = Step(kDifference), mean = Step(kSubtractMean);
  boxCox.lambda = 0.3;
  difference.savedHead = {4.5};
  mean.mean = -0.0625;
  project.transforms = {boxCox, difference, mean};
  std::string path = Save(project);
  EXPECT_EQ(Contents(path).size(), 516u + 8 * 9 + (4 + 8) + (4 + 4 + 8) + (4 + 8));
  ExpectSameSteps(Load(path).transforms, project.transforms);

  // Classical steps: with a seasonal component, trend only, and harmonics.
  TransformStep seasonal = Step(kClassicalSeasonal), trendOnly = Step(kClassicalSeasonal),
                harmonic = Step(kClassicalHarmonic);
  seasonal.period = 4;
  seasonal.seasonal = {1, -2, 0.5, 0.5};
  seasonal.trendDegree = 2;
  seasonal.trendCoefficients = {1, 2, 3};
  trendOnly.period = -1;
  trendOnly.trendDegree = 0;
  harmonic.harmonicCount = 3;
  harmonic.fourierIndex = {1, 4, 9, 0};
  harmonic.cosineCoefficients = {0.1, 0.2, 0.3, 0};
  harmonic.sineCoefficients = {-0.1, -0.2, -0.3, 0};
  harmonic.harmonicExtra = 42.5;
  harmonic.trendCoefficients = {7, -1, 0};
  for (const TransformStep& classical : {seasonal, trendOnly, harmonic}) {
    project.transforms = {boxCox, classical};
    ExpectSameSteps(Load(Save(project)).transforms, project.transforms);
  }
}

TEST_F(ProjectFile, SubsequenceKeepsItsCutValues) {
  // Observations 11..90 of 100: the step's indices are written as the layout has them.
  Values original = Ramp(100, 0);
  UnivariateProject project = WithData(Values(original.begin() + 10, original.begin() + 90), 11);
  TransformStep cut = Step(kSubsequence);
  cut.oldFirstIndex = 1;
  cut.oldLastIndex = 100;
  cut.leading.assign(original.begin(), original.begin() + 10);
  cut.trailing.assign(original.begin() + 90, original.end());
  project.transforms = {cut};
  std::string path = Save(project);
  std::string bytes = Contents(path);
  const size_t stepAt = 516 + 8 * 80;
  ASSERT_EQ(bytes.size(), stepAt + 12 + 8 * 20);
  EXPECT_EQ(IntAt(bytes, stepAt + 4), 1);
  EXPECT_EQ(IntAt(bytes, stepAt + 8), 100);
  UnivariateProject read = Load(path);
  EXPECT_EQ(read.count(), 80);
  ExpectSameSteps(read.transforms, project.transforms);

  // A later difference moves firstIndex; the counts and old indices survive.
  TransformStep difference = Step(kDifference);
  difference.lag = 2;
  difference.savedHead = {project.series[0], project.series[1]};
  UnivariateProject differenced = WithData(Ramp(78, 5), 13);
  differenced.transforms = {cut, difference};
  read = Load(Save(differenced));
  EXPECT_EQ(read.firstIndex, 13);
  EXPECT_EQ(read.lastIndex, 90);
  ExpectSameSteps(read.transforms, differenced.transforms);

  // Leading values only, then a second cut (the trailing group moves too).
  TransformStep head = Step(kSubsequence), both = Step(kSubsequence);
  head.oldFirstIndex = 1;
  head.oldLastIndex = 100;
  head.leading = Ramp(5, 1);
  both.oldFirstIndex = 6;
  both.oldLastIndex = 100;
  both.leading = Ramp(4, 2);
  both.trailing = Ramp(6, 3);
  UnivariateProject twice = WithData(Ramp(85, 0), 10);
  twice.transforms = {head, both};
  ExpectSameSteps(Load(Save(twice)).transforms, twice.transforms);
}

TEST_F(ProjectFile, ProjectWithoutData) {
  UnivariateProject project;
  project.model.arOrder = 1;
  project.model.phi[0] = 0.7;
  std::string path = Save(project);
  std::string bytes = Contents(path);
  ASSERT_EQ(bytes.size(), 516u);
  EXPECT_EQ(IntAt(bytes, 504), 0);
  EXPECT_EQ(IntAt(bytes, 508), 0);
  UnivariateProject read = Load(path);
  EXPECT_FALSE(read.HasData());
  EXPECT_EQ(read.model.phi[0], 0.7);
}

TEST_F(ProjectFile, NotAProjectFile) {
  for (const std::string& bytes : {std::string(), std::string("\xdb\x08", 2), std::string("2267\n1\n2\n"),
                                   Bytes().Int(2268).Int(0).data}) {
    UnivariateProject project;
    ColourTable colours{};
    ProjectReadResult result = ReadProjectFile(File(bytes), project, colours);
    EXPECT_EQ(result.status, ProjectReadStatus::NotProjectFile);
    EXPECT_FALSE(result.error.has_value());
  }
  UnivariateProject project;
  ColourTable colours{};
  ProjectReadResult missing = ReadProjectFile(Path("missing.kra"), project, colours);
  EXPECT_EQ(missing.status, ProjectReadStatus::Failed);
  ASSERT_TRUE(missing.error.has_value());
  EXPECT_EQ(missing.error->text, "Cannot open file");
  EXPECT_EQ(missing.error->caption, "TarnRead()");
}

TEST_F(ProjectFile, TruncatedOrCorruptFilesFailAndChangeNothing) {
  UnivariateProject project = WithData(Ramp(6, 1), 3);
  TransformStep boxCox = Step(kBoxCox), difference = Step(kDifference), seasonal = Step(kClassicalSeasonal);
  difference.savedHead = {1};
  seasonal.period = 2;
  seasonal.seasonal = {0.5, -0.5};
  project.transforms = {boxCox, seasonal, difference};
  const std::string bytes = Contents(Save(project));

  UnivariateProject target = WithData({9, 9}, 1);
  ColourTable colours{};
  colours.fill(-1);
  auto expectFailure = [&](const std::string& corrupt) {
    ProjectReadResult result = ReadProjectFile(File(corrupt), target, colours);
    EXPECT_EQ(result.status, ProjectReadStatus::Failed);
    ASSERT_TRUE(result.error.has_value());
    EXPECT_EQ(result.error->text, "Cannot read file");
    EXPECT_EQ(result.error->caption, "TarnRead()");
    EXPECT_EQ(target.series, (Values{9, 9}));
    EXPECT_TRUE(target.transforms.empty());
    EXPECT_EQ(colours[0], -1);
  };
  for (size_t length = 4; length < bytes.size(); ++length) {
    SCOPED_TRACE(length);
    expectFailure(bytes.substr(0, length));
  }

  auto patched = [&](size_t offset, int32_t value) {
    std::string copy = bytes;
    copy.replace(offset, 4, Bytes().Int(value).data);
    return copy;
  };
  const size_t steps = 512 + 8 * 6;
  for (auto [offset, value] :
       std::vector<std::pair<size_t, int32_t>>{{64, 28},
                                               {68, -1},  // orders outside 0..27
                                               {508, 2000000000},
                                               {508, 1},
                                               {504, -100},  // series counts beyond the file, negative
                                               {steps, -1},
                                               {steps, 1 << 30},  // step count
                                               {steps + 4, 3},    // unknown kind
                                               {steps + 20, -1},
                                               {steps + 20, 1 << 29},  // seasonal count
                                               {steps + 40, 3},        // trend degree
                                               {steps + 72, 0},
                                               {steps + 72, 1 << 28}})  // difference lag
    expectFailure(patched(offset, value));
}

TEST_F(ProjectFile, WriteFailures) {
  UnivariateProject project = WithData({1, 2}, 1);
  auto open = WriteProjectFile(Path("no/such/p.kra"), project, colours_);
  ASSERT_TRUE(open.has_value());
  EXPECT_EQ(open->text, "Cannot open file");
  EXPECT_EQ(open->caption, "TarnSave()");
}

TEST_F(ProjectFile, PartStructuredFiles) {
  ASSERT_FALSE(WritePartFile(Path("parts.kra"), {1.5, -2, 3}).has_value());
  PartFileResult written = ReadPartFile(Path("parts.kra"));
  EXPECT_EQ(written.status, PartFileResult::Read);
  EXPECT_EQ(written.values, (Values{1.5, -2, 3}));
  EXPECT_EQ(written.partCount, 2);

  // Other parts are passed over by their size.
  Bytes skipping;
  skipping.Int(9923).Int(12).Int(3).Int(9925).Int(24).Real(1).Real(2).Int(9924).Int(20).Int(1).Real(7);
  PartFileResult skipped = ReadPartFile(File(skipping.data));
  EXPECT_EQ(skipped.status, PartFileResult::Read);
  EXPECT_EQ(skipped.values, Values{7});
  EXPECT_EQ(skipped.partCount, 3);

  // Not a part file: no header first, or no data part; no message.
  for (const std::string& bytes :
       {Bytes().Int(9924).Int(20).Int(1).Real(7).Int(9923).Int(12).Int(2).data,
        Bytes().Int(9923).Int(12).Int(1).data, std::string("9923"), std::string()}) {
    PartFileResult result = ReadPartFile(File(bytes));
    EXPECT_EQ(result.status, PartFileResult::NotPartFile);
    EXPECT_FALSE(result.error.has_value());
  }

  auto expect = [&](const Bytes& bytes, const std::string& caption, const std::string& text) {
    PartFileResult result = ReadPartFile(File(bytes.data));
    EXPECT_EQ(result.status, PartFileResult::Failed);
    ASSERT_TRUE(result.error.has_value());
    EXPECT_EQ(result.error->caption, caption);
    EXPECT_EQ(result.error->text, text);
    EXPECT_TRUE(result.values.empty());
  };
  expect(Bytes().Int(9923).Int(12), "ReadHeaderPart()", "KORA file corrupt");
  expect(Bytes().Int(9923).Int(12).Int(2).Int(9924).Int(20).Int(-1), "ERROR", "Memory allocation error.");
  expect(Bytes().Int(9923).Int(12).Int(2).Int(9924).Int(20).Int(2).Real(1), "ReadDataPart()", "File corrupt");
  expect(Bytes().Int(9923).Int(12).Int(2).Int(9924).Int(20).Int(1 << 30), "ReadDataPart()", "File corrupt");
  expect(Bytes().Int(9923).Int(4).Int(2).Int(9924).Int(20).Int(1).Real(1), "ReadDataPart()", "File corrupt");
  expect(Bytes().Int(9923).Int(12).Int(2).Int(9925).Int(1 << 30).Real(0), "ReadDataPart()", "File corrupt");

  PartFileResult missing = ReadPartFile(Path("missing"));
  EXPECT_EQ(missing.status, PartFileResult::Failed);
  EXPECT_EQ(missing.error->caption, "FindPart()");
  EXPECT_EQ(missing.error->text, "Cannot open file");
}

}  // namespace
}  // namespace kora
