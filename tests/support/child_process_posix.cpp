#include "support/child_process.h"

#include <sched.h>
#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <fstream>
#include <stdexcept>

namespace deadhold::testing {
namespace {

std::string lastError(const std::string& what) {
  return what + ": " + std::strerror(errno);
}

void writeProcFile(const char* file, const std::string& text) {
  std::ofstream out(file);
  out << text;
  if (!out.flush()) throw Unavailable{std::string("cannot write ") + file};
}

void writeAll(int descriptor, const std::string& bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t written = ::write(descriptor, bytes.data() + done, bytes.size() - done);
    if (written <= 0 && errno != EINTR) return;
    if (written > 0) done += static_cast<std::size_t>(written);
  }
}

}  // namespace

ChildReport runInChild(const std::function<std::string()>& body) {
  int channel[2];
  if (::pipe(channel) != 0) throw std::runtime_error(lastError("pipe"));
  const pid_t child = ::fork();
  if (child < 0) throw std::runtime_error(lastError("fork"));
  if (child == 0) {
    ::close(channel[0]);
    // The first byte tells a report (T) from a condition this machine cannot set up (U).
    std::string message;
    try {
      message.assign(1, 'T').append(body());
    } catch (const Unavailable& unavailable) {
      message.assign(1, 'U').append(unavailable.reason);
    } catch (const std::exception& error) {
      message.assign("Tchild failed: ").append(error.what());
    }
    writeAll(channel[1], message);
    ::_exit(0);  // no exit handlers: they belong to the parent
  }
  ::close(channel[1]);
  std::string message;
  char chunk[4096];
  for (ssize_t got; (got = ::read(channel[0], chunk, sizeof chunk)) != 0;) {
    if (got > 0)
      message.append(chunk, static_cast<std::size_t>(got));
    else if (errno != EINTR)
      break;
  }
  ::close(channel[0]);
  int status = 0;
  ::waitpid(child, &status, 0);
  if (message.empty()) {
    std::string died = "child died";
    if (WIFSIGNALED(status)) died.append(" of signal ").append(std::to_string(WTERMSIG(status)));
    return {died, ""};
  }
  if (message[0] == 'U') return {"", message.substr(1)};
  return {message.substr(1), ""};
}

void enterPrivateMounts() {
  if (::unshare(CLONE_NEWNS) != 0) {
    const uid_t uid = ::getuid();
    const gid_t gid = ::getgid();
    if (::unshare(CLONE_NEWUSER | CLONE_NEWNS) != 0)
      throw Unavailable{lastError("no mount namespace for this user")};
    writeProcFile("/proc/self/setgroups", "deny");
    writeProcFile("/proc/self/uid_map", "0 " + std::to_string(uid) + " 1");
    writeProcFile("/proc/self/gid_map", "0 " + std::to_string(gid) + " 1");
  }
  // Without this, mounts made here could propagate to the rest of the machine.
  if (::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0)
    throw Unavailable{lastError("cannot make the mounts private")};
}

void mountSmallDisk(const std::filesystem::path& folder, std::size_t bytes) {
  const std::string options = "size=" + std::to_string(bytes) + ",mode=0755";
  if (::mount("deadhold-test", folder.c_str(), "tmpfs", MS_NOSUID | MS_NODEV, options.c_str()) != 0)
    throw Unavailable{lastError("cannot mount a small disk")};
}

void mountReadOnly(const std::filesystem::path& folder) {
  if (::mount(folder.c_str(), folder.c_str(), nullptr, MS_BIND, nullptr) != 0 ||
      ::mount(nullptr, folder.c_str(), nullptr, MS_REMOUNT | MS_BIND | MS_RDONLY, nullptr) != 0)
    throw Unavailable{lastError("cannot mount a folder read-only")};
}

}  // namespace deadhold::testing
