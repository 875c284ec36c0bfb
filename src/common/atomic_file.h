// Reading and replacing the program's files safely. A file is replaced whole: the new bytes go
// to a scratch file beside it, which is flushed to the disk and renamed over it in one step, so
// a failure never leaves half a file in place of the old one. Neither reading nor writing ever
// waits on something that is no file: a named pipe, a device or a folder in a file's place (or
// in its scratch file's place) is refused at once and left alone.
#pragma once

#include <cstdint>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>

namespace numora {

class FileAccessError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Throws FileAccessError with the error text; target is unchanged and the scratch file gone
// afterwards (a stale regular scratch file of an earlier failure is removed first). A target
// that is a symbolic link stays one: the file it leads to is replaced, when that is a regular
// file or none yet, with the scratch file beside it.
void replaceFileAtomically(const std::filesystem::path& target,
                           const std::filesystem::path& scratch, std::string_view bytes);

// replaceFileAtomically with a scratch file beside the file: "NAME~", or "NAME~1", "NAME~2", ...
// while a regular file has that name (an editor's backup of the player's is never removed).
void writeFileAtomically(const std::filesystem::path& path, std::string_view bytes);

// The whole content of a regular file of at most maxBytes bytes; throws FileAccessError when
// the file is missing, no regular file, too large or cannot be read.
std::string readRegularFile(const std::filesystem::path& path, std::uintmax_t maxBytes);

}  // namespace numora
