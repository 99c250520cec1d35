#include "plot/colours_dialog.h"

#include <array>

#include "plot/plot_window.h"
#include "plot/svg_surface.h"
#include "report/number_format.h"
#include "report/number_parse.h"

namespace kora {

namespace {

using platform::Control;
using platform::Dialog;
using platform::kIdCancel;
using platform::kIdOk;

struct ColourChoice {
  int entry;  // 1-based entry of the colour table
  const char* label;
};
constexpr std::array<ColourChoice, 7> kChoices = {{{1, "#1"},
                                                   {2, "#2"},
                                                   {3, "#3"},
                                                   {4, "#4"},
                                                   {14, "Axis Text"},
                                                   {13, "Border"},
                                                   {11, "Background"}}};
constexpr int kFirstChoice = 1410;
constexpr int kFirstSample = 1420;

std::string Swatch(int colour) {
  return "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"40\" height=\"16\"><rect x=\"0.5\" y=\"0.5\" "
         "width=\"39\" height=\"15\" fill=\"" +
         SvgColour(colour) + "\" stroke=\"#000\"/></svg>";
}

Control Sample(int id, int colour) {
  Control c;
  c.id = id;
  c.type = platform::ControlType::Picture;
  c.picture = Swatch(colour);
  return c;
}

// The stand-in for the platform's colour chooser: red, green and blue fields,
// the custom colours to pick from, and a sample of the colour.
enum ChooserControl : int { kRed = 1450, kGreen, kBlue, kCustom, kChosenSample };

class ColourChooserDialog : public Dialog {
 public:
  explicit ColourChooserDialog(int preset) : Dialog("Color") {
    std::vector<std::string> greys;
    for (int g = 0; g <= 240; g += 16) greys.push_back("Grey " + FormatInteger(g));
    Add(platform::ListBox(kCustom, "Custom colors:", greys, -1));
    Add(platform::EditField(kRed, "Red:", FormatInteger(preset & 0xFF)));
    Add(platform::EditField(kGreen, "Green:", FormatInteger((preset >> 8) & 0xFF)));
    Add(platform::EditField(kBlue, "Blue:", FormatInteger((preset >> 16) & 0xFF)));
    Add(Sample(kChosenSample, preset));
    Add(platform::PushButton(kIdOk, "OK"));
    Add(platform::PushButton(kIdCancel, "Cancel"));
  }

  // The colour of the fields, or nothing while one is not a value 0..255.
  std::optional<int> Colour() const {
    int rgb[3];
    for (int i = 0; i < 3; ++i) {
      auto v = ReadFirstInteger(Find(kRed + i)->text);
      if (!v || *v < 0 || *v > 255) return std::nullopt;
      rgb[i] = *v;
    }
    return Rgb(rgb[0], rgb[1], rgb[2]);
  }

  void OnSelect(int id) override {
    const int grey = 16 * At(kCustom).selected;
    for (int c : {kRed, kGreen, kBlue}) At(c).text = FormatInteger(grey);
    At(kChosenSample).picture = Swatch(Rgb(grey, grey, grey));
  }
  void OnChange(int id) override {
    if (auto colour = Colour()) At(kChosenSample).picture = Swatch(*colour);
  }
  void OnCommand(int id) override {
    if (id == kIdOk) {
      // A field that holds no value 0..255 keeps the chooser open on it.
      for (int c : {kRed, kGreen, kBlue}) {
        auto v = ReadFirstInteger(At(c).text);
        if (!v || *v < 0 || *v > 255) {
          SetFocus(c);
          Touch();
          return;
        }
      }
    }
    Dialog::OnCommand(id);
  }
};

class ColoursDialog : public Dialog {
 public:
  ColoursDialog(const std::function<void()>& repaintAll) : Dialog("Customize Colors"), repaintAll_(repaintAll) {
    for (size_t i = 0; i < kChoices.size(); ++i) {
      const int colour = Colours()[kChoices[i].entry - 1];
      saved_[i] = colour;
      Add(platform::RadioButton(kFirstChoice + static_cast<int>(i), kChoices[i].label, 1, false));
      Add(Sample(kFirstSample + static_cast<int>(i), colour));
    }
    Add(platform::PushButton(kChooseColourButton, "Choose Color"));
    Add(platform::PushButton(kIdOk, "OK"));
    Add(platform::PushButton(kIdCancel, "Cancel"));
  }

  void OnCommand(int id) override {
    if (id == kChooseColourButton) return ChooseForSelection();
    if (id == kIdOk) {
      // OK acts only when it has the focus; otherwise the focus moves to it.
      if (focus() != kIdOk) {
        SetFocus(kIdOk);
        Touch();
        return;
      }
      repaintAll_();
      return End(kIdOk);
    }
    if (id == kIdCancel) {
      for (size_t i = 0; i < kChoices.size(); ++i) Colours()[kChoices[i].entry - 1] = saved_[i];
      repaintAll_();
      return End(kIdCancel);
    }
  }
  // The close box keeps the colours chosen so far.
  void OnClose() override { End(kIdCancel); }

 private:
  void ChooseForSelection() {
    for (size_t i = 0; i < kChoices.size(); ++i) {
      if (!At(kFirstChoice + static_cast<int>(i)).checked) continue;
      int& colour = Colours()[kChoices[i].entry - 1];
      if (auto chosen = ChooseColour(*platform, colour)) {
        colour = *chosen;
        At(kFirstSample + static_cast<int>(i)).picture = Swatch(colour);
        Touch();
      }
      break;
    }
    repaintAll_();
  }

  std::function<void()> repaintAll_;
  std::array<int, kChoices.size()> saved_{};
};

}  // namespace

std::optional<int> ChooseColour(platform::Platform& ui, int preset) {
  ColourChooserDialog chooser(preset);
  if (ui.RunDialog(chooser) != kIdOk) return std::nullopt;
  return chooser.Colour();
}

void RunColoursDialog(platform::Platform& ui, const std::function<void()>& repaintAll) {
  ColoursDialog dialog(repaintAll);
  ui.RunDialog(dialog);
}

}  // namespace kora
