#include "app/settings_persistence.h"

#include <filesystem>
#include <fstream>
#include <sstream>

#include "common/text.h"
#include "draws/lottery.h"
#include "draws/lottery_dates.h"
#include "tips/tip_file_encoding.h"

namespace numora {
namespace {

constexpr int kUpDowns = 23;
constexpr int kCheckBoxes = 31;
constexpr DayCount kSaveMarginDays = 5;
const char* const kTipListFile = "tipps.txt";

std::string checkBoxValueName(int number) {
  return "Chekcbox" + std::to_string(number);
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

void writeSettings(Form& form, Platform& platform, SettingsStore& store) {
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
  // A start date in the last days would leave the next run a window of almost no draws.
  if (form.DateTimePicker2.date() > platform.today() - kSaveMarginDays) {
    (void)form.DateTimePicker2.setDate(form.DateTimePicker2.minDate());
  }
  store.writeDouble("DateTimePicker2", form.DateTimePicker2.date());
  store.writeInteger("Land", form.Land);
  store.flush();
}

}  // namespace

void saveSettings(Form& form, Platform& platform, SettingsStore& store) {
  // The settings and the tip list are saved each on its own: a settings file that cannot be
  // written must not cost the user the tips. Each part ends at its first error, keeping what
  // was written; the message names every part that was not saved.
  std::vector<std::string> failures;
  try {
    writeSettings(form, platform, store);
  } catch (const std::exception& error) {
    failures.push_back(std::string("The settings could not be saved: ") + error.what());
  }
  try {
    saveTipList(form);
  } catch (const std::exception& error) {
    failures.push_back(std::string("The tip list could not be saved: ") + error.what());
  }
  if (failures.empty()) return;
  std::string message = failures.front();
  for (std::size_t i = 1; i < failures.size(); ++i) message += "\n" + failures[i];
  platform.showMessage(message);
}

void loadTipList(Form& form) {
  const std::filesystem::path path = std::filesystem::path(form.Home) / kTipListFile;
  // Only a plain file: a pipe in its place would stop the start for ever.
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error)) return;
  std::ifstream in(path, std::ios::binary);
  if (!in) return;
  std::ostringstream bytes;
  bytes << in.rdbuf();
  // Written back as UTF-8 without a byte-order mark at closing.
  form.ListBox1.setLines(splitLines(decodeTipFileText(bytes.str())));
}

void saveTipList(const Form& form) {
  const std::filesystem::path path = std::filesystem::path(form.Home) / kTipListFile;
  const std::string text = joinLinesCrLf(form.ListBox1.lines());
  // Written beside the file and renamed over it, so a failed write never loses the old list.
  std::filesystem::path scratch = path;
  scratch += ".new";
  std::ofstream out(scratch, std::ios::binary | std::ios::trunc);
  out.write(text.data(), static_cast<std::streamsize>(text.size()));
  out.flush();
  out.close();
  std::error_code error;
  if (!out) {
    std::filesystem::remove(scratch, error);
    throw std::runtime_error("Cannot write " + scratch.string());
  }
  std::filesystem::rename(scratch, path, error);
  if (error) {
    const std::string reason = error.message();
    std::filesystem::remove(scratch, error);
    throw std::runtime_error("Cannot replace " + path.string() + ": " + reason);
  }
}

}  // namespace numora
