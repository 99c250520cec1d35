#include "arma/model_views.h"

#include <gtest/gtest.h>

#include "platform/event_queue.h"
#include "project/project_views.h"
#include "recording_observer.h"
#include "reference_data.h"
#include "stats/residual_views.h"
#include "stats/residuals.h"

namespace kora {
namespace {

using platform::ControlRef;
using platform::EventType;
using platform::UserEvent;
using testing::ModelOf;
using testing::ReadDataFile;
using testing::ReadReferenceFile;

using Recorder = testing::RecordingObserver;

// The "Enter value ..." prompts of the dialogs as they opened.
std::vector<std::string> Prompts(const Recorder& r) {
  std::vector<std::string> prompts;
  for (const auto& controls : r.opened)
    for (const auto& c : controls)
      if (c.type == platform::ControlType::Static && c.label.rfind("Enter value", 0) == 0)
        prompts.push_back(c.label);
  return prompts;
}

struct Session {
  platform::EventQueue queue;
  Recorder recorder;
  platform::Platform ui{queue, recorder};
  std::unique_ptr<UnivariateProject> project = NewUnivariateProject(ui, 1);
  explicit Session(std::vector<UserEvent> events = {}) {
    for (auto& e : events) queue.Push(e);
    queue.Close();
    SetData(ui, *project, ReadDataFile("nile.txt"));
  }
  void SetModel(const ArmaModel& model) {
    project->model = model;
    RefreshViews(ui, *project, false, true);
  }
  std::string ReportText(WindowId id) { return ui.Window(id)->text; }
};

UserEvent SetH(std::string text) {
  UserEvent e{EventType::SetText};
  e.control = ControlRef{1100, ""};
  e.text = std::move(text);
  return e;
}
UserEvent Plain(EventType type) { return UserEvent{type}; }

TEST(ModelViews, ResidualsFollowEveryModelChange) {
  const auto ref = ReadReferenceFile("residual_tests.json");
  Session s;
  ArmaModel model =
      ModelOf(ref["phi"].get<std::vector<double>>(), ref["theta"].get<std::vector<double>>(), 5.0);
  model.innovTolerance = 1e-10;
  model.freeParamCount = 2;
  model.functionEvaluations = 7;
  s.SetModel(model);
  UnivariateProject& p = *s.project;
  const auto expected = ref["residuals"].get<std::vector<double>>();
  ASSERT_EQ(p.residuals.size(), expected.size());
  for (size_t t = 0; t < expected.size(); ++t) EXPECT_NEAR(p.residuals[t], expected[t], 1e-7);
  EXPECT_NEAR(p.model.residualSsOverN, ref["residual_ss_over_n"].get<double>(), 1e-6);
  EXPECT_EQ(p.model.whiteNoiseVariance, 5.0);  // the model keeps its own variance
  EXPECT_EQ(p.model.functionEvaluations, 7);
  EXPECT_FALSE(p.model.storeResiduals);

  // Open every residual window; the tests report uses the automatic h = min(m + 21, n) - 1 = 22.
  ResidualPlot(s.ui, p);
  ResidualAcfPlot(s.ui, p);
  RandomnessTests(s.ui, p, false);
  const WindowId tests = p.reports[kTestsOfRandomnessReport];
  ASSERT_TRUE(s.ui.Exists(tests));
  EXPECT_EQ(s.ui.Title(tests), "Tests of randomness: " + ProjectName(s.ui, p));
  EXPECT_NE(s.ReportText(tests).find(" Chi-Square ( 20 )\r\n  \r\nMcLeod - Li"), std::string::npos);
  EXPECT_NE(s.ReportText(tests).find(" Chi-Square ( 22 )\r\n"), std::string::npos);
  EXPECT_NE(s.ReportText(tests).find("# of Turning points = 65 ~ AN( 65.333, sd = 4.1780 )"),
            std::string::npos);
  EXPECT_EQ(s.ui.Title(p.plots[kResidualAcfPlot].window), "Residuals:ACF/PACF: " + ProjectName(s.ui, p));
  EXPECT_EQ(p.residualAcf.size(), 41u);

  // White noise: the residuals are the mean-corrected series; every open view follows.
  s.SetModel(ArmaModel{});
  EXPECT_NEAR(p.residuals[0], 1120 - 919.35, 1e-9);
  EXPECT_EQ(s.ReportText(tests).find("Chi-Square ( 22 )"), std::string::npos);
  EXPECT_NEAR(p.residualAcf[1], 0.5, 0.1);  // the nile lag-1 autocorrelation shows again
  const std::vector<double>& curve = p.plots[kResidualPlot].curves[0].yValues;
  ASSERT_EQ(curve.size(), 100u);
  EXPECT_NEAR(curve[0], 1120 - 919.35, 1e-9);

  // The panels cycle without recomputing: both -> ACF -> PACF -> both.
  ResidualAcfCommand(s.ui, p);
  EXPECT_EQ(p.residualAcfDisplayFlags, kAcfPanel);
  ResidualAcfCommand(s.ui, p);
  EXPECT_EQ(p.residualAcfDisplayFlags, kPacfPanel);
}

TEST(ModelViews, SwitchToInvertible) {
  Session s({Plain(EventType::Ok)});
  UnivariateProject& p = *s.project;
  ArmaModel model = ModelOf({0.4}, {2.0}, 1.5);
  model.freeParamCount = 1;  // theta(1) fixed
  model.freeParamList[0] = 1;
  s.SetModel(model);
  const double s0 = p.model.residualSsOverN;
  ASSERT_TRUE(SwitchToInvertible(s.ui, p));
  EXPECT_NEAR(p.model.theta[0], 0.5, 1e-6);
  EXPECT_EQ(p.model.freeParamCount, 2);
  EXPECT_EQ(p.model.freeParamList[1], 2);
  // The same process: S of the invertible model is four times the old one.
  EXPECT_NEAR(p.model.residualSsOverN / s0, 4.0, 1e-4);
  EXPECT_NEAR(p.model.whiteNoiseVariance, 1.5 * p.model.residualSsOverN / s0, 1e-9);
  EXPECT_FALSE(SwitchToInvertible(s.ui, p));
  ASSERT_EQ(s.recorder.shown.size(), 1u);
  EXPECT_EQ(s.recorder.shown[0].caption, "Message box");
  EXPECT_EQ(s.recorder.shown[0].text, " Model is invertible");
}

TEST(ModelViews, ModelAcfCommandsAndInfinityReport) {
  Session s;
  UnivariateProject& p = *s.project;
  s.SetModel(ModelOf({0.5}, {}, 2.0));
  ModelAcfCommand(s.ui, p);
  EXPECT_EQ(p.acfDisplayFlags, 26);
  ASSERT_EQ(p.modelAcf.size(), 41u);
  EXPECT_NEAR(p.modelAcf[3], 0.125, 1e-12);
  EXPECT_NEAR(p.model.modelGamma0, 2.0 / 0.75, 1e-12);
  ModelAcfCommand(s.ui, p);  // cycles
  EXPECT_EQ(p.acfDisplayFlags, kAcfModel | kAcfPanel);
  SampleModelAcfCommand(s.ui, p);
  EXPECT_EQ(p.acfDisplayFlags, 27);
  EXPECT_EQ(p.sampleAcf.size(), 41u);
  // A model change recomputes the model curves of the open window.
  s.SetModel(ModelOf({-0.5}, {}, 1.0));
  EXPECT_NEAR(p.modelAcf[1], -0.5, 1e-12);

  ArMaInfinityReport(s.ui, p);
  const std::string text = s.ReportText(p.reports[kArmaInfinityReport]);
  EXPECT_EQ(
      text.substr(0, 88),
      "==========================\r\nKORA::Tarn(AR/MA Infinity)\r\n==========================\r\n  \r\n");
  EXPECT_NE(text.find("AR/MA Infinity: \r\n                   MA-Infinity    AR-Infinity\r\n"
                      "              0        1.00000        1.00000\r\n"
                      "              1       -0.50000        0.50000\r\n"),
            std::string::npos);
  s.SetModel(ModelOf({}, {2.0}));  // the open report follows the model
  EXPECT_NE(s.ReportText(p.reports[kArmaInfinityReport])
                .find("MA-Infinity Non-Invertible\r\n              0        1.00000       *       \r\n"
                      "              1        2.00000       *       \r\n"),
            std::string::npos);
}

TEST(ModelViews, DegenerateSeriesGiveFiniteReports) {
  for (const std::vector<double>& data : {std::vector<double>(30, 4.0), std::vector<double>{1.0, 2.5, 0.5}}) {
    Session s;
    UnivariateProject& p = *s.project;
    SetData(s.ui, p, data);
    ArmaModel model = ModelOf({0.5, 0.2}, {0.4});
    RebuildFreeParameters(model);
    s.SetModel(model);
    ASSERT_EQ(p.residuals.size(), data.size());
    ResidualPlot(s.ui, p);
    ShowPlotInfo(s.ui, p, kResidualPlot);
    ResidualAcfPlot(s.ui, p);
    ShowPlotInfo(s.ui, p, kResidualAcfPlot);
    ArMaInfinityReport(s.ui, p);
    p.model.freeParamCount = 0;  // lets the automatic h (n - 1 for n = 3) pass
    RandomnessTests(s.ui, p, false);
    ModelAcfCommand(s.ui, p);
    for (const platform::ChildWindow* w : s.ui.Windows()) {
      EXPECT_EQ(w->text.find("nan"), std::string::npos) << w->title << "\n" << w->text;
      EXPECT_EQ(w->text.find("inf"), std::string::npos) << w->title << "\n" << w->text;
    }
    EXPECT_TRUE(s.ui.Exists(p.reports[kTestsOfRandomnessReport]));
  }
}

TEST(ModelViews, HDialogRange) {
  Session s({SetH("60"), Plain(EventType::Enter), Plain(EventType::Ok), SetH("x"), Plain(EventType::Enter),
             Plain(EventType::Ok), SetH("2"), Plain(EventType::Enter)});
  EXPECT_EQ(HDialog(s.ui, 2, 100), 2);  // h = m is accepted, 60 > 54 is not
  ASSERT_EQ(s.recorder.shown.size(), 2u);
  EXPECT_EQ(s.recorder.shown[0].caption, "ERROR");
  EXPECT_EQ(s.recorder.shown[0].text, " h out of range. Try again.");
  EXPECT_EQ(Prompts(s.recorder).at(0), "Enter value of h, 2 < h < 54");
}

}  // namespace
}  // namespace kora
