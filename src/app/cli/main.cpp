// numora-cli: drives the form model of Numora Canada from a script.
#include <QCoreApplication>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "app/cli/cli_session.h"
#include "app/cli/qt_renderers.h"

namespace {

// The folder of the running executable: the program's folder that Home defaults to.
std::string executableFolder(const char* argv0) {
  std::error_code error;
  const auto self = std::filesystem::read_symlink("/proc/self/exe", error);
  if (!error) return self.parent_path().string();
  return std::filesystem::absolute(argv0, error).parent_path().string();
}

}  // namespace

int main(int argc, char** argv) {
  // The per-user folders (Home's fallback, the settings file) are named after these.
  QCoreApplication::setOrganizationName("Veltrin");
  QCoreApplication::setApplicationName("Numora Canada");
  const std::vector<std::string> arguments(argv + 1, argv + argc);
  return numora::runCli(arguments, executableFolder(argv[0]), std::cin, std::cout, std::cerr,
                        numora::offscreenQtRenderers());
}
