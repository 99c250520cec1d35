// The kora program as its users start it: command-line answers, opening the
// browser, and ending on a signal whatever is open.
#include <arpa/inet.h>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <regex>
#include <thread>

#include "http_test_client.h"

extern char** environ;

namespace kora {
namespace {

namespace fs = std::filesystem;
using testing::HttpTestClient;

int FreePort() {
  const int fd = socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  socklen_t size = sizeof address;
  bind(fd, reinterpret_cast<sockaddr*>(&address), size);
  getsockname(fd, reinterpret_cast<sockaddr*>(&address), &size);
  close(fd);
  return ntohs(address.sin_port);
}

// A started kora with its output in files of its own folder.
struct Program {
  fs::path dir = fs::temp_directory_path() / ("kora_program_" + std::to_string(getpid()) + "_" + std::to_string(rand()));
  pid_t pid = 0;

  Program() {
    fs::create_directories(dir / "web");
    std::ofstream(dir / "web" / "index.html") << "<html></html>";
  }
  explicit Program(std::vector<std::string> args, std::vector<std::string> env = {}) : Program() {
    Start(std::move(args), std::move(env));
  }
  // Starts kora with the arguments and, before the inherited ones, the environment entries.
  void Start(std::vector<std::string> args, std::vector<std::string> env = {}) {
    args.insert(args.begin(), KORA_BINARY);
    std::vector<char*> argv;
    for (auto& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    for (char** e = environ; *e; ++e) env.push_back(*e);
    std::vector<char*> envp;
    for (auto& e : env) envp.push_back(e.data());
    envp.push_back(nullptr);
    posix_spawn_file_actions_t files;
    posix_spawn_file_actions_init(&files);
    posix_spawn_file_actions_addopen(&files, 1, (dir / "out").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_addopen(&files, 2, (dir / "err").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn(&pid, argv[0], &files, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&files);
  }
  ~Program() {
    if (pid > 0) {
      kill(pid, SIGKILL);
      waitpid(pid, nullptr, 0);
    }
    fs::remove_all(dir);
  }
  static std::string Read(const fs::path& file) {
    std::ifstream in(file);
    return {std::istreambuf_iterator<char>(in), {}};
  }
  std::string out() const { return Read(dir / "out"); }
  std::string err() const { return Read(dir / "err"); }
  // The exit code, or -1 when it has not ended (or was killed) within the time.
  int Wait(int seconds = 10) {
    for (int i = 0; i < seconds * 100; ++i) {
      int status = 0;
      if (waitpid(pid, &status, WNOHANG) == pid) {
        pid = 0;
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
      }
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return -1;
  }
  // Waits for the served address; returns its port and sets the cookie.
  int Serving(std::string& cookie) {
    std::smatch match;
    const std::regex served("KORA is serving http://127.0.0.1:(\\d+)/\\?token=(\\w+)");
    for (int i = 0; i < 1000; ++i) {
      const std::string text = out();
      if (std::regex_search(text, match, served)) {
        cookie = "kora_token_" + match[1].str() + "=" + match[2].str();
        return std::stoi(match[1]);
      }
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return 0;
  }
  // Serving on a free port, in the program's folder.
  std::vector<std::string> ServeArgs(std::vector<std::string> more = {}) const {
    std::vector<std::string> args{"--port", std::to_string(FreePort()), "--root", dir.string(), "--web", (dir / "web").string()};
    args.insert(args.end(), more.begin(), more.end());
    return args;
  }
};

TEST(Program, AnswersHelpAndVersionAndRefusesUnknownOptions) {
  Program help({"--help"});
  EXPECT_EQ(help.Wait(), 0);
  EXPECT_NE(help.out().find("kora script FILE"), std::string::npos);
  EXPECT_NE(help.out().find("--no-browser"), std::string::npos);
  Program version({"--version"});
  EXPECT_EQ(version.Wait(), 0);
  EXPECT_EQ(version.out().rfind("kora ", 0), 0u);
  Program wrong({"--colour"});
  EXPECT_EQ(wrong.Wait(), 2);
  EXPECT_NE(wrong.err().find("usage: kora"), std::string::npos);
  EXPECT_EQ(wrong.out(), "");
}

TEST(Program, OpensTheAddressInTheDesktopBrowserUnlessToldNot) {
  const fs::path bin = fs::temp_directory_path() / ("kora_fake_browser_" + std::to_string(getpid()));
  fs::create_directories(bin);
  std::ofstream(bin / "xdg-open") << "#!/bin/sh\necho \"$1\" > \"$(dirname \"$0\")/opened\"\n";
  fs::permissions(bin / "xdg-open", fs::perms::owner_all);
  const std::vector<std::string> desktop{"DISPLAY=:42", "PATH=" + bin.string() + ":" + getenv("PATH")};
  for (const bool told : {true, false}) {
    fs::remove(bin / "opened");
    Program served;
    served.Start(served.ServeArgs(told ? std::vector<std::string>{"--no-browser"} : std::vector<std::string>{}),
                 desktop);
    std::string cookie;
    const int port = served.Serving(cookie);
    ASSERT_GT(port, 0) << served.err();
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    const std::string opened = Program::Read(bin / "opened");
    if (told) {
      EXPECT_EQ(opened, "");
    } else {
      EXPECT_NE(opened.find("http://127.0.0.1:" + std::to_string(port) + "/?token="), std::string::npos);
    }
    kill(served.pid, SIGTERM);
    EXPECT_EQ(served.Wait(), 0);
  }
  fs::remove_all(bin);
}

// A signal ends the program with 0, with a dialog open or while events keep coming.
TEST(Program, EndsCleanlyOnSignalsWhateverIsOpen) {
  for (int run = 0; run < 4; ++run) {
    Program kora;
    kora.Start(kora.ServeArgs({"--no-browser"}));
    std::string cookie;
    const int port = kora.Serving(cookie);
    ASSERT_GT(port, 0) << kora.err();
    HttpTestClient stream(port, cookie);
    EXPECT_EQ(stream.Get("/api/events").status, 200);
    EXPECT_EQ(HttpTestClient(port, cookie).Post(R"({"type": "command", "id": 40091})").status, 200);  // a dialog
    std::atomic<bool> ended = false;
    std::vector<std::thread> load;
    for (int i = 0; i < 3; ++i)
      load.emplace_back([&] {
        HttpTestClient tab(port, cookie);
        while (!ended && tab.Post(R"({"type": "client-size", "width": 800, "height": 600})").status == 200) {
        }
      });
    std::this_thread::sleep_for(std::chrono::milliseconds(100 + 50 * run));
    kill(kora.pid, run % 2 ? SIGINT : SIGTERM);
    EXPECT_EQ(kora.Wait(), 0) << kora.err();
    ended = true;
    for (auto& t : load) t.join();
  }
}

}  // namespace
}  // namespace kora
