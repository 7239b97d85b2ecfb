#pragma once

#include <filesystem>
#include <functional>
#include <string>

namespace deadhold::testing {

// Thrown inside a child when this machine cannot set up what the test needs.
struct Unavailable {
  std::string reason;
};

// What a child process reported: the text its body returned, or why it could not run.
struct ChildReport {
  std::string text;
  std::string unavailable;  // non-empty when the body threw Unavailable
};

// Runs `body` in a forked child and hands back the text it returns, for conditions that must
// not outlive one test: mounts of its own, a killed writer. The child's failures come back as
// text for the parent to check, since assertions in a child would be lost.
ChildReport runInChild(const std::function<std::string()>& body);

// Inside a child: gives it mounts of its own (as root, or through a user namespace for anyone
// else), so the mounts below are seen by nobody outside it. Throws Unavailable.
void enterPrivateMounts();
// A memory file system of `bytes` over `folder`: a small disk that can be filled up.
void mountSmallDisk(const std::filesystem::path& folder, std::size_t bytes);
// `folder` made read-only, as a write-protected medium is, which stops root too.
void mountReadOnly(const std::filesystem::path& folder);

}  // namespace deadhold::testing
