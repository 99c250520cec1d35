// Pictures of plots kept by the user: Save Picture writes the active plot as
// an SVG file, or as a PNG file that the page draws from the same SVG; the
// Prediction Bands switch shows or hides the bands of every forecast plot.
#include <fstream>

#include "app/application.h"
#include "app/command_ids.h"
#include "app/commands.h"
#include "app/picture_file.h"
#include "plot/painter.h"

namespace kora {

namespace {

constexpr const char* kSaveCaption = "SavePicture()";
constexpr int kPictureMargin = 10;  // as Copy and Duplicate record a plot

bool WriteFile(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  return static_cast<bool>(out.flush());
}

std::string FileName(const std::string& path) { return path.substr(path.find_last_of('/') + 1); }

}  // namespace

void SavePictureCommand(Application& app) {
  const WindowId active = app.ActiveChild();
  const platform::ChildWindow* w = app.ui.Window(active);
  if (!w) return;
  std::string svg;
  int width = std::max(1, w->width - 2 * kPictureMargin), height = std::max(1, w->height - 2 * kPictureMargin);
  if (w->kind == platform::kPlotWindow) {
    Application::PlotRef ref = app.FindPlot(active);
    if (!ref.plot) return;
    svg = PlotSvg(*ref.plot, width, height);
  } else if (w->kind == platform::kDuplicatePlotWindow) {
    svg = w->picture;
  } else {
    return;  // only plots are pictures
  }
  platform::FileDialogOptions options;
  options.save = true;
  options.title = "Save Picture";
  options.initialName = "*.svg";
  options.filters = {{"SVG Pictures (*.SVG)", "*.SVG"}, {"PNG Pictures (*.PNG)", "*.PNG"}};
  options.defaultExtension = "svg";
  options.overwritePrompt = true;
  const std::optional<std::string> path = app.ui.ChooseFile(options);
  if (!path) return;
  if (PictureFormatOf(*path) == PictureFormat::kPng) {
    // The page draws the SVG and sends the PNG back (WritePictureData).
    app.pictureRequest = {app.pictureRequest.serial + 1, *path, std::move(svg), width, height};
    app.StatusNote("Drawing " + FileName(*path) + " ...");
    return;
  }
  if (!WriteFile(*path, svg)) {
    app.ui.Message(kSaveCaption, "Cannot write " + *path);
    return;
  }
  app.StatusNote("Picture saved to " + FileName(*path));
}

void Application::WritePictureData(const UserEvent& event) {
  if (pictureRequest.path.empty() || event.number != static_cast<int>(pictureRequest.serial)) return;
  const std::string path = pictureRequest.path;
  pictureRequest.path.clear();
  pictureRequest.svg.clear();
  const std::optional<std::string> png = DecodePng(event.text);
  if (!png) {
    ui.Message(kSaveCaption, "The picture could not be drawn.");
    StatusNote(" ");
    return;
  }
  if (!WriteFile(path, *png)) {
    ui.Message(kSaveCaption, "Cannot write " + path);
    StatusNote(" ");
    return;
  }
  StatusNote("Picture saved to " + FileName(path));
}

void Application::StatusNote(const std::string& text) {
  status[2] = text;
  FrameChanged();
}

void PredictionBandsCommand(Application& app) {
  BandsShown() = !BandsShown();
  app.tarnMenu.Check(cmd::kPredictionBands, BandsShown());
  app.mvMenu.Check(cmd::kPredictionBands, BandsShown());
  for (const platform::ChildWindow* w : app.ui.Windows())
    if (w->kind == platform::kPlotWindow) app.ui.Invalidate(w->id);
  app.UpdateMenus();
}

}  // namespace kora
