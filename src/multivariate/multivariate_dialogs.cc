#include "multivariate/multivariate_dialogs.h"

#include "platform/platform.h"
#include "project/text_import.h"
#include "report/number_format.h"
#include "report/number_parse.h"

namespace kora {

using platform::kIdCancel;
using platform::kIdOk;

namespace {

constexpr int kPreviewValues = 3;

std::string PreviewText(const std::vector<double>& series) {
  std::string text;
  for (size_t t = 0; t < series.size() && t < kPreviewValues; ++t)
    text += FormatSignificant(series[t], 5) + "  ";
  return text + "etc ...";
}

}  // namespace

ReadMultivariateDialog::ReadMultivariateDialog(std::string path)
    : Dialog("Read Multivariate Data  "), path_(std::move(path)) {
  Add(platform::EditField(kColumnsField, "Number of columns: ", "2"));
  Add(platform::StaticText(kFirstSeriesText - 10, "First Series"));
  Add(platform::StaticText(kFirstSeriesText, ""));
  Add(platform::StaticText(kLastSeriesText - 10, "Last Series"));
  Add(platform::StaticText(kLastSeriesText, ""));
  Add(platform::PushButton(kIdOk, "OK"));
  Add(platform::PushButton(kIdCancel, "Cancel"));
}

int ReadMultivariateDialog::columns() const {
  return ReadFirstInteger(Find(kColumnsField)->text).value_or(0);
}

void ReadMultivariateDialog::OnChange(int id) {
  if (id == kColumnsField) Preview();
}

void ReadMultivariateDialog::Preview() {
  const int c = columns();
  if (c < 1) return;
  FileError error;
  auto table = ReadMultivariateText(path_, c, &error);
  const bool any = table && !table->empty();
  At(kFirstSeriesText).label = any ? PreviewText(table->front()) : "";
  At(kLastSeriesText).label = any ? PreviewText(table->back()) : "";
  Touch();
}

void ReadMultivariateDialog::OnCommand(int id) {
  if (id == kIdOk) {
    if (focus() != kIdOk) {
      SetFocus(kIdOk);
      Touch();
      return;
    }
    if (columns() < 1) {
      SetFocus(kColumnsField);
      Touch();
      return;
    }
  }
  Dialog::OnCommand(id);
}

VarOrderDialog::VarOrderDialog(bool burg, const std::string& order, bool search)
    : Dialog(burg ? "Multivariate Burg Estimation" : "Multivariate Yule-Walker Estimation"),
      orderField_(burg ? 1202 : 1200) {
  Add(platform::EditField(orderField_, "Enter order of AR model.", order));
  Add(platform::CheckBox(orderField_ + 1, "Find minimum AICC model.", search));
  Add(platform::PushButton(kIdOk, "OK"));
  Add(platform::PushButton(kIdCancel, "Cancel"));
}

VarForecastDialog::VarForecastDialog(int count, bool useAll, int endpoint, int n, int p)
    : Dialog("Multivariate AR Forecasting"), n_(n), p_(p) {
  Add(platform::EditField(
      kForecastCountField,
      "Enter number of predicted values past last specified observation : ", FormatInteger(count)));
  Add(platform::RadioButton(kUseAllChoice, "Use complete data set for prediction.", 1, useAll));
  Add(platform::RadioButton(kEndpointChoice, "Specify different endpoint of data for prediction.", 1,
                            !useAll));
  Add(platform::EditField(
      kEndpointField,
      "Enter index of last observation in subset  (total number of observations is " + FormatInteger(n) + ")",
      FormatInteger(endpoint)));
  Add(platform::PushButton(kIdOk, "OK"));
  Add(platform::PushButton(kIdCancel, "Cancel"));
  Relabel();
}

void VarForecastDialog::Relabel() {
  const bool useAll = At(kUseAllChoice).checked;
  At(kEndpointField).enabled = !useAll;
  At(kForecastCountField).label =
      useAll ? "Enter number of predicted values past last specified observation : "
             : "Enter number of predicted values past observation " + FormatInteger(endpoint());
  Touch();
}

int VarForecastDialog::count() const { return ReadFirstInteger(Find(kForecastCountField)->text).value_or(0); }

int VarForecastDialog::endpoint() const {
  return useAll() ? n_ : ReadFirstInteger(Find(kEndpointField)->text).value_or(0);
}

void VarForecastDialog::OnCommand(int id) {
  if (id == kUseAllChoice || id == kEndpointChoice) {
    Relabel();
    return;
  }
  if (id == kIdOk) {
    const char* problem = count() < 1        ? "Number of predictors MUST be greater than 0"
                          : endpoint() <= p_ ? "Need number of observations to > p."
                          : endpoint() > n_  ? "Final point must be less than number of obs."
                                             : nullptr;
    if (problem) {
      platform->Message("ERROR", problem);
      SetFocus(count() < 1 ? kForecastCountField : kEndpointField);
      Touch();
      return;
    }
  }
  Dialog::OnCommand(id);
}

IntegerFieldsDialog::IntegerFieldsDialog(std::string title,
                                         const std::vector<std::pair<std::string, int>>& fields)
    : Dialog(std::move(title)) {
  for (size_t k = 0; k < fields.size(); ++k)
    Add(platform::EditField(1300 + static_cast<int>(k), fields[k].first, FormatInteger(fields[k].second)));
  Add(platform::PushButton(kIdOk, "OK"));
  Add(platform::PushButton(kIdCancel, "Cancel"));
}

std::optional<int> IntegerFieldsDialog::Value(int k) const { return ReadFirstInteger(Find(1300 + k)->text); }

}  // namespace kora
