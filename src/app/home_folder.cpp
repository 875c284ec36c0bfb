#include "app/home_folder.h"

#include <unistd.h>

#include <QDir>
#include <QStandardPaths>
#include <filesystem>

namespace numora {

std::string withTrailingSeparator(std::string folder) {
  if (folder.empty() || folder.back() != '/') folder += '/';
  return folder;
}

bool isInstalledProgram(const std::string& programFolder) {
  if (programFolder.empty()) return false;
  const std::filesystem::path metainfo = std::filesystem::path(programFolder).parent_path() /
                                         "share" / "metainfo" /
                                         (std::string(kDesktopId) + ".metainfo.xml");
  std::error_code error;
  return std::filesystem::is_regular_file(metainfo, error);
}

std::string determineHome(const std::string& programFolder) {
  if (!programFolder.empty() && !isInstalledProgram(programFolder) &&
      ::access(programFolder.c_str(), W_OK) == 0) {
    return withTrailingSeparator(programFolder);
  }
  const QString appData = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
  QDir().mkpath(appData);
  return withTrailingSeparator(appData.toStdString());
}

}  // namespace numora
