// Reading a chosen file into a univariate project: the part-structured
// layout, then the project file, then plain text.
#pragma once

namespace kora {

class Application;
struct UnivariateProject;

// Asks for a file and reads it into the project. Returns whether a file was
// chosen (whether or not a reader accepted it).
bool ImportFile(Application& app, UnivariateProject& project);

}  // namespace kora
