#include "arma/specify_model_dialog.h"

#include <gtest/gtest.h>

#include "platform/event_queue.h"
#include "recording_observer.h"

namespace kora {
namespace {

using platform::ControlRef;
using platform::EventType;
using platform::UserEvent;

using Recorder = testing::RecordingObserver;

// The label of a control after each change of the dialog.
std::vector<std::string> LabelsAfterChanges(const Recorder& r, int id) {
  return Recorder::LabelsIn(r.changed, id);
}

UserEvent Event(EventType type, int id = 0, std::string text = "", int number = 0) {
  UserEvent e{type};
  e.control = ControlRef{id, ""};
  e.text = std::move(text);
  e.number = number;
  return e;
}
UserEvent SetText(int id, std::string text) { return Event(EventType::SetText, id, std::move(text)); }
UserEvent Click(int id) { return Event(EventType::Click, id); }
UserEvent Ok() { return Event(EventType::Ok); }

struct Session {
  platform::EventQueue queue;
  Recorder recorder;
  platform::Platform ui{queue, recorder};
  UnivariateProject project;
  bool Run(std::vector<UserEvent> events) {
    for (auto& e : events) queue.Push(e);
    queue.Close();
    return SpecifyModel(ui, project);
  }
};

TEST(SpecifyModelDialog, OrdersCoefficientsAndTheFreeList) {
  Session s;
  s.project.model.multRelationCount = 3;
  ASSERT_TRUE(
      s.Run({SetText(kArOrderField, "2"), Event(EventType::Select, kArList, "", 1),
             SetText(kArValueField, "0.5"), Event(EventType::Enter),  // advances to Phi(2)
             SetText(kArValueField, "0"), SetText(kMaOrderField, "28"), Ok(), SetText(kMaOrderField, "-"),
             SetText(kMaOrderField, "1"), Event(EventType::Focus, kMaValueField),
             SetText(kMaValueField, "-0.25"), SetText(kVarianceField, "2.5"), Click(platform::kIdOk)}));
  const ArmaModel& m = s.project.model;
  EXPECT_EQ(m.arOrder, 2);
  EXPECT_EQ(m.maOrder, 1);
  EXPECT_EQ(m.phi[0], 0.5);
  EXPECT_EQ(m.phi[1], 0.0);
  EXPECT_EQ(m.theta[0], -0.25);
  EXPECT_EQ(m.whiteNoiseVariance, 2.5);
  EXPECT_EQ(m.multRelationCount, 0);
  // The zero Phi(2) stays fixed: free are phi(1) and theta(1) (combined 3).
  EXPECT_EQ(m.freeParamCount, 2);
  EXPECT_EQ(m.freeParamList[0], 1);
  EXPECT_EQ(m.freeParamList[1], 3);
  ASSERT_EQ(s.recorder.shown.size(), 1u);  // 28 is refused; "-" silently
  EXPECT_EQ(s.recorder.shown[0].caption, "KORA::ERROR");
  EXPECT_EQ(s.recorder.shown[0].text, "MA Order must be < 27");
  const std::vector<std::string> arLabels = LabelsAfterChanges(s.recorder, kArValueLabel);
  EXPECT_NE(std::find(arLabels.begin(), arLabels.end(), "Phi(2) = "), arLabels.end());
}

TEST(SpecifyModelDialog, ValidationKeepsTheDialogOpen) {
  Session s;
  s.project.model.whiteNoiseVariance = 3.0;
  EXPECT_FALSE(s.Run({SetText(kVarianceField, "0"),
                      Click(platform::kIdOk),
                      Ok(),  // refused; focus stays
                      SetText(kVarianceField, "1"),
                      SetText(kArOrderField, "1"),
                      Event(EventType::Focus, kArValueField),
                      SetText(kArValueField, "1"),
                      Click(kCausalInvertibleButton),
                      SetText(kMaOrderField, "1"),
                      Event(EventType::Focus, kMaValueField),
                      SetText(kMaValueField, "2"),
                      Click(kCausalInvertibleButton),
                      Click(platform::kIdOk),
                      Ok(),  // not causal
                      Click(kFractionalCheck),
                      SetText(kFractionalDField, "0.7"),
                      Click(platform::kIdOk),
                      Ok(),
                      SetText(kFractionalDField, "0.2"),
                      SetText(kImpulseTermsField, "49"),
                      Click(platform::kIdOk),
                      Ok(),
                      Event(EventType::Escape)}));
  EXPECT_EQ(s.project.model.whiteNoiseVariance, 3.0);  // Cancel changes nothing
  EXPECT_EQ(s.project.model.arOrder, 0);
  std::vector<std::string> texts;
  for (const auto& m : s.recorder.shown) texts.push_back(m.caption + ": " + m.text);
  EXPECT_EQ(texts, (std::vector<std::string>{
                       "KORA Error: Variance must be positive", "KORA Error: Model is not causal",
                       "KORA Error: d must be between -.5 and .5", "KORA Error: M must be at least 50."}));
  const std::vector<std::string> causalLabels = LabelsAfterChanges(s.recorder, kCausalText);
  EXPECT_NE(std::find(causalLabels.begin(), causalLabels.end(), "Non - Causal"), causalLabels.end());
  EXPECT_EQ(LabelsAfterChanges(s.recorder, kInvertibleText).back(), "Non - Invertible");
}

TEST(SpecifyModelDialog, FractionalModelMustBeInvertible) {
  Session s;
  ASSERT_TRUE(s.Run({SetText(kMaOrderField, "1"), Event(EventType::Focus, kMaValueField),
                     SetText(kMaValueField, "1.5"), Click(kFractionalCheck),
                     SetText(kFractionalDField, "0.25"), SetText(kImpulseTermsField, "60"),
                     Click(platform::kIdOk), Ok(), SetText(kMaValueField, "0.5"), Click(platform::kIdOk)}));
  ASSERT_EQ(s.recorder.shown.size(), 1u);
  EXPECT_EQ(s.recorder.shown[0].text, "Model is not invertible");
  EXPECT_TRUE(s.project.model.fractional);
  EXPECT_EQ(s.project.model.fractionalD, 0.25);
  EXPECT_EQ(s.project.model.impulseTerms, 60);
  EXPECT_EQ(s.project.model.theta[0], 0.5);
}

TEST(SpecifyModelDialog, OrderOf27IsAccepted) {
  Session s;
  ASSERT_TRUE(s.Run({SetText(kArOrderField, "27"), Click(platform::kIdOk)}));
  EXPECT_EQ(s.project.model.arOrder, 27);
  EXPECT_EQ(s.project.model.freeParamCount, 0);
  EXPECT_TRUE(s.recorder.shown.empty());
}

}  // namespace
}  // namespace kora
