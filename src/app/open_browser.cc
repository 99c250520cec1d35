#include "app/open_browser.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

#include <cstdlib>
#include <thread>

extern char** environ;

namespace kora {

bool OpenInBrowser(const std::string& address) {
  const char* display = std::getenv("DISPLAY");
  const char* wayland = std::getenv("WAYLAND_DISPLAY");
  if ((!display || !*display) && (!wayland || !*wayland)) return false;
  posix_spawn_file_actions_t quiet;
  posix_spawn_file_actions_init(&quiet);
  // The browser's chatter would mix with the program's own output.
  posix_spawn_file_actions_addopen(&quiet, 0, "/dev/null", O_RDONLY, 0);
  posix_spawn_file_actions_addopen(&quiet, 1, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addopen(&quiet, 2, "/dev/null", O_WRONLY, 0);
  std::string url = address;
  char* argv[] = {const_cast<char*>("xdg-open"), url.data(), nullptr};
  pid_t pid = 0;
  const int error = posix_spawnp(&pid, "xdg-open", &quiet, nullptr, argv, environ);
  posix_spawn_file_actions_destroy(&quiet);
  if (error != 0) return false;
  std::thread([pid] { waitpid(pid, nullptr, 0); }).detach();
  return true;
}

}  // namespace kora
