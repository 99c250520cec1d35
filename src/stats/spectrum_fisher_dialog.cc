#include "stats/spectrum_fisher_dialog.h"

#include "report/number_format.h"
#include "transform/placed_control.h"

namespace kora {

namespace {

platform::Control ReadOnlyLine(int id, std::string label, double value) {
  platform::Control c = platform::EditField(id, std::move(label), FormatSignificant(value, 6));
  c.enabled = false;
  return c;
}

}  // namespace

FisherTestDialog::FisherTestDialog(double ratio, double probability) : Dialog("Fisher Spectrum Test") {
  width = 280;
  height = 70;
  Add(Placed(ReadOnlyLine(kFisherRatioLine, "Ratio of maximum periodogram ordinate to mean = ", ratio), 200, 8, 70,
             12));
  Add(Placed(ReadOnlyLine(kFisherProbabilityLine, "Probability of exceeding this value (under H0) =", probability),
             200, 26, 70, 12));
  Add(Placed(platform::PushButton(platform::kIdOk, "OK"), 115, 48, 50, 14));
}

}  // namespace kora
