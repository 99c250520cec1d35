#include "app/transcript.h"

#include "platform/tree.h"

namespace kora {

namespace {
std::string Quoted(const std::string& s) { return "\"" + s + "\""; }
}  // namespace

void Transcript::WindowCreated(const platform::ChildWindow& w) {
  out_ << "window " << w.id << " created " << Quoted(w.title) << "\n";
}

void Transcript::WindowRetitled(const platform::ChildWindow& w, const std::string& oldTitle) {
  out_ << "window " << w.id << " retitled " << Quoted(oldTitle) << " -> " << Quoted(w.title) << "\n";
}

void Transcript::WindowDestroyed(const platform::ChildWindow& w) {
  out_ << "window " << w.id << " destroyed " << Quoted(w.title) << "\n";
}

void Transcript::DialogOpened(const platform::Dialog& d) {
  out_ << "dialog " << Quoted(d.title()) << " opened\n";
  shownTree_.clear();
  ShowTree(d);
}

void Transcript::DialogChanged(const platform::Dialog& d) { ShowTree(d); }

void Transcript::ShowTree(const platform::Dialog& d) {
  for (const auto& c : d.controls()) {
    if (c.type != platform::ControlType::Tree) continue;
    std::string tree = platform::TreeText(c);
    if (tree == shownTree_) return;
    shownTree_ = tree;
    out_ << "tree:\n" << tree;
  }
}

void Transcript::DialogClosed(const platform::Dialog& d) {
  out_ << "dialog " << Quoted(d.title()) << " closed " << (d.result() == platform::kIdOk ? "(OK)" : "(Cancel)")
       << "\n";
}

void Transcript::MessageShown(const platform::MessageBoxState& m) {
  out_ << (m.yesNo ? "question " : "message ") << Quoted(m.caption) << " " << Quoted(m.text)
       << (m.cancel ? " (Yes/No/Cancel)" : "") << "\n";
}

void Transcript::FileDialogOpened(const platform::FileDialogOptions& options) {
  out_ << "file dialog " << Quoted(options.title) << " opened\n";
}

void Transcript::FileDialogClosed(const platform::FileDialogOptions& options, const std::optional<std::string>& path) {
  out_ << "file dialog " << Quoted(options.title) << " closed " << (path ? Quoted(*path) : "(Cancel)") << "\n";
}

void Transcript::HelpRequested(const std::string& topic) { out_ << "help \"TARN.HLP\" " << topic << "\n"; }

void Transcript::PrintRequested(const platform::ChildWindow& w) { out_ << "print " << Quoted(w.title) << "\n"; }

}  // namespace kora
