#include "app/settings_persistence.h"

#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>

#include "common/atomic_file.h"
#include "common/text.h"
#include "common/translatable.h"
#include "draws/lottery.h"
#include "draws/lottery_dates.h"
#include "tips/tip_file_encoding.h"

namespace numora {
namespace {

constexpr int kUpDowns = 23;
constexpr int kCheckBoxes = 31;
constexpr DayCount kSaveMarginDays = 5;
const char* const kTipListFile = "tipps.txt";
// A list of 120 tips is a few kilobytes; anything this large is no tip list.
constexpr std::uintmax_t kLargestTipList = 16u << 20;

std::string checkBoxValueName(int number) {
  return "Chekcbox" + std::to_string(number);
}

// A tip list that is there but cannot be read (no permission, too large) is moved aside before
// anything writes the list again, and the player is told why the list is empty.
void keepUnreadableTipList(const std::filesystem::path& path, const FileAccessError& readError,
                           Platform& platform) {
  std::string message =
      fillPattern(NUMORA_TRANSLATABLE("Numora", "The tip list could not be read: %1"),
                  {readError.what()}) +
      "\n";
  // A list kept at an earlier start is never replaced: "tipps.txt~", else "tipps.txt~1" .. "~9".
  // A hard link fails on a name that is taken, where a rename would replace it.
  std::filesystem::path kept;
  bool keptIt = false;
  for (int attempt = 0; attempt < 10 && !keptIt; ++attempt) {
    kept = path;
    kept += attempt == 0 ? std::string("~") : "~" + std::to_string(attempt);
    keptIt = ::link(path.c_str(), kept.c_str()) == 0;
    if (!keptIt && errno != EEXIST) break;
  }
  if (keptIt) keptIt = ::unlink(path.c_str()) == 0;
  if (keptIt) {
    message += fillPattern(
        NUMORA_TRANSLATABLE("Numora",
                            "The program starts with an empty list; the old file is kept as %1."),
        {kept.string()});
  } else {
    message +=
        fillPattern(NUMORA_TRANSLATABLE("Numora", "The old file could not be kept as %1: %2"),
                    {kept.string(), std::strerror(errno)});
  }
  platform.showMessage(message);
}

}  // namespace

int loadSettings(Form& form, Platform& platform, SettingsStore& store) {
  if (auto v = store.readInteger("NeuerSchein")) form.Neuerschein = *v;
  for (int n = 1; n <= kCheckBoxes; ++n) {
    CheckBox* box = form.checkBox(n);
    if (!box) continue;
    if (auto v = store.readBool(checkBoxValueName(n))) box->setChecked(*v);
  }
  form.Plus5 = store.readBool("Plus5").value_or(true);
  form.Land = store.readInteger("Land").value_or(1);
  form.TippTop = store.readInteger("TippTop").value_or(39);
  form.TippLeft = store.readInteger("TippLeft").value_or(47);
  form.System = store.readInteger("System").value_or(0);
  if (auto v = store.readInteger("ComboBox2")) form.ComboBox2.setItemIndex(*v);
  form.ComboBox3.setItemIndex(store.readInteger("ComboBox3").value_or(2));
  for (int n = 1; n <= kUpDowns; ++n) {
    UpDown* upDown = form.upDown(n);
    if (!upDown) continue;
    if (auto v = store.readInteger("UpDown" + std::to_string(n))) upDown->setPosition(*v);
    // The maximum of matches with other tips is never below the minimum.
    if (n == 3 && form.UpDown3.position() < form.UpDown1.position()) {
      form.UpDown3.setPosition(form.UpDown1.position());
    }
  }
  const int lotteryIndex = store.readInteger("Radio1").value_or(1);
  if (auto v = store.readDouble("Preis")) form.Preis = *v;
  (void)form.DateTimePicker3.setDate(platform.now() + 1);
  form.sortieren = true;
  if (auto v = store.readString("URLEdit")) form.URLEdit.setText(*v);
  if (auto v = store.readString("ProxyHostEdit")) form.ProxyHostEdit.setText(*v);
  if (auto v = store.readString("ProxyPortEdit")) form.ProxyPortEdit.setText(*v);
  if (auto v = store.readString("ResultsSite")) form.ResultsSiteEdit.setText(*v);
  if (auto v = store.readBool("AnyCertificate")) form.AnyCertificateCheckBox.setChecked(*v);
  // The selected lottery's limits and first draw apply before the saved start date is restored.
  applyLotteryDates(form, lotteryIndex == kDailyKeno ? kDailyKeno : kKenoAtlantic);
  const auto start = store.readDouble("DateTimePicker2");
  if (!start || !form.DateTimePicker2.setDate(*start)) {
    (void)form.DateTimePicker2.setDate(form.DateTimePicker2.minDate());
  }
  return lotteryIndex;
}

namespace {

// A start date in the last days would leave the next run a window of almost no draws.
bool startDateTooLate(const Form& form, DayCount today) {
  return form.DateTimePicker2.date() > today - kSaveMarginDays;
}

}  // namespace

void writeSettingValues(Form& form, DayCount today, SettingsStore& store) {
  store.writeInteger("NeuerSchein", form.Neuerschein);
  for (int n = 1; n <= kCheckBoxes; ++n) {
    if (CheckBox* box = form.checkBox(n)) store.writeBool(checkBoxValueName(n), box->checked());
  }
  store.writeBool("Plus5", false);
  store.writeInteger("System", form.ComboBox1.itemIndex());
  store.writeInteger("ComboBox2", form.ComboBox2.itemIndex());
  store.writeInteger("ComboBox3", form.ComboBox3.itemIndex());
  store.writeInteger("TippTop", form.TippTop);
  store.writeInteger("TippLeft", form.TippLeft);
  for (int n = 1; n <= kUpDowns; ++n) {
    if (UpDown* upDown = form.upDown(n)) {
      store.writeInteger("UpDown" + std::to_string(n), upDown->position());
    }
  }
  store.writeInteger("Radio1", form.RadioGroup1.itemIndex());
  store.writeDouble("Preis", form.Preis);
  store.writeString("URLEdit", form.URLEdit.text());
  store.writeString("ProxyHostEdit", form.ProxyHostEdit.text());
  store.writeString("ProxyPortEdit", form.ProxyPortEdit.text());
  store.writeString("ResultsSite", form.ResultsSiteEdit.text());
  store.writeBool("AnyCertificate", form.AnyCertificateCheckBox.checked());
  store.writeDouble("DateTimePicker2", startDateTooLate(form, today)
                                           ? form.DateTimePicker2.minDate()
                                           : form.DateTimePicker2.date());
  store.writeInteger("Land", form.Land);
}

void saveSettings(Form& form, Platform& platform, SettingsStore& store) {
  // The settings and the tip list are saved each on its own: a settings file that cannot be
  // written must not cost the user the tips. Each part ends at its first error, keeping what
  // was written; the message names every part that was not saved.
  std::vector<std::string> failures;
  try {
    // At closing the window's start date itself goes back, as the stored one does.
    if (startDateTooLate(form, platform.today())) {
      (void)form.DateTimePicker2.setDate(form.DateTimePicker2.minDate());
    }
    writeSettingValues(form, platform.today(), store);
    store.flush();
  } catch (const std::exception& error) {
    failures.push_back(settingsFailure(error));
  }
  try {
    saveTipList(form);
  } catch (const std::exception& error) {
    failures.push_back(tipListFailure(error));
  }
  if (failures.empty()) return;
  std::string message = failures.front();
  for (std::size_t i = 1; i < failures.size(); ++i) message += "\n" + failures[i];
  platform.showMessage(message);
}

std::string settingsFailure(const std::exception& error) {
  return fillPattern(NUMORA_TRANSLATABLE("Numora", "The settings could not be saved: %1"),
                     {error.what()});
}

std::string tipListFailure(const std::exception& error) {
  return fillPattern(NUMORA_TRANSLATABLE("Numora", "The tip list could not be saved: %1"),
                     {error.what()});
}

void loadTipList(Form& form, Platform& platform) {
  const std::filesystem::path path = std::filesystem::path(form.Home) / kTipListFile;
  std::string bytes;
  try {
    // Only a plain file: a pipe in its place would stop the start for ever.
    bytes = readRegularFile(path, kLargestTipList);
  } catch (const FileAccessError& error) {
    // No list yet, or something else in its place that the first save refuses and names.
    std::error_code statusError;
    if (!std::filesystem::is_regular_file(path, statusError)) return;
    keepUnreadableTipList(path, error, platform);
    return;
  }
  // Written back as UTF-8 without a byte-order mark.
  form.ListBox1.setLines(splitLines(decodeTipFileText(bytes)));
}

void saveTipList(const Form& form) {
  const std::filesystem::path path = std::filesystem::path(form.Home) / kTipListFile;
  // Written beside the file and renamed over it, so a failed write never loses the old list.
  std::filesystem::path scratch = path;
  scratch += ".new";
  replaceFileAtomically(path, scratch, joinLinesCrLf(form.ListBox1.lines()));
}

}  // namespace numora
