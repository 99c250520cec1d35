#include "app/script_line.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "app/command_ids.h"
#include "app/script_reader.h"
#include "platform/tree.h"

namespace kora {
namespace {

using platform::EventType;
using platform::UserEvent;

UserEvent Event(EventType type, int number = 0, std::string text = {}) {
  UserEvent e;
  e.type = type;
  e.number = number;
  e.text = std::move(text);
  return e;
}

UserEvent OnControl(EventType type, int control, std::string text = {}, int number = 0) {
  UserEvent e = Event(type, number, std::move(text));
  e.control.id = control;
  return e;
}

UserEvent InWindow(EventType type, int x = 0, int y = 0, int button = 0) {
  UserEvent e = Event(type, button);
  e.window = 7;
  e.x = x;
  e.y = y;
  return e;
}

// The line of each event, read back, is the same event (controls by label where it is unambiguous).
TEST(ScriptLine, ReadsBackAsTheSameEvent) {
  platform::Dialog dialog("Options");
  dialog.Add(platform::EditField(10, " Lag: ", ""));
  dialog.Add(platform::CheckBox(11, "Mean", false));
  dialog.Add(platform::CheckBox(12, "Mean", false));  // a namesake: both go by id
  dialog.Add(platform::RadioButton(13, R"(Say "hi" \ bye)", 1, false));
  dialog.Add(platform::PushButton(14, ""));
  const ScriptLineContext context{R"(ACF/PACF: a "b" \c)", &dialog};

  struct Case {
    UserEvent event;
    std::string line;
  };
  UserEvent move = InWindow(EventType::MoveWindow, 5, 6);
  move.width = 300;
  move.height = 200;
  UserEvent size = Event(EventType::ClientSize);
  size.width = 1000;
  size.height = 700;
  size.x = 8;
  size.y = 30;
  const std::vector<Case> cases = {
      {Event(EventType::Command, cmd::kMaxLikelihood), "command model.estimate.max-likelihood"},
      {Event(EventType::Command, cmd::kEstimationBlank), "command 40077"},
      {InWindow(EventType::Activate), R"(activate "ACF/PACF: a \"b\" \\c")"},
      {InWindow(EventType::MaximizeWindow), R"(maximize "ACF/PACF: a \"b\" \\c")"},
      {move, R"(move "ACF/PACF: a \"b\" \\c" 5 6 300 200)"},
      {size, "client-size 1000 700 8 30"},
      {InWindow(EventType::MouseDown, 3, 4, 2), R"(mouse right "ACF/PACF: a \"b\" \\c" 3 4)"},
      {InWindow(EventType::MouseUp, 30, 40, 1), R"(mouse up "ACF/PACF: a \"b\" \\c" 30 40)"},
      {InWindow(EventType::MouseDown, 30, 40, 5), R"(mouse wheel-down "ACF/PACF: a \"b\" \\c" 30 40)"},
      {OnControl(EventType::SetText, 10, "12"), R"(set "Lag:" 12)"},
      {OnControl(EventType::SetText, 10, "  padded "), R"(set "Lag:" "  padded ")"},
      {OnControl(EventType::SetText, 10, R"("quoted")"), R"(set "Lag:" ""quoted"")"},
      {OnControl(EventType::SetText, 10, ""), R"(set "Lag:" "")"},
      {OnControl(EventType::Check, 12, {}, 1), "check 12 on"},
      {OnControl(EventType::Radio, 13), R"(radio "Say \"hi\" \\ bye")"},
      {OnControl(EventType::Click, 14), "click 14"},
      {Event(EventType::SetClipboard, 0, " 1\t2\r\n3\\n "), R"(clipboard " 1\t2\r\n3\\n ")"},
      {Event(EventType::File, 0, (std::filesystem::current_path() / "data" / "nile.txt").string()),
       "file data/nile.txt"},
      {Event(EventType::File, 0, "/elsewhere/x.txt"), "file /elsewhere/x.txt"},
      {Event(EventType::Yes), "yes"},
      {Event(EventType::CloseDialog), "close"},
  };
  for (const auto& [event, line] : cases) {
    auto written = ScriptLine(event, context);
    ASSERT_TRUE(written) << line;
    EXPECT_EQ(*written, line);
    const UserEvent read = ParseScriptLine(*written, 1);
    EXPECT_EQ(read.type, event.type) << line;
    EXPECT_EQ(read.number, event.number) << line;
    EXPECT_EQ(std::tie(read.x, read.y, read.width, read.height),
              std::tie(event.x, event.y, event.width, event.height))
        << line;
    // A window goes by its title, a file by a path that leads to the same file.
    const std::string text =
        event.type == EventType::File ? std::filesystem::absolute(read.text).string() : read.text;
    EXPECT_EQ(text, event.window ? context.windowTitle : event.text) << line;
    if (event.control.id) {
      platform::Control* named =
          read.control.label.empty() ? dialog.Find(read.control.id) : dialog.FindByLabel(read.control.label);
      ASSERT_NE(named, nullptr) << line;
      EXPECT_EQ(named->id, event.control.id) << line;
    }
  }
  EXPECT_FALSE(ScriptLine(Event(EventType::PrintWindows), context));

  ScriptLineContext second = context;
  second.windowRank = 2;
  const auto line = ScriptLine(InWindow(EventType::MinimizeWindow), second);
  EXPECT_EQ(line, R"(minimize "ACF/PACF: a \"b\" \\c" #2)");
  EXPECT_EQ(ParseScriptLine(*line, 1).titleRank, 2);
}

// Tree nodes come from the page by key and go into the script by their path of labels.
TEST(ScriptLine, NamesTreeNodesByTheirPath) {
  platform::Dialog dialog("Project Editor");
  platform::Control tree;
  tree.id = 20;
  tree.type = platform::ControlType::Tree;
  tree.label = "Projects";
  tree.nodes = {
      {1,
       "KORA Projects",
       true,
       false,
       false,
       false,
       {{2, R"(a "b".txt)", true, true, true, true, {}}, {3, "c.txt", true, true, true, true, {}}}}};
  dialog.Add(tree);
  UserEvent drag = OnControl(EventType::TreeDrag, 20);
  drag.node.key = 2;
  drag.target.key = 3;
  UserEvent rename = OnControl(EventType::TreeRename, 20, "new name");
  rename.node.key = 3;
  const ScriptLineContext context{"", &dialog};
  EXPECT_EQ(ScriptLine(drag, context),
            R"(tree-drag "Projects" "KORA Projects > a \"b\".txt" "KORA Projects > c.txt")");
  EXPECT_EQ(ScriptLine(rename, context), R"(tree-rename "Projects" "KORA Projects > c.txt" "new name")");
  for (const UserEvent& event : {drag, rename}) {
    const UserEvent read = ParseScriptLine(*ScriptLine(event, context), 1);
    std::string why;
    EXPECT_EQ(platform::ResolveNode(tree.nodes, read.node, &why), event.node.key) << why;
    if (event.target.key) {
      EXPECT_EQ(platform::ResolveNode(tree.nodes, read.target, &why), event.target.key) << why;
    }
    EXPECT_EQ(read.text, event.text);
  }
}

}  // namespace
}  // namespace kora
