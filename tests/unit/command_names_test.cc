#include "app/command_names.h"

#include <gtest/gtest.h>

#include <set>
#include <sstream>

#include "app/command_ids.h"

namespace kora {
namespace {

TEST(CommandNames, EveryCommandHasAUniqueWellFormedNameThatFindsIt) {
  std::set<std::string> seen;
  for (const CommandEntry& entry : AllCommands()) {
    const std::string name = CommandName(entry.id);
    EXPECT_TRUE(IsWellFormedCommandName(name)) << entry.id << " " << name;
    EXPECT_TRUE(seen.insert(name).second) << "two commands named " << name;
    ASSERT_NE(FindCommandByName(name), nullptr) << name;
    EXPECT_EQ(FindCommandByName(name)->id, entry.id) << name;
    EXPECT_FALSE(MenuPaths(entry.id).empty()) << entry.id << " is in no menu";
  }
  EXPECT_EQ(FindCommandByName("file.project.open"), nullptr);
  EXPECT_TRUE(CommandName(cmd::kEstimationBlank).empty());  // no handler, no name
}

TEST(CommandNames, RuleNamesMenuPaths) {
  using Path = std::vector<std::string>;
  EXPECT_EQ(NameFromMenuPath(Path{"File", "Project", "Open"}, false), "file.open");
  EXPECT_EQ(NameFromMenuPath(Path{"File", "Project Editor"}, false), "file.project-editor");
  EXPECT_EQ(NameFromMenuPath(Path{"Model", "Estimation", "Max likelihood"}, false),
            "model.estimate.max-likelihood");
  EXPECT_EQ(NameFromMenuPath(Path{"Statistics", "ACF/PACF", "Sample / Model"}, false),
            "statistics.acf-pacf.sample-model");
  EXPECT_EQ(NameFromMenuPath(Path{"Transform", "Box - Cox"}, false), "transform.box-cox");
  EXPECT_EQ(NameFromMenuPath(Path{"File", "Save Session As Script..."}, false),
            "file.save-session-as-script");
  EXPECT_EQ(NameFromMenuPath(Path{"Smooth", "Moving Ave."}, false), "smooth.moving-ave");
  EXPECT_EQ(NameFromMenuPath(Path{"Transform", "Difference"}, true), "multivariate.transform.difference");
  // Access-key marks are not part of the text; "&&" is an ampersand.
  EXPECT_EQ(NameFromMenuPath(Path{"Fore&casting", "AR &Model"}, true), "multivariate.forecasting.ar-model");
  EXPECT_EQ(NameFromMenuPath(Path{"&File", "Save && Close"}, false), "file.save-close");

  for (const char* good : {"file.open", "model.estimate.max-likelihood", "a1.b2-c3"})
    EXPECT_TRUE(IsWellFormedCommandName(good)) << good;
  for (const char* bad : {"", "file", "file.", ".open", "file..open", "File.open", "file.-open", "file.open-",
                          "file.open files", "file.a--b"})
    EXPECT_FALSE(IsWellFormedCommandName(bad)) << bad;
}

TEST(CommandNames, MenuPathsAndListing) {
  EXPECT_EQ(MenuPaths(cmd::kModelAcf),
            (std::vector<std::string>{"Model > ACF/PACF > Model", "Statistics > ACF/PACF > Model"}));
  EXPECT_EQ(MenuPaths(cmd::kImportFile),
            (std::vector<std::string>{"File > Import File", "File > Import (M)"}));
  EXPECT_EQ(MenuPaths(cmd::kMvBurg), (std::vector<std::string>{"Model > Estimation > Burg (M)"}));
  EXPECT_EQ(MenuPaths(cmd::kMvForecast), (std::vector<std::string>{"Forecasting > AR Model (M)"}));
  std::ostringstream listing;
  ListCommands(listing);
  std::string line;
  size_t lines = 0;
  bool sawOpen = false;
  for (std::istringstream in(listing.str()); std::getline(in, line); ++lines)
    sawOpen |= line.starts_with("40095  file.open") && line.ends_with("  File > Project > Open");
  EXPECT_EQ(lines, AllCommands().size());
  EXPECT_TRUE(sawOpen) << listing.str();
}

}  // namespace
}  // namespace kora
