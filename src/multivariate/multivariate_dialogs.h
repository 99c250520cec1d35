// The dialogs of the multivariate commands: reading a multivariate file, the
// order of a Yule-Walker or Burg fit, and the AR forecast.
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/dialog.h"

namespace kora {

inline constexpr int kColumnsField = 1180;
inline constexpr int kFirstSeriesText = 1181;
inline constexpr int kLastSeriesText = 1182;

// "Read Multivariate Data  ": the number of columns, with a preview of the
// first values of the first and last series read from the file. OK acts
// only when the button itself has the focus, and only with a count >= 1.
class ReadMultivariateDialog : public platform::Dialog {
 public:
  explicit ReadMultivariateDialog(std::string path);
  void OnInit() override { Preview(); }
  void OnChange(int id) override;
  void OnCommand(int id) override;
  int columns() const;

 private:
  void Preview();
  std::string path_;
};

// Dialog 160 "Multivariate Yule-Walker Estimation" (edit 1200, check 1201) or
// 161 "Multivariate Burg Estimation" (edit 1202, check 1203). A command
// opens it with the box ticked and the stored order; after a refused order
// it opens again as the user left it.
class VarOrderDialog : public platform::Dialog {
 public:
  VarOrderDialog(bool burg, const std::string& order, bool search);
  int orderField() const { return orderField_; }
  int searchBox() const { return orderField_ + 1; }

 private:
  int orderField_;
};

inline constexpr int kForecastCountField = 1204;
inline constexpr int kUseAllChoice = 1205;
inline constexpr int kEndpointChoice = 1206;
inline constexpr int kEndpointField = 1207;

// Dialog 162 "Multivariate AR Forecasting" for a model of order p on n
// observations; OK checks H >= 1 and p < N' <= n, keeping the dialog open
// after a message.
class VarForecastDialog : public platform::Dialog {
 public:
  VarForecastDialog(int count, bool useAll, int endpoint, int n, int p);
  void OnCommand(int id) override;
  void OnChange(int id) override { Relabel(); }
  int count() const;
  bool useAll() const { return Find(kUseAllChoice)->checked; }
  int endpoint() const;

 private:
  void Relabel();
  int n_, p_;
};

// A dialog of labelled integer fields with OK and Cancel (Cross-ACF, Simulate).
class IntegerFieldsDialog : public platform::Dialog {
 public:
  IntegerFieldsDialog(std::string title, const std::vector<std::pair<std::string, int>>& fields);
  // Field k (0-based) read as an integer; nothing when it holds none.
  std::optional<int> Value(int k) const;
};

}  // namespace kora
