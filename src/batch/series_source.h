// The series of a batch, read one at a time so that memory does not grow with
// their number: a long CSV file (series id, time index, value; the rows of a
// series contiguous and in time order) or a folder of one-series text files.
#pragma once

#include <fstream>
#include <memory>
#include <optional>
#include <string>
#include <unordered_set>
#include <vector>

namespace kora {

struct SeriesInput {
  std::string id;
  std::vector<double> values;
  std::string error;  // why the series cannot be used (the first fault found); empty when it can
};

class SeriesSource {
 public:
  virtual ~SeriesSource() = default;
  virtual std::optional<SeriesInput> Next() = 0;
  virtual double Fraction() = 0;  // of the input read so far, 0..1
};

// A long CSV file. A first line whose value is not a number is a heading. A
// row with the wrong number of fields, a value or time index that is not a
// number, or a time index not after the previous one marks its series with
// the message; a series whose rows come back after another series started is
// reported again under its id with a message asking for a file sorted by id.
class LongCsvSource : public SeriesSource {
 public:
  explicit LongCsvSource(const std::string& path);
  bool IsOpen() const { return in_.is_open(); }
  std::optional<SeriesInput> Next() override;
  double Fraction() override;

 private:
  bool ReadRow();  // the next non-empty line into row_; false at the end

  std::ifstream in_;
  double size_ = 1.0;
  long long lineNumber_ = 0;
  std::vector<std::string> row_;
  bool pending_ = false;  // row_ holds the first row of the next series
  std::unordered_set<std::string> seen_;
};

// Every regular file of a folder, in name order, read as the workbench reads
// a series text file; the id is the file name.
class FolderSource : public SeriesSource {
 public:
  explicit FolderSource(const std::string& path);
  std::optional<SeriesInput> Next() override;
  double Fraction() override;

 private:
  std::vector<std::string> files_;
  size_t next_ = 0;
};

// The source for a path: a folder or a CSV file; nullptr with a message when
// it cannot be read.
std::unique_ptr<SeriesSource> OpenSeriesSource(const std::string& path, std::string& error);

}  // namespace kora
