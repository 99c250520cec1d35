// "Specify Model": orders, coefficients, white-noise variance and the
// fractional settings of a project's ARMA model, edited on a copy that
// replaces the project's model only on OK.
//
// Control ids: 1011 AR order, 1015 AR list, 1009 AR label, 1010 AR value;
// 1012 MA order, 1016 MA list, 1014 MA label, 1013 MA value; 1101 white-noise
// variance; 1227 fractional check, 1098 d, 1228 M; 1097 Causal/Invertible
// with its results in 1099 and 1100; 1 OK, 2 Cancel.
#pragma once

#include "arma/arma_model.h"
#include "platform/dialog.h"
#include "platform/platform.h"
#include "project/univariate_project.h"

namespace kora {

inline constexpr int kArOrderField = 1011;
inline constexpr int kArList = 1015;
inline constexpr int kArValueLabel = 1009;
inline constexpr int kArValueField = 1010;
inline constexpr int kMaOrderField = 1012;
inline constexpr int kMaList = 1016;
inline constexpr int kMaValueLabel = 1014;
inline constexpr int kMaValueField = 1013;
inline constexpr int kVarianceField = 1101;
inline constexpr int kFractionalCheck = 1227;
inline constexpr int kFractionalDField = 1098;
inline constexpr int kImpulseTermsField = 1228;
inline constexpr int kCausalInvertibleButton = 1097;
inline constexpr int kInvertibleText = 1099;
inline constexpr int kCausalText = 1100;

class SpecifyModelDialog : public platform::Dialog {
 public:
  explicit SpecifyModelDialog(const ArmaModel& model);

  void OnCommand(int id) override;
  void OnChange(int id) override;
  void OnLoseFocus(int id) override;
  void OnSelect(int id) override;

  // The working copy: the model to store after OK.
  const ArmaModel& working() const { return working_; }

 private:
  struct Group;  // the AR or the MA half of the dialog
  Group ArGroup();
  Group MaGroup();
  void OrderChanged(const Group& group);
  void ShowCurrent(const Group& group);
  void RebuildList(const Group& group);
  void StoreValue(const Group& group);
  void Advance(const Group& group);
  // Lose-focus validation of the variance, d and M fields; false after a message.
  bool Validate(int id);
  void Reject(int field, const std::string& text);
  void EnableFractional();
  void Finish();

  ArmaModel working_;
  int arIndex_ = 1, maIndex_ = 1;  // current coefficient of each list
};

// Runs the dialog; on OK stores the model with its free-parameter list.
// Returns whether the model changed.
bool SpecifyModel(platform::Platform& ui, UnivariateProject& project);

}  // namespace kora
