#include "app/settings_store.h"

#include <QByteArray>
#include <QDir>
#include <QSettings>
#include <QStandardPaths>
#include <bit>
#include <cstring>
#include <stdexcept>

#include "common/translatable.h"

namespace numora {
namespace {

const QString kKey = QStringLiteral("SOFTWARE/Veltrin/VuduRo/");

// Every value is kept with its kind, so a value of another kind reads as missing.
QString typed(const char* kind, const QString& text) {
  return QString::fromLatin1(kind) + QLatin1Char(':') + text;
}

std::optional<QString> untyped(const QVariant& value, const char* kind) {
  if (!value.isValid()) return std::nullopt;
  const QString text = value.toString();
  const QString prefix = QString::fromLatin1(kind) + QLatin1Char(':');
  if (!text.startsWith(prefix)) return std::nullopt;
  return text.mid(prefix.size());
}

}  // namespace

FileSettingsStore::FileSettingsStore(const std::string& path)
    : settings_(std::make_unique<QSettings>(QString::fromStdString(path), QSettings::IniFormat)) {}

FileSettingsStore::~FileSettingsStore() = default;

std::string FileSettingsStore::defaultPath() {
  const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
  return QDir(folder).filePath(QStringLiteral("Veltrin/VuduRo.ini")).toStdString();
}

std::optional<int> FileSettingsStore::readInteger(const std::string& name) {
  const auto text = untyped(settings_->value(kKey + QString::fromStdString(name)), "int");
  if (!text) return std::nullopt;
  bool ok = false;
  const int value = text->toInt(&ok);
  return ok ? std::optional<int>(value) : std::nullopt;
}

std::optional<std::string> FileSettingsStore::readString(const std::string& name) {
  const auto text = untyped(settings_->value(kKey + QString::fromStdString(name)), "sz");
  if (!text) return std::nullopt;
  return text->toStdString();
}

std::optional<double> FileSettingsStore::readDouble(const std::string& name) {
  const auto text = untyped(settings_->value(kKey + QString::fromStdString(name)), "binary");
  if (!text) return std::nullopt;
  const QByteArray bytes = QByteArray::fromHex(text->toLatin1());
  if (bytes.size() != 8) return std::nullopt;
  std::uint64_t bits = 0;
  for (int i = 0; i < 8; ++i) {
    bits |= std::uint64_t{static_cast<unsigned char>(bytes[i])} << (8 * i);
  }
  return std::bit_cast<double>(bits);
}

void FileSettingsStore::writeInteger(const std::string& name, int value) {
  settings_->setValue(kKey + QString::fromStdString(name), typed("int", QString::number(value)));
}

void FileSettingsStore::writeString(const std::string& name, const std::string& value) {
  settings_->setValue(kKey + QString::fromStdString(name),
                      typed("sz", QString::fromStdString(value)));
}

void FileSettingsStore::writeDouble(const std::string& name, double value) {
  QByteArray bytes(8, '\0');
  const auto bits = std::bit_cast<std::uint64_t>(value);
  for (int i = 0; i < 8; ++i) bytes[i] = static_cast<char>(bits >> (8 * i));
  settings_->setValue(kKey + QString::fromStdString(name),
                      typed("binary", QString::fromLatin1(bytes.toHex())));
}

void FileSettingsStore::flush() {
  settings_->sync();
  if (settings_->status() != QSettings::NoError) {
    throw std::runtime_error(
        fillPattern(NUMORA_TRANSLATABLE("Numora", "Cannot write the settings file %1"),
                    {settings_->fileName().toStdString()}));
  }
}

}  // namespace numora
