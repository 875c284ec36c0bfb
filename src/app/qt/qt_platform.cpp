#include "app/qt/qt_platform.h"

#include "app/qt/window_text.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDateTime>
#include <QDesktopServices>
#include <QFileDialog>
#include <QInputDialog>
#include <QLocale>
#include <QMessageBox>
#include <QMetaObject>
#include <QTimer>
#include <chrono>

#include "app/daruvizo.h"
#include "app/qt/date_conversion.h"
#include "app/qt/desktop_url.h"
#include "app/qt/file_filter.h"
#include "app/qt/zahlenwahl_dialog.h"

namespace numora {
namespace {

// Message boxes are often narrower than the long title, which the desktop would cut in the
// middle; the program's short name always reads whole.
QString messageBoxTitle() {
  return QStringLiteral("Numora");
}

WeekdayNames dayNames(QLocale::FormatType format) {
  const QLocale locale = QLocale::system();
  WeekdayNames names;
  // QLocale counts 1 = Monday .. 7 = Sunday; the form counts 0 = Sunday .. 6 = Saturday.
  for (int i = 0; i < 7; ++i) names[i] = locale.dayName(i == 0 ? 7 : i, format).toStdString();
  return names;
}

}  // namespace

QtPlatform::QtPlatform() = default;

QtPlatform::~QtPlatform() {
  if (waitCursor_) QApplication::restoreOverrideCursor();
}

void QtPlatform::showMessage(const PatternText& text) {
  QMessageBox box(QMessageBox::NoIcon, messageBoxTitle(), windowText(text), QMessageBox::Ok,
                  dialogParent_);
  box.exec();
}

std::string QtPlatform::inputBox(const std::string& caption, const std::string& prompt,
                                 const std::string& preset) {
  bool ok = false;
  const QString answer =
      QInputDialog::getText(dialogParent_, windowText(caption), windowText(prompt),
                            QLineEdit::Normal, QString::fromStdString(preset), &ok);
  return ok ? answer.toStdString() : preset;
}

std::optional<std::string> QtPlatform::fileDialog(const FileDialogRequest& request, bool save) {
  QFileDialog dialog(dialogParent_);
  dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  const QString filter = toQtFileFilter(request.filter);
  if (!filter.isEmpty()) dialog.setNameFilter(filter);
  dialog.setDefaultSuffix(QString::fromStdString(request.defaultExtension));
  if (!request.proposedName.empty())
    dialog.selectFile(QString::fromStdString(request.proposedName));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return dialog.selectedFiles().constFirst().toStdString();
}

std::optional<std::string> QtPlatform::openFileDialog(const FileDialogRequest& request) {
  return fileDialog(request, false);
}

std::optional<std::string> QtPlatform::saveFileDialog(const FileDialogRequest& request) {
  return fileDialog(request, true);
}

ModalResult QtPlatform::showNumberChoiceDialog() {
  if (!numberChoice_) return ModalResult::Cancel;
  ZahlenwahlDialog dialog(*numberChoice_, *this, dialogParent_);
  // The value lists' file dialogs and messages belong to the dialog while it is open.
  const QPointer<QWidget> owner = dialogParent_;
  dialogParent_ = &dialog;
  // A caller's wait cursor would hide that the dialog waits for the user.
  const bool waiting = waitCursor_;
  setWaitCursor(false);
  dialog.exec();
  setWaitCursor(waiting);
  dialogParent_ = owner;
  return dialog.modalResult();
}

void QtPlatform::processEvents() {
  // A calculation asks once per candidate, many thousand times a second; the window stays
  // responsive with one real pass every 20 ms, and the search is not slowed down.
  const auto now = std::chrono::steady_clock::now();
  if (now - lastEvents_ < std::chrono::milliseconds(20)) return;
  QCoreApplication::processEvents();
  lastEvents_ = std::chrono::steady_clock::now();
}

void QtPlatform::startWork(BackgroundWork work) {
  // The window shows the latest progress 25 times a second, whatever pace the work keeps.
  constexpr int kProgressIntervalMs = 40;
  auto shared = std::make_shared<BackgroundWork>(std::move(work));
  auto* timer = new QTimer(&workEvents_);
  timer->setInterval(kProgressIntervalMs);
  if (shared->showProgress) {
    QObject::connect(timer, &QTimer::timeout, &workEvents_, [shared] { shared->showProgress(); });
  }
  timer->start();
  // The threads of work that has ended are joined at once; the others go on.
  workers_.remove_if([](const Worker& worker) { return worker.ended->load(); });
  auto ended = std::make_shared<std::atomic<bool>>(false);
  auto run = [this, shared, timer, ended] {
    std::exception_ptr failure;
    try {
      shared->compute(WorkPoints{});
    } catch (...) {
      failure = std::current_exception();
    }
    QMetaObject::invokeMethod(
        &workEvents_,
        [this, shared, timer, failure] {
          timer->stop();
          timer->deleteLater();
          if (shared->showProgress) shared->showProgress();
          if (shared->finish) shared->finish(failure);
          // The window shows the applied result whatever the repaint pace.
          if (repaintHandler_) repaintHandler_();
        },
        Qt::QueuedConnection);
    *ended = true;
  };
  try {
    workers_.push_back(Worker{ended, std::jthread(std::move(run))});
  } catch (...) {
    // A thread that cannot start leaves no timer behind; the caller hears of it.
    timer->stop();
    timer->deleteLater();
    throw;
  }
}

void QtPlatform::repaint() {
  // A calculation repaints for every candidate; the eye needs no more than one refresh every
  // 20 ms, and every handler's end refreshes the window anyway.
  const auto now = std::chrono::steady_clock::now();
  if (now - lastRepaint_ < std::chrono::milliseconds(20)) return;
  if (repaintHandler_) repaintHandler_();
  lastRepaint_ = std::chrono::steady_clock::now();
}

void QtPlatform::setWaitCursor(bool on) {
  // The form switches the cursor on and off like a setting, so overrides are never stacked.
  if (on == waitCursor_) return;
  waitCursor_ = on;
  if (on) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
  } else {
    QApplication::restoreOverrideCursor();
  }
}

void QtPlatform::shellOpen(const std::string& target) {
  // The outcome is not examined: a missing browser goes unreported.
  QDesktopServices::openUrl(desktopUrl(target));
}

void QtPlatform::playSound(const std::string& path) {
  sound_.play(path);
}

DayCount QtPlatform::now() {
  return toDayCount(QDateTime::currentDateTime());
}

std::uint32_t QtPlatform::tickCount() {
  const auto ticks = std::chrono::steady_clock::now().time_since_epoch().count();
  return static_cast<std::uint32_t>(static_cast<std::uint64_t>(ticks));
}

WeekdayNames QtPlatform::shortDayNames() {
  return dayNames(QLocale::ShortFormat);
}
WeekdayNames QtPlatform::longDayNames() {
  return dayNames(QLocale::LongFormat);
}

}  // namespace numora
