#include "app/settings_store.h"

#include <QByteArray>
#include <QDir>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QVariant>
#include <bit>
#include <cstdint>
#include <system_error>

#include "common/atomic_file.h"
#include "common/text.h"
#include "common/translatable.h"

namespace numora {
namespace {

const std::string kKey = "SOFTWARE/Veltrin/VuduRo/";
// A settings file is a few kilobytes; anything this large is no settings file.
constexpr std::uintmax_t kLargestSettingsFile = 1u << 20;

// Every value is kept with its kind, so a value of another kind reads as missing.
std::string typed(const char* kind, const std::string& text) {
  return std::string(kind) + ":" + text;
}

// Every text value of an INI file; lines that are no settings are passed over, as QSettings
// does.
std::map<std::string, std::string> readSettingsFile(const QString& path) {
  std::map<std::string, std::string> values;
  const QSettings file(path, QSettings::IniFormat);
  for (const QString& key : file.allKeys()) {
    const QVariant value = file.value(key);
    if (value.typeId() == QMetaType::QString)
      values[key.toStdString()] = value.toString().toStdString();
  }
  return values;
}

// The file's bytes as QSettings writes them, from a copy in a scratch folder that is read back
// and compared; throws FileAccessError when the copy could not be written whole.
std::string settingsFileBytes(const std::map<std::string, std::string>& values,
                              const std::filesystem::path& target) {
  const auto failed = [&] {
    return FileAccessError(
        fillPattern(NUMORA_TRANSLATABLE("Numora", "The settings could not be written to \"%1\"."),
                    {target.string()}));
  };
  const QTemporaryDir scratch;
  if (!scratch.isValid()) throw failed();
  const QString copy = scratch.filePath(QStringLiteral("VuduRo.ini"));
  {
    QSettings file(copy, QSettings::IniFormat);
    for (const auto& [key, value] : values) {
      file.setValue(QString::fromStdString(key), QString::fromStdString(value));
    }
    file.sync();
    if (file.status() != QSettings::NoError) throw failed();
  }
  // A copy cut short by a full disk reads back with values missing.
  if (readSettingsFile(copy) != values) throw failed();
  return readRegularFile(copy.toStdString(), kLargestSettingsFile);
}

}  // namespace

FileSettingsStore::FileSettingsStore(const std::string& path) : path_(path) {
  std::error_code error;
  // No file yet is the first start; the file is made by the first save.
  if (!std::filesystem::exists(path_, error) && !error) return;
  try {
    // Checked first: QSettings would wait on a pipe and read a device for ever.
    (void)readRegularFile(path_, kLargestSettingsFile);
    values_ = readSettingsFile(QString::fromStdString(path_.string()));
  } catch (const FileAccessError& failure) {
    // What could not be read is kept: no save replaces it with the defaults.
    readFailure_ = failure.what();
  }
}

FileSettingsStore::~FileSettingsStore() = default;

std::string FileSettingsStore::defaultPath() {
  const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
  return QDir(folder).filePath(QStringLiteral("Veltrin/VuduRo.ini")).toStdString();
}

std::optional<std::string> FileSettingsStore::untyped(const std::string& name,
                                                      const char* kind) const {
  const auto found = values_.find(kKey + name);
  const std::string prefix = std::string(kind) + ":";
  if (found == values_.end() || !found->second.starts_with(prefix)) return std::nullopt;
  return found->second.substr(prefix.size());
}

void FileSettingsStore::store(const std::string& name, std::string text) {
  std::string& value = values_[kKey + name];
  if (value == text) return;
  value = std::move(text);
  changed_ = true;
}

std::optional<int> FileSettingsStore::readInteger(const std::string& name) {
  const auto text = untyped(name, "int");
  if (!text) return std::nullopt;
  return parseStrictInt(*text);
}

std::optional<std::string> FileSettingsStore::readString(const std::string& name) {
  return untyped(name, "sz");
}

std::optional<double> FileSettingsStore::readDouble(const std::string& name) {
  const auto text = untyped(name, "binary");
  if (!text) return std::nullopt;
  // The 8 bytes of the double, lowest first, two hex digits each.
  const QByteArray bytes = QByteArray::fromHex(QByteArray::fromStdString(*text));
  if (bytes.size() != 8 || text->size() != 16) return std::nullopt;
  std::uint64_t bits = 0;
  for (int i = 0; i < 8; ++i) {
    bits |= std::uint64_t{static_cast<unsigned char>(bytes[i])} << (8 * i);
  }
  return std::bit_cast<double>(bits);
}

void FileSettingsStore::writeInteger(const std::string& name, int value) {
  store(name, typed("int", std::to_string(value)));
}

void FileSettingsStore::writeString(const std::string& name, const std::string& value) {
  store(name, typed("sz", value));
}

void FileSettingsStore::writeDouble(const std::string& name, double value) {
  QByteArray bytes(8, '\0');
  const auto bits = std::bit_cast<std::uint64_t>(value);
  for (int i = 0; i < 8; ++i) bytes[i] = static_cast<char>(bits >> (8 * i));
  store(name, typed("binary", bytes.toHex().toStdString()));
}

void FileSettingsStore::flush() {
  if (readFailure_) {
    throw FileAccessError(
        fillPattern(NUMORA_TRANSLATABLE(
                        "Numora", "The settings file could not be read and is kept as it is: %1"),
                    {*readFailure_}));
  }
  if (!changed_) return;
  // The folder of the first start's file.
  std::error_code error;
  std::filesystem::create_directories(path_.parent_path(), error);
  // Written whole and renamed over the old file only when every byte reached the disk.
  writeFileAtomically(path_, settingsFileBytes(values_, path_));
  changed_ = false;
}

}  // namespace numora
