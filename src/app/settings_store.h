// The per-user settings store: named, typed values under one key. A value of another kind than
// the one asked for reads as missing.
#pragma once

#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <variant>

#include "common/day_date.h"

namespace numora {

class SettingsStore {
 public:
  virtual ~SettingsStore() = default;
  virtual std::optional<int> readInteger(const std::string& name) = 0;
  virtual std::optional<std::string> readString(const std::string& name) = 0;
  // Floating-point values and dates: the 8 bytes of a double.
  virtual std::optional<double> readDouble(const std::string& name) = 0;
  virtual void writeInteger(const std::string& name, int value) = 0;
  virtual void writeString(const std::string& name, const std::string& value) = 0;
  virtual void writeDouble(const std::string& name, double value) = 0;
  // Makes what was written durable; throws when the store cannot be written.
  virtual void flush() {}

  std::optional<bool> readBool(const std::string& name) {
    const auto value = readInteger(name);
    if (!value) return std::nullopt;
    return *value != 0;
  }
  void writeBool(const std::string& name, bool value) { writeInteger(name, value ? 1 : 0); }
};

// A store that lives only in memory: the empty store of a first start, and the tests' store.
class MemorySettingsStore : public SettingsStore {
 public:
  std::optional<int> readInteger(const std::string& name) override { return read<int>(name); }
  std::optional<std::string> readString(const std::string& name) override {
    return read<std::string>(name);
  }
  std::optional<double> readDouble(const std::string& name) override { return read<double>(name); }
  void writeInteger(const std::string& name, int value) override { values_[name] = value; }
  void writeString(const std::string& name, const std::string& value) override {
    values_[name] = value;
  }
  void writeDouble(const std::string& name, double value) override { values_[name] = value; }
  bool contains(const std::string& name) const { return values_.count(name) != 0; }
  // The same names with the same values (the autosave's test for a change).
  bool operator==(const MemorySettingsStore& other) const { return values_ == other.values_; }

 private:
  template <typename T>
  std::optional<T> read(const std::string& name) const {
    const auto found = values_.find(name);
    if (found == values_.end() || !std::holds_alternative<T>(found->second)) return std::nullopt;
    return std::get<T>(found->second);
  }

  std::map<std::string, std::variant<int, std::string, double>> values_;
};

// Typed values in a per-user file under the key "SOFTWARE/Veltrin/VuduRo" in QSettings' INI
// layout, read once when the store is made and written whole by flush: QSettings writes a copy
// in a scratch folder, the copy is read back and checked, and its bytes replace the file through
// the checked atomic writer (a link followed to its regular file, every write and the sync
// checked), so a full disk never leaves an empty or half file. A file that is there but cannot
// be read is never replaced.
class FileSettingsStore : public SettingsStore {
 public:
  explicit FileSettingsStore(const std::string& path);
  ~FileSettingsStore() override;
  std::optional<int> readInteger(const std::string& name) override;
  std::optional<std::string> readString(const std::string& name) override;
  std::optional<double> readDouble(const std::string& name) override;
  void writeInteger(const std::string& name, int value) override;
  void writeString(const std::string& name, const std::string& value) override;
  void writeDouble(const std::string& name, double value) override;
  // Writes the file when a value changed since the last write; throws FileAccessError.
  void flush() override;

  // The file of the user's settings.
  static std::string defaultPath();

 private:
  std::optional<std::string> untyped(const std::string& name, const char* kind) const;
  void store(const std::string& name, std::string text);

  std::filesystem::path path_;
  // Keys with "/" between their parts ("SOFTWARE/Veltrin/VuduRo/UpDown18"), typed texts
  // ("int:6").
  std::map<std::string, std::string> values_;
  bool changed_ = false;
  std::optional<std::string> readFailure_;
};

}  // namespace numora
