#include <gtest/gtest.h>

#include "dialog_events.h"
#include "recording_observer.h"

#include <cmath>
#include <numeric>

#include "platform/event_queue.h"
#include "platform/platform.h"
#include "smooth/exponential_smooth.h"
#include "smooth/fourier_smooth.h"
#include "smooth/moving_average_dialog.h"
#include "smooth/moving_average_smooth.h"
#include "smooth/parameter_smoothing_dialog.h"
#include "smooth/smooth_reports.h"
#include "reference_data.h"

namespace kora {
namespace {

using testing::ReadDataFile;

nlohmann::json SmoothingReference() {
  std::ifstream in(std::string(KORA_REFERENCE_DIR) + "/smoothing.json");
  return nlohmann::json::parse(in);
}

double Rmse(const std::vector<double>& x, const std::vector<double>& m) {
  double sum = 0.0;
  for (size_t t = 0; t < x.size(); ++t) sum += (x[t] - m[t]) * (x[t] - m[t]);
  return std::sqrt(sum / x.size());
}

void ExpectClose(const std::vector<double>& got, const nlohmann::json& want, double tolerance) {
  ASSERT_EQ(got.size(), want.size());
  for (size_t t = 0; t < got.size(); ++t) EXPECT_NEAR(got[t], want[t].get<double>(), tolerance) << "t=" << t + 1;
}

TEST(Smoothing, ExponentialWithOptimalAlphaMatchesReference) {
  const auto ref = SmoothingReference()["exponential"];
  const std::vector<double> nile = ReadDataFile("nile.txt");
  for (int k = 0; k < 100; k += 11) EXPECT_NEAR(ExponentialSmooth(nile, k / 100.0).sse, ref["sse_grid"][k].get<double>(), 1e-6);
  const ExponentialResult result = ExponentialSmooth(nile, -1.0);
  EXPECT_NEAR(result.alpha, ref["alpha"].get<double>(), 1e-12);
  EXPECT_NEAR(result.sse, ref["sse"].get<double>(), 1e-6);
  ExpectClose(result.smoothed, ref["smoothed"], 1e-9);
  EXPECT_NEAR(Rmse(nile, result.smoothed), ref["rmse"].get<double>(), 1e-9);
  // alpha = 1 is the data, alpha = 0 the first value; equal criteria choose alpha 0.
  EXPECT_EQ(ExponentialSmooth(nile, 1.0).smoothed, nile);
  EXPECT_EQ(ExponentialSmooth(nile, 0.0).smoothed, std::vector<double>(100, nile[0]));
  EXPECT_EQ(ExponentialSmooth(std::vector<double>(10, 3.0), -1.0).alpha, 0.0);
  EXPECT_TRUE(ExponentialSmooth({}, -1.0).smoothed.empty());
}

TEST(Smoothing, FourierLowPassMatchesReference) {
  const auto ref = SmoothingReference()["fft"];
  const std::vector<double> nile = ReadDataFile("nile.txt");
  const std::vector<double> smoothed = FourierSmooth(nile, ref["f"].get<double>());
  ExpectClose(smoothed, ref["smoothed"], 1e-8);
  EXPECT_NEAR(Rmse(nile, smoothed), ref["rmse"].get<double>(), 1e-9);
  // f = 1 gives back the data, f = 0 the mean; also for a prime length.
  std::vector<double> odd(nile.begin(), nile.begin() + 97);
  const std::vector<double> all = FourierSmooth(odd, 1.0), none = FourierSmooth(odd, 0.0);
  const double mean = std::accumulate(odd.begin(), odd.end(), 0.0) / 97;
  for (size_t t = 0; t < odd.size(); ++t) {
    EXPECT_NEAR(all[t], odd[t], 1e-9);
    EXPECT_NEAR(none[t], mean, 1e-9);
  }
  EXPECT_EQ(FourierSmooth({5.0}, 0.0), std::vector<double>{5.0});
  // A prime length beyond the factor bound goes through the chirp transform both ways.
  std::vector<double> prime(1009);
  for (int t = 0; t < 1009; ++t) prime[t] = nile[t % 100] + t;
  const std::vector<double> back = FourierSmooth(prime, 1.0);
  for (int t = 0; t < 1009; ++t) EXPECT_NEAR(back[t], prime[t], 1e-8);
}

TEST(Smoothing, MovingAverageNormalisesAndRepeatsTheEnds) {
  const auto ref = SmoothingReference()["moving_average"];
  const std::vector<double> nile = ReadDataFile("nile.txt");
  const auto weights = NormaliseWeights(ref["weights_given"].get<std::vector<double>>());
  ASSERT_TRUE(weights);
  ExpectClose(*weights, ref["weights_normalised"], 1e-15);
  const std::vector<double> smoothed = MovingAverageSmooth(nile, *weights);
  ExpectClose(smoothed, ref["smoothed"], 1e-9);
  EXPECT_NEAR(Rmse(nile, smoothed), ref["rmse"].get<double>(), 1e-9);
  // Order 1 with (1, 1): the three-point average, the end values counted twice.
  const auto three = NormaliseWeights({1.0, 1.0});
  EXPECT_EQ(MovingAverageSmooth({3.0, 6.0, 9.0}, *three), (std::vector<double>{4.0, 6.0, 8.0}));
  EXPECT_FALSE(NormaliseWeights({1.0, -0.5}));
  // An order far beyond the length only repeats the end values.
  EXPECT_EQ(MovingAverageSmooth({2.0, 2.0}, std::vector<double>(50, 1.0 / 99)).size(), 2u);
}

TEST(Smoothing, Reports) {
  EXPECT_EQ(ExpSmoothReport(0.25, 107.09231366379821 * 107.09231366379821),
            std::string(29, '=') + "\r\nKORA::(Exponential Smoothing)\r\n" + std::string(29, '=') +
                "\r\n \r\n Value of Alpha =  0.25000\r\n SQRT(MSE) =  107.09231\r\n");
  EXPECT_NE(FourierSmoothReport(0.3, 4.0).find(" Value of cutoff =  0.30000\r\n SQRT(MSE) =  2.00000\r\n"),
            std::string::npos);
  EXPECT_NE(MaSmoothReport(0.0).find("KORA::(Moving Average Smoothing)"), std::string::npos);
}

using MessageLog = testing::RecordingObserver;

platform::UserEvent Event(platform::EventType type, int id = 0, std::string text = "", int number = 0) {
  return testing::ControlEvent(type, id, std::move(text), number);
}

TEST(Smoothing, ParameterDialogValidatesPreviewsAndOptimises) {
  using platform::EventType;
  platform::EventQueue queue;
  MessageLog log;
  platform::Platform ui(queue, log);
  double alpha = -1.0;
  int applied = 0;
  ParameterSmoothingDialog dialog(ExponentialDialogText(), alpha, [&] {
    ++applied;
    if (alpha == -1.0) alpha = 0.25;  // what the optimiser would choose
  });
  EXPECT_EQ(dialog.At(kSmoothingSlider).sliderPos, 1);
  queue.Push(Event(EventType::SetText, kSmoothingField, "1.5"));
  queue.Push(Event(EventType::Click, platform::kIdOk));
  queue.Push(Event(EventType::Ok));
  queue.Push(Event(EventType::Slider, kSmoothingSlider, "", 4));
  queue.Push(Event(EventType::SetText, kSmoothingField, "-1"));
  queue.Push(Event(EventType::Click, platform::kIdOk));
  queue.Close();
  EXPECT_EQ(ui.RunDialog(dialog), platform::kIdOk);
  EXPECT_EQ(log.Messages(),
            std::vector<std::string>{"KORA::Tarn Error: Exp. smooth parameter must be in [0.0, 1.0] or -1"});
  EXPECT_EQ(applied, 2);  // the slider at 0.3, then the optimum
  EXPECT_EQ(alpha, 0.25);
  EXPECT_EQ(dialog.At(kSmoothingSlider).sliderPos, 4);
  EXPECT_EQ(dialog.At(kSmoothingField).text, "0.25");
}

TEST(Smoothing, MovingAverageDialogRefusesZeroSumAndLongOrders) {
  using platform::EventType;
  platform::EventQueue queue;
  MessageLog log;
  platform::Platform ui(queue, log);
  UnivariateProject project;
  int applied = 0;
  MovingAverageDialog dialog(project, [&] { ++applied; });
  queue.Push(Event(EventType::SetText, kMaOrderField, "100"));
  queue.Push(Event(EventType::Click, kMaApply));
  queue.Push(Event(EventType::Ok));
  queue.Push(Event(EventType::SetText, kMaOrderField, "1"));
  queue.Push(Event(EventType::Focus, kMaWeightList));
  queue.Push(Event(EventType::Select, kMaWeightList, "", 2));
  queue.Push(Event(EventType::Focus, kMaWeightField));
  queue.Push(Event(EventType::SetText, kMaWeightField, "-0.5"));
  queue.Push(Event(EventType::Click, kMaApply));
  queue.Push(Event(EventType::Ok));
  queue.Push(Event(EventType::Select, kMaWeightList, "", 2));
  queue.Push(Event(EventType::Focus, kMaWeightField));
  queue.Push(Event(EventType::SetText, kMaWeightField, "1"));
  queue.Push(Event(EventType::Click, kMaApply));
  queue.Push(Event(EventType::Click, platform::kIdOk));
  queue.Close();
  EXPECT_EQ(ui.RunDialog(dialog), platform::kIdOk);
  EXPECT_EQ(log.Messages(), (std::vector<std::string>{"KORA::ERROR: MA Order must be < 100",
                                                    "KORA::ERROR: MA coefficients cannot sum to zero"}));
  EXPECT_EQ(applied, 1);
  ASSERT_EQ(project.movingAverageWeights.size(), 2u);
  EXPECT_NEAR(project.movingAverageWeights[0], 1.0 / 3, 1e-15);
  EXPECT_EQ(dialog.At(kMaWeightList).items[1], "Theta(1) = 0.33333");
}

}  // namespace
}  // namespace kora
