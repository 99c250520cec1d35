// The estimation and simulation commands through the application, with
// scripted dialog input.
#include <gtest/gtest.h>

#include <cmath>

#include "app/application.h"
#include "app/command_ids.h"
#include "arma/constraints_dialog.h"
#include "arma/preliminary_estimation.h"
#include "reference_data.h"
#include "recording_observer.h"
#include "platform/event_queue.h"
#include "project/project_views.h"

namespace kora {
namespace {

using platform::EventType;
using platform::UserEvent;

UserEvent Ev(EventType type, int id = 0, std::string text = {}) {
  UserEvent e;
  e.type = type;
  e.number = id;
  e.text = std::move(text);
  e.control.id = id;
  return e;
}

using Messages = testing::RecordingObserver;

struct Desk {
  platform::EventQueue events;
  Messages messages;
  Platform ui{events, messages};
  Application app{ui};

  UnivariateProject& Project(std::vector<double> series) {
    app.registry[1].kind = kUnivariate;
    app.registry[1].univariate = NewUnivariateProject(ui, 1);
    SetData(ui, *app.registry[1].univariate, std::move(series));
    app.MakeCurrent(1);
    return *app.registry[1].univariate;
  }
  void Play(std::vector<UserEvent> list) {
    for (auto& e : list) events.Push(std::move(e));
    events.Close();
    ui.Run();
  }
};

TEST(EstimationCommands, BadInputLeavesTheModelAsItWas) {
  Desk d;
  UnivariateProject& project = d.Project(std::vector<double>(30, 4.0));  // constant: nothing to fit
  project.transforms.push_back(TransformStep{.kind = kSubtractMean});    // no mean question
  const ArmaModel before = project.model;
  d.Play({Ev(EventType::Command, cmd::kPreliminary), Ev(EventType::SetText, 1101, "2"),
          Ev(EventType::Click, 1), Ev(EventType::Ok), Ev(EventType::Click, 2),
          // Every coefficient fixed (p = q = 0): nothing to optimise.
          Ev(EventType::Command, cmd::kMaxLikelihood), Ev(EventType::Click, 1), Ev(EventType::Ok),
          Ev(EventType::Click, 2)});
  ASSERT_EQ(d.messages.shown.size(), 2u);
  EXPECT_EQ(d.messages.Messages()[0], std::string("ERROR: ") + kPreliminaryFailedText);
  EXPECT_EQ(d.messages.Messages()[1],
            "Error: No parameters to optimize.  Unconstrain parameters or respecify model.");
  EXPECT_EQ(project.model.arOrder, before.arOrder);
  EXPECT_EQ(project.model.phi, before.phi);
  EXPECT_FALSE(d.ui.Exists(project.reports[kPreliminaryReport]));
}

TEST(EstimationCommands, PreliminaryThenMaximumLikelihoodMatchR) {
  Desk d;
  UnivariateProject& project = d.Project(testing::ReadDataFile("sunspots_yearly.txt"));
  d.Play({Ev(EventType::Command, cmd::kPreliminary), Ev(EventType::Yes), Ev(EventType::SetText, 1101, "2"),
          Ev(EventType::SetText, 1102, "1"), Ev(EventType::Radio, 1108), Ev(EventType::Click, 1),
          Ev(EventType::Command, cmd::kMaxLikelihood), Ev(EventType::Click, 1)});
  // Only the mean question: after Yes the maximum likelihood command does not ask again.
  ASSERT_EQ(d.messages.shown.size(), 1u);
  EXPECT_EQ(d.messages.Messages()[0], "Subtract Mean?: Do you wish to subtract the mean?");
  const auto fit = testing::ReadReferenceFile("arma_ml.json")["fits"]["sunspots_yearly_ARMA(2,1)"];
  EXPECT_NEAR(project.model.phi[0], fit["phi"][0].get<double>(), 1e-3);
  EXPECT_NEAR(project.model.phi[1], fit["phi"][1].get<double>(), 1e-3);
  EXPECT_NEAR(project.model.theta[0], fit["theta"][0].get<double>(), 1e-3);
  EXPECT_NEAR(project.model.minus2LogLikelihood, fit["m2loglik"].get<double>(), 0.01);
  EXPECT_TRUE(d.ui.Exists(project.reports[kMaxLikelihoodReport]));
  EXPECT_EQ(d.app.status[2], "Iteration  " + std::to_string(project.iterationCount));
  const std::string& report = d.ui.Window(project.reports[kMaxLikelihoodReport])->text;
  EXPECT_NE(report.find("Method: Maximum Likelihood"), std::string::npos);
  EXPECT_EQ(report.find("nan"), std::string::npos);
}

TEST(EstimationCommands, NonCausalModelOffersTheDialogAgain) {
  Desk d;
  UnivariateProject& project = d.Project(testing::ReadDataFile("nile.txt"));
  project.transforms.push_back(TransformStep{.kind = kSubtractMean});
  project.model.arOrder = 1;
  project.model.phi[0] = 1.0;  // not causal
  project.model.freeParamCount = 1;
  project.model.freeParamList[0] = 1;
  d.Play({Ev(EventType::Command, cmd::kMaxLikelihood), Ev(EventType::Click, 1),
          Ev(EventType::Click, 3),  // "Return to MLE dialog"
          Ev(EventType::Click, 1), Ev(EventType::Click, 1)});  // estimate again, then Continue
  const std::vector<std::string> expected = {"Maximum Likelihood Estimation", " Maximum likelihood estimation",
                                             "Maximum Likelihood Estimation"};
  ASSERT_GE(d.messages.dialogs.size(), 3u);
  EXPECT_EQ(std::vector<std::string>(d.messages.dialogs.begin(), d.messages.dialogs.begin() + 3), expected);
  // The second run starts from phi = 0.001 and ends at the causal optimum.
  EXPECT_NEAR(project.model.phi[0], 0.506269303018243, 1e-3);
}

TEST(EstimationCommands, ConstraintsDialogChecksRelations) {
  platform::EventQueue events;
  Messages messages;
  Platform ui{events, messages};
  ArmaModel model;
  model.arOrder = 1;
  model.maOrder = 13;
  model.phi[0] = 0.5;
  for (int j = 0; j < 13; ++j) model.theta[j] = 0.1;
  model.freeParamCount = 14;
  for (int i = 0; i < 14; ++i) model.freeParamList[i] = i + 1;
  for (auto e : {Ev(EventType::SetText, 1133, "7"), Ev(EventType::Ok),           // count out of range
                 Ev(EventType::SetText, 1133, "1"), Ev(EventType::Radio, 1142),  // MA group
                 Ev(EventType::SetText, 1130, "14"), Ev(EventType::Ok),          // index above q
                 Ev(EventType::SetText, 1130, "1"), Ev(EventType::SetText, 1131, "12"),
                 Ev(EventType::Focus, 1), Ev(EventType::Click, 1), Ev(EventType::Ok),  // target 0
                 Ev(EventType::SetText, 1132, "13"), Ev(EventType::Click, 1)})
    events.Push(e);
  events.Close();
  ConstraintsDialog dialog(model);
  EXPECT_EQ(ui.RunDialog(dialog), platform::kIdOk);
  ASSERT_EQ(messages.shown.size(), 3u);
  EXPECT_EQ(messages.Messages()[0], "KORA::Error: Number of multiplicative relations must be from 0 to 6");
  EXPECT_EQ(messages.Messages()[1], "KORA::Error: Invalid index, must be less than MA Order = 13");
  EXPECT_EQ(messages.Messages()[2], "KORA::ERROR: Multiplicative relation parameter must be positive");
  // 13 = 1 x 12 in the MA group with p = 1: target 14, factors 2 and 13.
  EXPECT_EQ(model.multRelationCount, 1);
  EXPECT_EQ(model.multRelationTarget[0], 14);
  EXPECT_EQ(model.multRelationFactor1[0], 2);
  EXPECT_EQ(model.multRelationFactor2[0], 13);
  EXPECT_EQ(model.freeParamCount, 13);
  EXPECT_EQ(model.freeParamList[13], 14);  // the target comes last
}

TEST(EstimationCommands, SimulationIntoCurrentAndNewProject) {
  Desk d;
  d.app.registry[1].kind = kUnivariate;
  d.app.registry[1].univariate = NewUnivariateProject(d.ui, 1);
  d.app.MakeCurrent(1);
  UnivariateProject& project = *d.app.registry[1].univariate;
  project.model.arOrder = 1;
  project.model.phi[0] = 0.6;
  d.Play({Ev(EventType::Command, cmd::kSimulate), Ev(EventType::Click, 1),  // 100 values here
          Ev(EventType::Command, cmd::kSimulate), Ev(EventType::SetText, 1146, "50"),
          Ev(EventType::Click, 1)});
  EXPECT_EQ(project.count(), 100);
  EXPECT_EQ(project.firstIndex, 1);
  EXPECT_EQ(project.lastIndex, 100);
  ASSERT_EQ(d.app.registry[2].kind, kUnivariate);
  EXPECT_EQ(d.app.current, 2);
  const UnivariateProject& created = *d.app.registry[2].univariate;
  EXPECT_EQ(created.count(), 50);
  EXPECT_EQ(created.model.phi[0], 0.6);
  // Seed 1234 both times: the new series starts as the first one did.
  EXPECT_EQ(created.series[0], project.series[0]);
}

// A model change leaves the data alone, so the data summary of the main
// plot's report, shown all along, is not computed again; a data change is.
TEST(EstimationCommands, AModelChangeComputesNoDataSummary) {
  Desk d;
  std::vector<double> series(1000000);
  for (size_t t = 0; t < series.size(); ++t) series[t] = std::sin(0.001 * t * t) + 0.5 * std::cos(0.3 * t);
  UnivariateProject& project = d.Project(series);
  project.transforms.push_back(TransformStep{.kind = kSubtractMean});  // no mean question
  ShowPlotInfo(d.ui, project, kMainPlot);
  const unsigned before = project.dataSummary.computations;
  const std::string summaryBefore = d.ui.Window(project.plots[kMainPlot].infoWindow)->text;
  d.Play({Ev(EventType::Command, cmd::kPreliminary), Ev(EventType::SetText, 1101, "2"), Ev(EventType::Click, 1)});
  ASSERT_EQ(project.model.arOrder, 2);
  EXPECT_EQ(project.dataSummary.computations, before);
  const std::string& summary = d.ui.Window(project.plots[kMainPlot].infoWindow)->text;
  EXPECT_NE(summary, summaryBefore);  // the model lines follow the model
  EXPECT_EQ(summary.substr(0, summary.find("MODEL:")), summaryBefore.substr(0, summaryBefore.find("MODEL:")));

  project.series.pop_back();
  RefreshViews(d.ui, project, true, false);
  EXPECT_EQ(project.dataSummary.computations, before + 1);
  EXPECT_NE(d.ui.Window(project.plots[kMainPlot].infoWindow)->text.find("# of Data Points =   999999"),
            std::string::npos);
}

}  // namespace
}  // namespace kora
