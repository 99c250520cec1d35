#include "arma/autofit.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "arma/autofit_report.h"
#include "arma/simulation.h"

namespace kora {
namespace {

std::vector<double> SimulatedArma21(int n) {
  ArmaModel model;
  model.arOrder = 2;
  model.phi[0] = 0.6;
  model.phi[1] = -0.4;
  model.maOrder = 1;
  model.theta[0] = 0.5;
  UniformGenerator generator;
  return *SimulateArma(model, 1.0, GaussianNoise(n, 21, generator));
}

TEST(Autofit, FindsAModelAtLeastAsGoodAsTheTrueOrderWhateverTheThreads) {
  const std::vector<double> x = SimulatedArma21(300);
  AutofitOptions options;
  options.maxP = 3;
  options.maxQ = 2;
  options.threads = 1;
  int lastDone = -1;
  options.progress = [&](int done, int total) {
    EXPECT_EQ(total, 12);
    EXPECT_GT(done, lastDone);
    lastDone = done;
  };
  const AutofitResult serial = Autofit(x, options);
  EXPECT_EQ(lastDone, 12);
  ASSERT_EQ(serial.candidates.size(), 12u);
  ASSERT_TRUE(serial.found());
  const AutofitCandidate truth = FitCandidate(x, 2, 1);
  ASSERT_TRUE(truth.usable) << truth.status;
  const AutofitCandidate& best = serial.candidates.front();
  EXPECT_LE(best.estimate.aicc, truth.estimate.aicc + 1e-9);
  // Sorted by AICC among the usable fits, every order listed once.
  for (size_t i = 1; i < serial.candidates.size(); ++i) {
    if (serial.candidates[i].usable) {
      EXPECT_LE(serial.candidates[i - 1].estimate.aicc, serial.candidates[i].estimate.aicc);
    }
  }

  options.threads = 4;
  options.progress = nullptr;
  const AutofitResult parallel = Autofit(x, options);
  ASSERT_EQ(parallel.candidates.size(), serial.candidates.size());
  for (size_t i = 0; i < serial.candidates.size(); ++i) {
    EXPECT_EQ(parallel.candidates[i].p, serial.candidates[i].p);
    EXPECT_EQ(parallel.candidates[i].q, serial.candidates[i].q);
    EXPECT_EQ(parallel.candidates[i].estimate.coefficients, serial.candidates[i].estimate.coefficients);
  }

  const std::string report = AutofitReportText(serial, 3, 2);
  EXPECT_NE(report.find("Chosen model: ARMA(" + std::to_string(best.p) + "," + std::to_string(best.q) + ")"),
            std::string::npos);
  size_t rows = 0;
  for (const AutofitCandidate& c : serial.candidates) rows += report.find(c.status) != std::string::npos;
  EXPECT_EQ(rows, serial.candidates.size());
}

TEST(Autofit, TooShortASeriesListsEveryCandidateWithItsReason) {
  const std::vector<double> x = SimulatedArma21(6);
  AutofitOptions options;
  options.maxP = 2;
  options.maxQ = 2;
  const AutofitResult result = Autofit(x, options);
  ASSERT_EQ(result.candidates.size(), 9u);
  for (const AutofitCandidate& c : result.candidates) {
    if (c.p + c.q >= 4) {
      EXPECT_FALSE(c.usable) << c.p << "," << c.q << " " << c.status;
    }
  }
}

}  // namespace
}  // namespace kora
