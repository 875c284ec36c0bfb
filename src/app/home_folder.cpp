#include "app/home_folder.h"

#include <unistd.h>

#include <QDir>
#include <QStandardPaths>

namespace numora {

std::string withTrailingSeparator(std::string folder) {
  if (folder.empty() || folder.back() != '/') folder += '/';
  return folder;
}

std::string determineHome(const std::string& programFolder) {
  if (!programFolder.empty() && ::access(programFolder.c_str(), W_OK) == 0) {
    return withTrailingSeparator(programFolder);
  }
  const QString appData = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
  QDir().mkpath(appData);
  return withTrailingSeparator(appData.toStdString());
}

}  // namespace numora
