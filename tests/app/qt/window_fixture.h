// The main window on a fresh Home for the Qt tests: a TForm1 with an empty settings store and a
// platform that answers without a screen (scripted) or with the real dialogs of the Qt platform
// (the clock fixed and message boxes recorded), created and shown as the program does it.
#pragma once

// First: it declares a member named like Qt's "emit" macro.
#include "form/scripted_platform.h"

#include <QApplication>
#include <QCoreApplication>
#include <QEnterEvent>
#include <QLabel>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/daruvizo.h"
#include "app/qt/main_window_view.h"
#include "app/qt/qt_platform.h"
#include "app/settings_store.h"
#include "import/http_client.h"
#include "support/draw_fixtures.h"
#include "support/temp_home.h"

namespace numora::test {

// Noon of the last draw's date of dailyKenoDraws(): the activation's update run finds no draw
// due.
inline const DayCount kWindowToday = encodeDate(2023, 5, 5) + 0.5;

// A web client without a network: every request fails at once, and is counted.
class OfflineSite : public HttpClient {
 public:
  static constexpr const char* kError = "Could not resolve host";
  HttpResponse post(const HttpRequest&) override {
    ++requests;
    throw HttpError(kError);
  }
  int requests = 0;
};

// The Qt platform with its real dialogs, but a fixed clock and message boxes that are noted
// instead of waiting for a click.
class RecordingQtPlatform : public QtPlatform {
 public:
  void showMessage(const PatternText& text) override { messages_.push_back(text.written()); }
  DayCount now() override { return now_; }
  void fixClock(DayCount now) { now_ = now; }
  const std::vector<std::string>& messages() const { return messages_; }

 private:
  DayCount now_ = kWindowToday;
  std::vector<std::string> messages_;
};

// A Daily Keno history of three draws: an evening draw, then the midday and the evening draw of
// the next date.
inline std::vector<DrawRecord> dailyKenoDraws() {
  std::vector<DrawRecord> records;
  const DayCount first = encodeDate(2023, 5, 4);
  records.push_back(makeDraw(
      first, {3, 9, 12, 15, 18, 21, 24, 27, 30, 33, 36, 39, 42, 45, 48, 51, 54, 57, 60, 63}));
  records.push_back(makeDraw(
      first + 1, {1, 2, 4, 5, 7, 8, 10, 11, 13, 14, 16, 17, 19, 20, 22, 23, 25, 26, 28, 29}, true));
  records.push_back(makeDraw(
      first + 1, {70, 69, 68, 67, 66, 65, 64, 62, 61, 59, 58, 56, 55, 53, 52, 50, 49, 47, 46, 44}));
  return records;
}

template <typename PlatformType>
struct BasicWindow {
  explicit BasicWindow(const std::vector<DrawRecord>& draws = {}) {
    if (!draws.empty()) home.writeDraws("Vuduro.dat", draws);
    platform.fixClock(kWindowToday);
    form1 = std::make_unique<TForm1>(platform, settings, home.home());
    auto offline = std::make_unique<OfflineSite>();
    site = offline.get();
    form1->setHttpClient(std::move(offline));
    form1->handle([this] { form1->FormCreate(TForm1::kClientHeight); });
    form1->form.ResultsSiteEdit.setText("https://results.invalid");
    view = std::make_unique<MainWindowView>(*form1);
    if constexpr (std::is_base_of_v<QtPlatform, PlatformType>) {
      // As the program wires it.
      platform.setDialogParent(view.get());
      platform.setNumberChoiceDialog(&form1->Form6);
      platform.setRepaintHandler([this] { view->refresh(); });
    }
  }

  // Shows the window and lets the first activation run.
  bool show() {
    view->show();
    if (!QTest::qWaitForWindowExposed(view.get())) return false;
    QCoreApplication::processEvents();
    return true;
  }

  // Waits until long work beside the window has ended and its result is applied.
  bool waitForWork(int timeoutMs = 60000) {
    return QTest::qWaitFor([this] { return !form1->backgroundWorkRunning(); }, timeoutMs);
  }

  template <typename T = QWidget>
  T* widget(const char* name) const {
    return view->findChild<T*>(QString::fromLatin1(name));
  }

  QString panel(int index) const {
    return widget<QLabel>(("StatusBar1Panel" + std::to_string(index)).c_str())->text();
  }

  void showPage(const char* pageName) {
    auto* tabs = widget<QTabWidget>("PageControl1");
    tabs->setCurrentWidget(widget(pageName));
  }

  Form& form() { return form1->form; }

  TempHome home;
  PlatformType platform;
  MemorySettingsStore settings;
  std::unique_ptr<TForm1> form1;
  OfflineSite* site = nullptr;
  std::unique_ptr<MainWindowView> view;
};

using Window = BasicWindow<ScriptedPlatform>;
using ScreenWindow = BasicWindow<RecordingQtPlatform>;

// The mouse enters a widget, as the window system reports it.
inline void enter(QWidget* widget) {
  QEnterEvent event(QPointF(2, 2), QPointF(2, 2), widget->mapToGlobal(QPointF(2, 2)));
  QApplication::sendEvent(widget, &event);
}

// The mouse leaves a widget.
inline void leave(QWidget* widget) {
  QEvent event(QEvent::Leave);
  QApplication::sendEvent(widget, &event);
}

// Runs answer on the next modal dialog once it is open.
template <typename Dialog>
void answerNextDialog(std::function<void(Dialog*)> answer) {
  QTimer::singleShot(0, [answer] {
    auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
    QVERIFY(dialog);
    answer(dialog);
  });
}

}  // namespace numora::test
