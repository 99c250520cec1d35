// Stable dotted names of the commands ("file.open", "model.estimate.max-likelihood"),
// for scripts ("command NAME") and for the listing of `kora commands`.
#pragma once

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "app/commands.h"

namespace kora {

// The name the rule gives a menu path: each level in lower case with every
// run of other characters than letters and digits made one '-', levels joined
// by '.'. The File > Project level is left out and "Estimation" reads
// "estimate"; a command of the multivariate menu bar alone gets the prefix
// "multivariate.".
std::string NameFromMenuPath(const std::vector<std::string>& path, bool multivariateOnly);

// Lower-case words of letters and digits joined by '-', at least two levels joined by '.'.
bool IsWellFormedCommandName(std::string_view name);

// The places of a command in the menu bars, "File > Project > Open", in menu
// order: the univariate bar first, then what only the multivariate bar has
// (marked " (M)"). Empty for a command in no menu.
std::vector<std::string> MenuPaths(int id);

// The command's name: the one fixed in the command table, or, for a command
// written into the table without one, the rule's name of its first menu path.
// Empty for an id that is not in the table.
std::string CommandName(int id);
const CommandEntry* FindCommandByName(std::string_view name);

// One line per command of the table: id, name and menu paths.
void ListCommands(std::ostream& out);

}  // namespace kora
