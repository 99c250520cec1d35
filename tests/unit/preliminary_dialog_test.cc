#include "arma/preliminary_dialog.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "command_dialog_fixture.h"

namespace kora {
namespace {

using platform::ControlType;
using platform::EventType;

class PreliminaryDialogs : public testing::CommandDialogFixture {};

// One estimator is selected at a time, whatever the orders selected before,
// and the ACVF count is open only with Innovations.
TEST_F(PreliminaryDialogs, EstimatorsAreOneChoice) {
  PreliminaryDialog dialog(0, 0, 0);
  Type(1102, "1");                // p = 0, q = 1: Innovations
  Type(1101, "2");                // p = 2, q = 1: the choice stays
  Event(EventType::Radio, 1105);  // Yule-Walker replaces Innovations
  Rejected();                     // q >= 1 needs an ARMA method
  Click(platform::kIdCancel);
  queue.Close();
  ui.RunDialog(dialog);
  ExpectEveryEventTaken();
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.Messages()[0], "ERROR:  Select an ARMA method box");
  std::string selected;
  for (const auto& c : dialog.controls())
    if (c.type == ControlType::Radio && c.checked) selected += c.label + ";";
  EXPECT_EQ(selected, "Yule-Walker;");
  EXPECT_FALSE(dialog.At(1111).enabled);
  // The count's prompt is shown once, by its field.
  const auto prompts = std::count_if(dialog.controls().begin(), dialog.controls().end(), [](const auto& c) {
    return c.label.starts_with("Number of ACVF's used.");
  });
  EXPECT_EQ(prompts, 1);
}

}  // namespace
}  // namespace kora
