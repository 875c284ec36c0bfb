// The main window TForm1 on screen: a page control over a two-panel status bar. The view only
// shows the form model and hands the user's actions to TForm1's handlers; after each action it
// shows what the action changed.
#pragma once

#include <QMainWindow>
#include <functional>
#include <memory>

#include "app/daruvizo.h"
#include "app/qt/control_binding.h"
#include "app/qt/design_layout.h"

class QTabWidget;

class QShortcut;

namespace numora {

class EventHooks;
class PageBuilder;

class MainWindowView : public QMainWindow {
  Q_OBJECT

 public:
  // The platform comes with the TForm1, so a scripted one can stand in for the real one.
  explicit MainWindowView(TForm1& form1, QWidget* parent = nullptr);
  ~MainWindowView() override;

  // Shows every control that changed since it was shown last.
  void refresh();
  // Runs a user action as the event loop would (through TForm1::handle), then refreshes.
  void forward(const std::function<void()>& action);

  QWidget* controlWidget(const std::string& name) const { return binding_.widget(name); }
  double scale() const { return layout_.scale(); }

 protected:
  void showEvent(QShowEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void buildPages();
  void buildStatusBar();
  void hookHintLine();
  void centreOnScreen();

  TForm1& form1_;
  ControlBinding binding_;
  DesignLayout layout_;
  EventHooks* hooks_;
  // Lives as long as the window: the widgets' connections call into it.
  std::unique_ptr<PageBuilder> builder_;
  QTabWidget* pages_ = nullptr;
  // Esc, the stop of long work; live only while work runs, so fields keep their own Esc.
  QShortcut* stopShortcut_ = nullptr;
  bool activationScheduled_ = false;
};

}  // namespace numora
