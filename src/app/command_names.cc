#include "app/command_names.h"

#include <algorithm>
#include <map>

#include "app/menu_bar.h"

namespace kora {

namespace {

using Path = std::vector<std::string>;

void CollectPaths(const std::vector<MenuItem>& items, int id, Path& above, std::vector<Path>& found) {
  for (const auto& item : items) {
    above.push_back(item.text);
    if (item.IsPopup())
      CollectPaths(item.children, id, above, found);
    else if (item.id == id)
      found.push_back(above);
    above.pop_back();
  }
}

std::vector<Path> PathsIn(const MenuBar& bar, int id) {
  std::vector<Path> found;
  Path above;
  CollectPaths(bar.popups, id, above, found);
  return found;
}

struct Places {
  std::vector<Path> univariate;    // in the univariate menu bar
  std::vector<Path> multivariate;  // in the multivariate bar and not the same in the univariate one
};

Places PlacesOf(int id) {
  static const MenuBar tarn = BuildTarnMenu();
  static const MenuBar mv = BuildMvMenu();
  Places places{PathsIn(tarn, id), {}};
  for (auto& path : PathsIn(mv, id))
    if (std::find(places.univariate.begin(), places.univariate.end(), path) == places.univariate.end())
      places.multivariate.push_back(std::move(path));
  return places;
}

// A menu text as shown: "&" marks the access key of the next letter, "&&" is an "&".
std::string Shown(const std::string& text) {
  std::string shown;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '&' && i + 1 < text.size()) ++i;  // the mark goes; of "&&" one stays
    shown += text[i];
  }
  return shown;
}

std::string Slug(const std::string& text) {
  std::string slug;
  bool gap = false;
  for (char c : Shown(text)) {
    const bool alnum = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
    if (!alnum) {
      gap = true;
      continue;
    }
    if (gap && !slug.empty()) slug += '-';
    gap = false;
    slug += static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
  }
  return slug;
}

std::string Joined(const Path& path, const char* separator) {
  std::string text;
  for (const auto& level : path) text += (text.empty() ? "" : separator) + level;
  return text;
}

struct NameTable {
  std::map<int, std::string> byId;
  std::map<std::string, int, std::less<>> byName;
};

const NameTable& Names() {
  static const NameTable table = [] {
    NameTable t;
    for (const CommandEntry& entry : AllCommands()) {
      std::string name(entry.name);
      if (name.empty()) {
        Places places = PlacesOf(entry.id);
        const bool mvOnly = places.univariate.empty() && !places.multivariate.empty();
        if (!places.univariate.empty())
          name = NameFromMenuPath(places.univariate.front(), false);
        else if (mvOnly)
          name = NameFromMenuPath(places.multivariate.front(), true);
        else
          name = "command." + std::to_string(entry.id);
      }
      t.byName.emplace(name, entry.id);
      t.byId.emplace(entry.id, std::move(name));
    }
    return t;
  }();
  return table;
}

}  // namespace

std::string NameFromMenuPath(const Path& path, bool multivariateOnly) {
  std::string name = multivariateOnly ? "multivariate" : "";
  for (size_t level = 0; level < path.size(); ++level) {
    std::string slug = Slug(path[level]);
    // File > Project holds the project commands; the level adds nothing to their names.
    if (level == 1 && slug == "project" && path.size() > 2 && Slug(path[0]) == "file") continue;
    if (slug == "estimation") slug = "estimate";
    name += (name.empty() ? "" : ".") + slug;
  }
  return name;
}

bool IsWellFormedCommandName(std::string_view name) {
  int levels = 1;
  char previous = '.';
  for (char c : name) {
    const bool word = (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
    if (!word && (c != '.' && c != '-')) return false;
    if (!word && (previous == '.' || previous == '-')) return false;  // empty word
    if (c == '.') ++levels;
    previous = c;
  }
  return levels >= 2 && previous != '.' && previous != '-';
}

std::vector<std::string> MenuPaths(int id) {
  Places places = PlacesOf(id);
  std::vector<std::string> texts;
  for (const auto& path : places.univariate) texts.push_back(Shown(Joined(path, " > ")));
  for (const auto& path : places.multivariate) texts.push_back(Shown(Joined(path, " > ")) + " (M)");
  return texts;
}

std::string CommandName(int id) {
  const auto& byId = Names().byId;
  auto it = byId.find(id);
  return it == byId.end() ? std::string() : it->second;
}

const CommandEntry* FindCommandByName(std::string_view name) {
  const auto& byName = Names().byName;
  auto it = byName.find(name);
  return it == byName.end() ? nullptr : FindCommand(it->second);
}

void ListCommands(std::ostream& out) {
  size_t width = 0;
  for (const CommandEntry& entry : AllCommands()) width = std::max(width, CommandName(entry.id).size());
  for (const CommandEntry& entry : AllCommands()) {
    const std::string name = CommandName(entry.id);
    out << entry.id << "  " << name << std::string(width - name.size() + 2, ' ')
        << Joined(MenuPaths(entry.id), "; ") << "\n";
  }
}

}  // namespace kora
