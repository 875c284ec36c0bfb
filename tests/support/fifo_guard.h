// Named pipes in the place of the program's files, and a guard that turns a writer or reader
// blocked on one into a test failure instead of a suite that hangs.
#pragma once

#include <chrono>
#include <filesystem>
#include <functional>
#include <vector>

namespace numora::test {

// Creates a named pipe at path (throws when it cannot).
void makeFifo(const std::filesystem::path& path);

// Something that is no file at path, in a scratch folder, never under /dev: a character device
// node like the system's "full" device when the tests run as root (mknod needs it), a named
// pipe otherwise. Returns which of the two it made.
std::filesystem::file_type makeDeviceOrFifo(const std::filesystem::path& path);

// Runs action on a worker thread. When it has not returned after `limit`, the pipes named are
// opened from the other end until it returns (whatever waited on them goes on) and false is
// returned: the action blocked.
bool endsWithoutBlocking(const std::function<void()>& action,
                         const std::vector<std::filesystem::path>& fifos,
                         std::chrono::milliseconds limit = std::chrono::seconds(20));

}  // namespace numora::test
