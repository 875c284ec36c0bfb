#include "app/qt/language_choice.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>

namespace numora {

LanguageChoice readLanguageChoice(SettingsStore& settings) {
  const auto value = settings.readInteger(kLanguageSetting);
  if (value == static_cast<int>(LanguageChoice::English)) return LanguageChoice::English;
  if (value == static_cast<int>(LanguageChoice::French)) return LanguageChoice::French;
  // Absent, or a value no version wrote.
  return LanguageChoice::Automatic;
}

void writeLanguageChoice(SettingsStore& settings, LanguageChoice choice) {
  settings.writeInteger(kLanguageSetting, static_cast<int>(choice));
  settings.flush();
}

bool windowInFrench(LanguageChoice choice, const QLocale& locale) {
  if (choice == LanguageChoice::Automatic) return locale.language() == QLocale::French;
  return choice == LanguageChoice::French;
}

QStringList translationFolders() {
  const QString programFolder = QCoreApplication::applicationDirPath();
  return {programFolder + QStringLiteral("/../share/numora-canada/translations"),
          QStringLiteral(NUMORA_TRANSLATIONS_BUILD_DIR)};
}

QTranslator* installQtTranslation(QCoreApplication& application) {
  auto* translator = new QTranslator(&application);
  if (translator->load(QStringLiteral("qtbase_fr"),
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath)) &&
      QCoreApplication::installTranslator(translator)) {
    return translator;
  }
  delete translator;
  return nullptr;
}

bool installWindowTranslation(QCoreApplication& application, LanguageChoice choice,
                              const QLocale& locale) {
  if (!windowInFrench(choice, locale)) return true;
  // Optional: without Qt's translation the dialogs' buttons stay English.
  (void)installQtTranslation(application);
  auto* translator = new QTranslator(&application);
  for (const QString& folder : translationFolders()) {
    if (translator->load(QStringLiteral("numora_fr"), QDir::cleanPath(folder))) {
      QCoreApplication::installTranslator(translator);
      return true;
    }
  }
  delete translator;
  return false;
}

}  // namespace numora
