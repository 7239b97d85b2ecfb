#include "cli/cli_runner.h"

#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <stdexcept>

extern char** environ;

namespace deadhold::test {
namespace {

struct Pipe {
  Pipe() {
    if (pipe2(ends, O_CLOEXEC) != 0) throw std::runtime_error("pipe failed");
  }
  ~Pipe() {
    closeRead();
    closeWrite();
  }
  void closeRead() {
    if (ends[0] >= 0) close(ends[0]);
    ends[0] = -1;
  }
  void closeWrite() {
    if (ends[1] >= 0) close(ends[1]);
    ends[1] = -1;
  }
  int ends[2] = {-1, -1};
};

// Reads both pipes until both are closed, so that neither side can fill up and block the child.
void drain(Pipe& out, Pipe& err, CliRun& run) {
  std::array<pollfd, 2> fds{{{out.ends[0], POLLIN, 0}, {err.ends[0], POLLIN, 0}}};
  std::array<std::string*, 2> sinks{&run.out, &run.err};
  int open = 2;
  char buffer[65536];
  while (open > 0) {
    if (poll(fds.data(), fds.size(), -1) < 0) throw std::runtime_error("poll failed");
    for (size_t i = 0; i < fds.size(); ++i) {
      if (fds[i].fd < 0 || fds[i].revents == 0) continue;
      const ssize_t n = read(fds[i].fd, buffer, sizeof buffer);
      if (n > 0) {
        sinks[i]->append(buffer, static_cast<size_t>(n));
      } else {
        fds[i].fd = -1;
        --open;
      }
    }
  }
}

}  // namespace

CliRun runCli(const std::vector<std::string>& args, const std::filesystem::path& workingDirectory) {
  return runProgram(DEADHOLD_CLI, args, workingDirectory);
}

CliRun runProgram(const std::filesystem::path& program, const std::vector<std::string>& args,
                  const std::filesystem::path& workingDirectory) {
  std::vector<std::string> words{program.string()};
  words.insert(words.end(), args.begin(), args.end());
  std::vector<char*> argv;
  for (std::string& word : words) argv.push_back(word.data());
  argv.push_back(nullptr);

  Pipe out;
  Pipe err;
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
  posix_spawn_file_actions_adddup2(&actions, out.ends[1], STDOUT_FILENO);
  posix_spawn_file_actions_adddup2(&actions, err.ends[1], STDERR_FILENO);
  if (!workingDirectory.empty())
    posix_spawn_file_actions_addchdir_np(&actions, workingDirectory.c_str());
  pid_t pid = 0;
  const int spawned = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  if (spawned != 0) throw std::runtime_error("cannot start " + words[0]);
  out.closeWrite();
  err.closeWrite();

  CliRun run;
  drain(out, err, run);
  int status = 0;
  while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
  }
  run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return run;
}

std::vector<std::string> splitLines(const std::string& text) {
  std::vector<std::string> lines;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    lines.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  return lines;
}

}  // namespace deadhold::test
