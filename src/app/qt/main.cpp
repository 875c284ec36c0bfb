// Program start: the application, the main window's creation, the window, the event loop.
#include <QApplication>
#include <QCoreApplication>
#include <QGuiApplication>

#include "app/daruvizo.h"
#include "app/home_folder.h"
#include "app/home_lock.h"
#include "app/qt/language_choice.h"
#include "app/qt/main_window_view.h"
#include "app/qt/qt_platform.h"
#include "app/settings_store.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QCoreApplication::setOrganizationName(QStringLiteral("Veltrin"));
  QCoreApplication::setApplicationName(QStringLiteral("Numora Canada"));
  // Lets the desktop match the window with the menu entry and its icon.
  QGuiApplication::setDesktopFileName(QStringLiteral("example.veltrin.NumoraCanada"));

  const std::string home =
      numora::determineHome(QCoreApplication::applicationDirPath().toStdString());
  numora::FileSettingsStore settings(numora::FileSettingsStore::defaultPath());
  // Before any widget exists: every caption is shown from the installed translation.
  (void)numora::installWindowTranslation(app, numora::readLanguageChoice(settings));
  numora::QtPlatform platform;
  // One running copy per Home, held until the window's model is gone.
  const numora::HomeLock lock = numora::HomeLock::acquire(home);
  if (lock.state() == numora::HomeLock::State::HeldByAnother) {
    platform.showMessage(numora::kAlreadyRunningMessage);
    return 1;
  }
  if (lock.state() == numora::HomeLock::State::Unavailable) platform.showMessage(lock.failure());
  numora::TForm1 form1(platform, settings, home);
  // The window's creation runs before it is shown, with the designed height.
  form1.handle([&form1] { form1.FormCreate(numora::TForm1::kClientHeight); });

  numora::MainWindowView view(form1);
  platform.setDialogParent(&view);
  platform.setNumberChoiceDialog(&form1.Form6);
  platform.setRepaintHandler([&view] {
    view.refresh();
    view.repaint();
  });
  view.show();
  return app.exec();
}
