#include "app/script_reader.h"

#include <gtest/gtest.h>

#include <sstream>

namespace kora {
namespace {

using platform::EventType;

TEST(ScriptReader, ReadsEveryActionForm) {
  auto set = ParseScriptLine(R"(set "Enter lag:" 12)", 1);
  EXPECT_EQ(set.type, EventType::SetText);
  EXPECT_EQ(set.control.label, "Enter lag:");
  EXPECT_EQ(set.text, "12");
  auto quoted = ParseScriptLine(R"(set 1010 "  two words  ")", 2);
  EXPECT_EQ(quoted.control.id, 1010);
  EXPECT_EQ(quoted.text, "  two words  ");
  // A quoted number is a label, not an id.
  EXPECT_EQ(ParseScriptLine(R"(click "1")", 3).control.label, "1");
  EXPECT_EQ(ParseScriptLine("command 40047", 4).number, 40047);
  auto check = ParseScriptLine("check 5 off", 5);
  EXPECT_EQ(check.type, EventType::Check);
  EXPECT_EQ(check.number, 0);
  auto mouse = ParseScriptLine(R"(mouse down "ACF/PACF" 10 20)", 6);
  EXPECT_EQ(mouse.type, EventType::MouseDown);
  EXPECT_EQ(mouse.text, "ACF/PACF");
  EXPECT_EQ(mouse.x, 10);
  EXPECT_EQ(mouse.y, 20);
  EXPECT_EQ(ParseScriptLine(R"(mouse right "x" 1 2)", 7).number, 2);
  EXPECT_EQ(ParseScriptLine(R"(clipboard 1\r\n2)", 8).text, "1\r\n2");
  EXPECT_EQ(ParseScriptLine("file ../examples/nile.txt", 9).text, "../examples/nile.txt");
  EXPECT_EQ(ParseScriptLine("select 3 2", 10).number, 2);
}

TEST(ScriptReader, RejectsMalformedLinesNamingTheLine) {
  for (const char* bad : {"dance", "command", "command forty", "check 5 maybe", R"(print "unterminated)",
                          "select 3", "mouse sideways \"x\" 1 2", "ok now", "file", "command no.such-command",
                          "client-size 800 600 8", R"(activate "a \"b)"}) {
    try {
      ParseScriptLine(bad, 7);
      ADD_FAILURE() << bad;
    } catch (const ScriptError& e) {
      EXPECT_EQ(e.line, 7) << bad;
    }
  }
}

TEST(ScriptReader, SkipsCommentsAndBlankLinesAndEchoesActions) {
  std::istringstream in("# comment\n\n  command 40091\r\n   # indented comment\nclick 1\n");
  std::vector<std::string> echoed;
  ScriptEventSource source(in, [&](const std::string& line) { echoed.push_back(line); });
  auto first = source.Next();
  ASSERT_TRUE(first);
  EXPECT_EQ(first->sourceLine, 3);
  auto second = source.Next();
  ASSERT_TRUE(second);
  EXPECT_EQ(second->sourceLine, 5);
  EXPECT_FALSE(source.Next());
  EXPECT_EQ(echoed, (std::vector<std::string>{"command 40091", "click 1"}));
  EXPECT_THROW(source.Reject(*second, "nothing modal is open"), ScriptError);
}

}  // namespace
}  // namespace kora
