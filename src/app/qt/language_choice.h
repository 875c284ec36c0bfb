// The window's language: automatic (French under a French locale such as fr_CA or fr_FR,
// English under every other one) or the one the user chose on the "general" options page. The
// choice is kept in the settings and takes effect when the program starts.
#pragma once

#include <QLocale>
#include <QString>

#include "app/settings_store.h"

class QCoreApplication;
class QTranslator;

namespace numora {

enum class LanguageChoice { Automatic = 0, English = 1, French = 2 };

// The settings value that holds the choice; absent means automatic.
inline constexpr char kLanguageSetting[] = "Language";

LanguageChoice readLanguageChoice(SettingsStore& settings);
// Writes the choice and makes it durable; throws when the settings cannot be written.
void writeLanguageChoice(SettingsStore& settings, LanguageChoice choice);

bool windowInFrench(LanguageChoice choice, const QLocale& locale);

// The folders searched for the compiled translation: the installed one beside the program's
// folder, then the build tree's.
QStringList translationFolders();

// Installs Qt's own French texts (the buttons of message boxes, the file dialog) from Qt's
// translations folder; nothing when they are not installed. The application owns the
// translator.
QTranslator* installQtTranslation(QCoreApplication& application);

// Installs the French translation of the window when the choice and the locale ask for it;
// false when it was asked for and its file was not found (the window then stays English).
bool installWindowTranslation(QCoreApplication& application, LanguageChoice choice,
                              const QLocale& locale = QLocale());

}  // namespace numora
