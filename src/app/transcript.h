// The headless back end's output: what the user would see, one line per event.
#pragma once

#include <ostream>

#include "platform/platform.h"

namespace kora {

class Transcript : public platform::PlatformObserver {
 public:
  explicit Transcript(std::ostream& out) : out_(out) {}
  void Action(const std::string& line) { out_ << "> " << line << "\n"; }

  void WindowCreated(const platform::ChildWindow& w) override;
  void WindowRetitled(const platform::ChildWindow& w, const std::string& oldTitle) override;
  void WindowDestroyed(const platform::ChildWindow& w) override;
  void DialogOpened(const platform::Dialog& d) override;
  void DialogChanged(const platform::Dialog& d) override;
  void DialogClosed(const platform::Dialog& d) override;
  void MessageShown(const platform::MessageBoxState& m) override;
  void FileDialogOpened(const platform::FileDialogOptions& options) override;
  void FileDialogClosed(const platform::FileDialogOptions& options, const std::optional<std::string>& path) override;
  void HelpRequested(const std::string& topic) override;
  void PrintRequested(const platform::ChildWindow& w) override;
  void Output(const std::string& text) override { out_ << text; }

 private:
  // Prints the dialog's tree when it differs from the tree printed last.
  void ShowTree(const platform::Dialog& d);

  std::ostream& out_;
  std::string shownTree_;
};

}  // namespace kora
