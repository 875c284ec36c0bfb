// The settings file: what earlier versions wrote through QSettings reads the same, what the
// store writes reads the same in QSettings, and a file with lines that are no settings neither
// loses the settings it holds nor makes a sound save look like a failed one.
#include <QSettings>
#include <QString>
#include <filesystem>

#include "app/settings_store.h"
#include "support/app_fixture.h"

namespace numora::test {
namespace {

const QString kKey = QStringLiteral("SOFTWARE/Veltrin/VuduRo/");

// Texts whose bytes the INI layout has to escape or quote.
const std::vector<std::string>& awkwardTexts() {
  static const std::vector<std::string> texts{
      "",
      "https://results.example/keno?lottery=1&draws=20",
      "a;b,c=d",
      " leading and trailing ",
      "say \"hi\" \\ back",
      "tab\tline\nend\r",
      std::string("\x01") + "1f and \x1f" + "a",
      "Québec — ½",
  };
  return texts;
}

TEST(SettingsFileTest, WhatTheStoreWritesQSettingsReadsAndTheOtherWayRound) {
  TempHome home;
  const std::string ours = home.file("ours.ini").string();
  const std::string theirs = home.file("theirs.ini").string();
  {
    FileSettingsStore store(ours);
    QSettings qt(QString::fromStdString(theirs), QSettings::IniFormat);
    for (std::size_t i = 0; i < awkwardTexts().size(); ++i) {
      const std::string name = "Text" + std::to_string(i);
      store.writeString(name, awkwardTexts()[i]);
      qt.setValue(kKey + QString::fromStdString(name),
                  QStringLiteral("sz:") + QString::fromStdString(awkwardTexts()[i]));
    }
    store.writeInteger("UpDown18", -6);
    store.writeDouble("Preis", 2.5);
    qt.setValue(kKey + QStringLiteral("UpDown18"), QStringLiteral("int:-6"));
    qt.setValue(kKey + QStringLiteral("Preis"), QStringLiteral("binary:0000000000000440"));
    store.flush();
    qt.sync();
    ASSERT_EQ(qt.status(), QSettings::NoError);
  }
  QSettings readByQt(QString::fromStdString(ours), QSettings::IniFormat);
  FileSettingsStore readByUs(theirs);
  for (std::size_t i = 0; i < awkwardTexts().size(); ++i) {
    SCOPED_TRACE(awkwardTexts()[i]);
    const std::string name = "Text" + std::to_string(i);
    EXPECT_EQ(readByQt.value(kKey + QString::fromStdString(name)).toString().toStdString(),
              "sz:" + awkwardTexts()[i]);
    EXPECT_EQ(readByUs.readString(name), awkwardTexts()[i]);
  }
  EXPECT_EQ(readByQt.value(kKey + QStringLiteral("UpDown18")).toString(), "int:-6");
  EXPECT_EQ(readByQt.value(kKey + QStringLiteral("Preis")).toString(), "binary:0000000000000440");
  EXPECT_EQ(readByUs.readInteger("UpDown18"), -6);
  EXPECT_EQ(readByUs.readDouble("Preis"), 2.5);
}

class SettingsFileStartTest : public AppTest {};

TEST_F(SettingsFileStartTest, LinesThatAreNoSettingsCostNoSettingAndNoFalseFailure) {
  home.writeBytes("VuduRo.ini",
                  "\x01\x02 ]]==\n[SOFTWARE]\nVeltrin\\VuduRo\\UpDown18=int:6\n[SOFTWARE\n");
  FileSettingsStore store(home.file("VuduRo.ini").string());
  TForm1 window(platform, store, home.home());
  window.FormCreate(TForm1::kClientHeight);
  EXPECT_EQ(window.form.UpDown18.position(), 6);
  window.handle([&] { window.form.UpDown18.setPosition(7); });
  window.FormClose();
  EXPECT_EQ(platform.messages(), std::vector<std::string>{});
  EXPECT_EQ(FileSettingsStore(home.file("VuduRo.ini").string()).readInteger("UpDown18"), 7);
}

}  // namespace
}  // namespace numora::test
