#include "app/qt/main_window_view.h"

#include <QCloseEvent>
#include <QFont>
#include <QGuiApplication>
#include <QIcon>
#include <QLabel>
#include <QLocale>
#include <QProgressBar>
#include <QPushButton>
#include <QResizeEvent>
#include <QScreen>
#include <QShortcut>
#include <QShowEvent>
#include <QStatusBar>
#include <QStyle>
#include <QTabWidget>
#include <QTimer>

#include "app/qt/event_hooks.h"
#include "app/qt/hint_panel.h"
#include "app/qt/page_builder.h"
#include "app/qt/pages.h"
#include "app/qt/pages_sweep.h"
#include "app/qt/report_window.h"
#include "app/qt/view_translation.h"

namespace numora {
namespace {

// The tab pages in their order, with their designed names.
constexpr const char* kPageNames[] = {"TabSheet1", "TabSheet6",    "TabSheet5",
                                      "TabSheet2", "TabSheetOdds", "TabSheet3"};
constexpr int kPanelWidths[] = {150, 50};
// The progress bar of long work takes this much of the hint line while it shows.
constexpr int kProgressWidth = 260;
constexpr int kProgressMinimumWidth = 80;

QFont designFont() {
  QFont font(QStringLiteral("Arial"));
  font.setPixelSize(13);
  return font;
}

}  // namespace

MainWindowView::MainWindowView(TForm1& form1, QWidget* parent)
    : QMainWindow(parent), form1_(form1), hooks_(new EventHooks(this)) {
  setObjectName(QStringLiteral("Form1"));
  setWindowTitle(QString::fromUtf8(TForm1::kCaption));
  setWindowIcon(QIcon(QStringLiteral(":/icons/example.veltrin.NumoraCanada.svg")));
  setFont(designFont());
  buildPages();
  stopShortcut_ = new QShortcut(QKeySequence(Qt::Key_Escape), this);
  connect(stopShortcut_, &QShortcut::activated, this,
          [this] { forward(form1_.handlers().at("StopClick")); });
  buildStatusBar();
  hookHintLine();
  refresh();
  resize(TForm1::kClientWidth, TForm1::kClientHeight);
  // Smaller than designed, the contents scale down to unreadable text.
  setMinimumSize(TForm1::kClientWidth, TForm1::kClientHeight);
  centreOnScreen();
}

MainWindowView::~MainWindowView() {
  // The widgets outlive this object's members while the base class closes the window; a field
  // that loses the focus then must not reach a handler through the page builder.
  delete hooks_;
  for (QWidget* child : findChildren<QWidget*>()) child->blockSignals(true);
}

void MainWindowView::buildPages() {
  pages_ = new QTabWidget(this);
  binding_.bind(form1_.form.PageControl1, pages_);
  pages_->setObjectName(QStringLiteral("PageControl1"));
  layout_.setRoot(pages_, designFont());
  setCentralWidget(pages_);

  builder_ = std::make_unique<PageBuilder>(
      form1_, binding_, layout_, *hooks_,
      [this](const std::function<void()>& action) { forward(action); });
  PageBuilder& build = *builder_;
  const auto& captions = form1_.form.PageControl1.pages();
  std::vector<QWidget*> pages;
  for (std::size_t i = 0; i < std::size(kPageNames); ++i) {
    auto* page = new QWidget;
    page->setObjectName(QString::fromLatin1(kPageNames[i]));
    pages_->addTab(page, viewText(captions.at(i)));
    pages.push_back(page);
  }
  buildKenoTipsPage(pages[0], build, this);
  buildOptionsPage(pages[1], build);
  buildChartPage(pages[2], build);
  buildDatabasePage(pages[3], build);
  buildOddsPage(pages[kOddsPage], build);
  buildInternetPage(pages[5], build);
  // The last back-test's report, in a window of its own beside the main window.
  new ReportWindow(this, form1_, binding_,
                   [this](const std::function<void()>& action) { forward(action); });
  // The sweep, in a window of its own opened from the "Database" tab.
  auto* sweep = new SweepWindow(this, form1_, binding_,
                                [this](const std::function<void()>& action) { forward(action); });
  auto* openSweep = new QPushButton(tr("Sweep: which settings would have done best…"), pages[3]);
  openSweep->setObjectName(QStringLiteral("SweepOpenButton"));
  layout_.place(openSweep, QRect(8, 462, 560, 24));
  connect(openSweep, &QPushButton::clicked, sweep, [sweep] {
    sweep->show();
    sweep->raise();
  });
  // The user's choice of page goes into the model, so handlers see which page is shown.
  connect(pages_, &QTabWidget::currentChanged, this, [this](int index) {
    forward([this, index] {
      form1_.form.PageControl1.setActivePage(index);
      form1_.controlChanged("PageControl1");
    });
  });
}

void MainWindowView::buildStatusBar() {
  auto* bar = new QStatusBar(this);
  bar->setObjectName(QStringLiteral("StatusBar1"));
  setStatusBar(bar);
  for (int i = 0; i < 2; ++i) {
    auto* panel = new HintPanel(bar);
    panel->setObjectName(QStringLiteral("StatusBar1Panel") + QString::number(i));
    // The last panel reaches to the window's edge, as a status bar's last panel does, so the
    // hint line is not cut to its designed 50 pixels.
    if (i == 0) {
      panel->setFixedWidth(kPanelWidths[i]);
    } else {
      panel->setMinimumWidth(kPanelWidths[i]);
    }
    bar->addPermanentWidget(panel, i == 0 ? 0 : 1);
  }
  binding_.bind(form1_.form.StatusBar1, bar);
  // A running back-test's progress: the date reached and the cycles counted. It shares the
  // room with the hint line and elides its text, so the bar never reaches past the window.
  auto* replay = new HintPanel(bar);
  replay->setObjectName(QStringLiteral("ReplayProgress"));
  replay->setFrameShape(QFrame::NoFrame);
  bar->addPermanentWidget(replay);
  binding_.bind(form1_.form.ReplayProgress, replay);
  // Shown during long work, after the hint line, with what the work is doing as its text; it
  // narrows with the window rather than push past its edge.
  auto* progress = new QProgressBar(bar);
  progress->setObjectName(QStringLiteral("WorkProgress"));
  progress->setMinimumWidth(kProgressMinimumWidth);
  progress->setMaximumWidth(kProgressWidth);
  progress->setTextVisible(true);
  progress->hide();
  bar->addPermanentWidget(progress);
  binding_.bind(form1_.form.WorkProgress, progress);
}

void MainWindowView::hookHintLine() {
  // Every control with a registered mouse-entry handler shows its hint in the hint line while
  // the mouse is over it.
  for (const Control* control : form1_.form.registry.all()) {
    const std::string name = control->name();
    if (!form1_.handlers().count(name + "MouseEnter")) continue;
    QWidget* widget = binding_.widget(name);
    if (!widget) continue;
    hooks_->onEnter(widget, [this, name] { forward([this, name] { form1_.MouseEnter(name); }); });
    hooks_->onLeave(widget, [this, name] { forward([this, name] { form1_.MouseLeave(name); }); });
  }
}

void MainWindowView::centreOnScreen() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (!screen) return;
  const QRect available = screen->availableGeometry();
  move(available.center() - rect().center());
}

void MainWindowView::refresh() {
  binding_.refresh(form1_.form.registry);
  stopShortcut_->setEnabled(form1_.longWork().running().has_value());
}

void MainWindowView::forward(const std::function<void()>& action) {
  form1_.handle(action);
  refresh();
}

void MainWindowView::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (activationScheduled_) return;
  activationScheduled_ = true;
  // The first activation runs once the window has been painted; later activations after the
  // window's own dialogs are run by TForm1::handle, not by window-system activation events.
  QTimer::singleShot(0, this, [this] { forward([this] { form1_.FormActivate(); }); });
}

void MainWindowView::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  if (const auto factor = form1_.FormResize(event->size().height())) layout_.scaleBy(*factor);
}

void MainWindowView::closeEvent(QCloseEvent* event) {
  forward([this] { form1_.FormClose(); });
  // Work beside the window stops at once when asked; the window closes once its end (what it
  // finished, the settings) has been applied and saved.
  while (form1_.backgroundWorkRunning()) {
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
  }
  event->accept();
}

}  // namespace numora
