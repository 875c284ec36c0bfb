#include "app/qt/zahlenwahl_dialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QCoreApplication>
#include <QFont>
#include <QLabel>
#include <QPalette>
#include <QPushButton>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QStyle>
#include <QTimer>
#include <QToolButton>
#include <exception>

#include "app/qt/date_conversion.h"
#include "app/qt/date_field.h"
#include "app/qt/view_translation.h"
#include "common/typed_date.h"

namespace numora {
namespace {

// The designed geometry: a grid of boxes with a column of buttons to its right.
constexpr int kMargin = 10;
constexpr int kCellWidth = 52;
constexpr int kCellHeight = 24;
constexpr int kRows = NumberChoiceDialog::kNumbers / ZahlenwahlDialog::kColumns;
constexpr int kButtonLeft = kMargin + ZahlenwahlDialog::kColumns * kCellWidth + 12;
constexpr int kButtonWidth = 110;
constexpr int kButtonHeight = 30;
constexpr int kWidth = kButtonLeft + kButtonWidth + kMargin;
constexpr int kHeight = kMargin + kRows * kCellHeight + kMargin;

// The dialog's texts in the user's language.
QString text(const std::string& value) {
  return viewText(value);
}

QFont designFont() {
  QFont font(QStringLiteral("Arial"));
  font.setPixelSize(13);
  return font;
}

}  // namespace

ZahlenwahlDialog::ZahlenwahlDialog(TForm6& model, Platform& platform, QWidget* parent)
    : QDialog(parent), model_(model), platform_(platform) {
  setObjectName(QStringLiteral("Form6"));
  // A dialog window takes no font from its parent: the form's font is set here.
  setFont(designFont());
  setFixedSize(kWidth, kHeight);
  setSizeGripEnabled(false);
  buildBoxes();
  buildButtons();
  timer_ = new QTimer(this);
  timer_->setObjectName(QStringLiteral("Timer1"));
  timer_->setInterval(TForm6::kTimerMilliseconds);
  connect(timer_, &QTimer::timeout, this, [this] { forward([this] { model_.Timer1Timer(); }); });
  refresh();
}

void ZahlenwahlDialog::buildBoxes() {
  for (int number = 1; number <= NumberChoiceDialog::kNumbers; ++number) {
    auto* box = new QCheckBox(QString::number(number), this);
    box->setObjectName(QStringLiteral("CheckBox") + QString::number(number));
    // A button fills with its button colour; the box's colour is its window colour.
    box->setBackgroundRole(QPalette::Window);
    const int row = (number - 1) / kColumns;
    const int column = (number - 1) % kColumns;
    box->setGeometry(kMargin + column * kCellWidth, kMargin + row * kCellHeight, kCellWidth - 4,
                     kCellHeight - 2);
    // The weight rule runs in the model; the box only reports the user's tick.
    connect(box, &QCheckBox::clicked, this, [this, number](bool checked) {
      // The box has taken the tick already: it reaches the model whatever was typed.
      (void)date_->takeTypedDate();
      forward([this, number, checked] { model_.setChecked(number, checked); });
    });
    boxes_[static_cast<std::size_t>(number - 1)] = box;
  }
}

void ZahlenwahlDialog::buildButtons() {
  const auto button = [this](const char* name, int row, ModalResult result) {
    auto* widget = new QPushButton(this);
    widget->setObjectName(QString::fromLatin1(name));
    widget->setGeometry(kButtonLeft, kMargin + row * (kButtonHeight + 6), kButtonWidth,
                        kButtonHeight);
    // Enter always means OK, whichever button has the focus.
    widget->setAutoDefault(false);
    if (result != ModalResult::None) {
      connect(widget, &QPushButton::clicked, this,
              [this, result] { click([this, result] { closeWith(result); }); });
    }
    return widget;
  };
  ok_ = button("BitBtn1", 0, ModalResult::Ok);
  ok_->setDefault(true);
  ok_->setIcon(style()->standardIcon(QStyle::SP_DialogOkButton));
  abort_ = button("BitBtn2", 1, ModalResult::Abort);
  abort_->setIcon(style()->standardIcon(QStyle::SP_DialogCancelButton));
  // "Calculate" lies exactly over OK, so while it shows, OK is reached with Enter only.
  calculate_ = button("BitBtn3", 0, ModalResult::Retry);
  calculate_->setIcon(style()->standardIcon(QStyle::SP_BrowserReload));
  calculate_->raise();
  random_ = button("BitBtn4", 2, ModalResult::None);
  connect(random_, &QPushButton::clicked, this,
          [this] { click([this] { model_.BitBtn4Click(); }); });

  date_ = new DateField(this);
  date_->setObjectName(QStringLiteral("DateTimePicker1"));
  date_->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
  date_->setCalendarPopup(true);
  date_->setGeometry(kButtonLeft, kMargin + 3 * (kButtonHeight + 6), kButtonWidth, 24);
  connect(date_, &QDateEdit::dateChanged, this, [this](QDate date) {
    dateHint_->hide();
    forward([this, date] { model_.setEntryDate(toDayCount(date)); });
  });
  // Typed text that is no date changes nothing; the line under the field says why.
  dateHint_ = new QLabel(this);
  dateHint_->setObjectName(QStringLiteral("DateHint"));
  dateHint_->setTextFormat(Qt::PlainText);
  dateHint_->setWordWrap(true);
  QFont small = designFont();
  small.setPixelSize(11);
  dateHint_->setFont(small);
  QPalette hintPalette = dateHint_->palette();
  hintPalette.setColor(QPalette::WindowText, Qt::red);
  dateHint_->setPalette(hintPalette);
  dateHint_->setGeometry(kButtonLeft, kMargin + 3 * (kButtonHeight + 6) + 26, kButtonWidth, 44);
  dateHint_->hide();
  connect(date_, &DateField::typedTextRefused, this, [this](const QString& text) {
    dateHint_->setText(QString::fromStdString(typedTextRefusal(text.toStdString())));
    dateHint_->show();
  });
  connect(date_, &DateField::typedDateTaken, dateHint_, &QWidget::hide);
  // Draw entry for Daily Keno: is the entered draw the midday draw?
  midday_ = new QCheckBox(QCoreApplication::translate("NumberChoiceDialog", "Midday draw"), this);
  midday_->setObjectName(QStringLiteral("Midday"));
  midday_->setGeometry(kButtonLeft, kMargin + 5 * (kButtonHeight + 6), kButtonWidth, 24);
  connect(midday_, &QCheckBox::clicked, this,
          [this](bool checked) { forward([this, checked] { model_.setMiddayChosen(checked); }); });

  count_ = new QLabel(this);
  count_->setObjectName(QStringLiteral("CountLabel"));
  count_->setTextFormat(Qt::PlainText);
  count_->setAlignment(Qt::AlignCenter);
  QFont bold = designFont();
  bold.setBold(true);
  count_->setFont(bold);
  count_->setGeometry(kButtonLeft, kMargin + 4 * (kButtonHeight + 6), kButtonWidth, 22);

  const auto listButton = [this](const char* name, int column, const char* hint,
                                 QStyle::StandardPixmap icon) {
    auto* widget = new QToolButton(this);
    widget->setObjectName(QString::fromLatin1(name));
    widget->setToolTip(QString::fromUtf8(hint));
    widget->setIcon(style()->standardIcon(icon));
    widget->setIconSize(QSize(20, 20));
    widget->setAutoRaise(true);
    widget->setGeometry(kButtonLeft + column * 34, kHeight - kMargin - 30, 30, 30);
    return widget;
  };
  saveList_ = listButton("SpeedButton1", 0, "Speichern der Liste", QStyle::SP_DialogSaveButton);
  loadList_ = listButton("SpeedButton2", 1, "Laden der Liste", QStyle::SP_DialogOpenButton);
  connect(saveList_, &QToolButton::clicked, this,
          [this] { click([this] { model_.SpeedButton1Click(platform_); }); });
  connect(loadList_, &QToolButton::clicked, this,
          [this] { click([this] { model_.SpeedButton2Click(platform_); }); });
}

void ZahlenwahlDialog::forward(const std::function<void()>& action) {
  try {
    action();
  } catch (const std::exception& error) {
    platform_.showMessage(error.what());
  }
  refresh();
}

void ZahlenwahlDialog::click(const std::function<void()>& action) {
  if (date_->takeTypedDate()) forward(action);
}

void ZahlenwahlDialog::closeWith(ModalResult result) {
  closingResult_ = result;
  done(result == ModalResult::Ok ? QDialog::Accepted : QDialog::Rejected);
}

void ZahlenwahlDialog::done(int result) {
  // The close box and Escape close without a button: that is Cancel.
  result_ = closingResult_.value_or(ModalResult::Cancel);
  closingResult_.reset();
  // Every way of closing ends a running pick.
  model_.FormClose();
  refresh();
  QDialog::done(result);
}

void ZahlenwahlDialog::showBox(int number) {
  const NumberBox& state = model_.box(number);
  QCheckBox* box = boxes_[static_cast<std::size_t>(number - 1)];
  const QSignalBlocker block(box);
  box->setChecked(state.checked);
  box->setToolTip(text(state.weight));
  BoxColour& shown = shownColours_[static_cast<std::size_t>(number - 1)];
  if (shown_ && shown == state.colour) return;
  shown = state.colour;
  if (state.colour == BoxColour::Design) {
    box->setAutoFillBackground(false);
    box->setPalette(QPalette());
    return;
  }
  QPalette palette = box->palette();
  palette.setColor(QPalette::Window, state.colour == BoxColour::Yellow
                                         ? QColor(Qt::yellow)
                                         : palette.color(QPalette::ToolTipBase));
  box->setPalette(palette);
  box->setAutoFillBackground(true);
}

void ZahlenwahlDialog::refresh() {
  if (!shown_ || shownCount_ != model_.changeCount()) {
    setWindowTitle(text(model_.caption()));
    for (int number = 1; number <= NumberChoiceDialog::kNumbers; ++number) showBox(number);
    const std::pair<QPushButton*, const DialogButton*> buttons[] = {{ok_, &model_.BitBtn1},
                                                                    {abort_, &model_.BitBtn2},
                                                                    {calculate_, &model_.BitBtn3},
                                                                    {random_, &model_.BitBtn4}};
    for (const auto& [widget, state] : buttons) {
      widget->setText(text(state->caption));
      widget->setVisible(state->visible);
    }
    date_->setVisible(model_.DateTimePicker1Visible);
    if (!model_.DateTimePicker1Visible) dateHint_->hide();
    {
      const QSignalBlocker blockDate(date_);
      const QSignalBlocker blockMidday(midday_);
      date_->setDate(toQDate(model_.DateTimePicker1Date));
      midday_->setChecked(model_.Midday);
    }
    midday_->setVisible(model_.MiddayVisible);
    saveList_->setVisible(model_.valueListsVisible);
    loadList_->setVisible(model_.valueListsVisible);
    const QString count = text(model_.tickedCountText());
    count_->setText(count);
    count_->setVisible(!count.isEmpty());
    // Numbers ticked beyond what the tip takes are dropped at OK: the count says so in red.
    QPalette palette = count_->palette();
    palette.setColor(QPalette::WindowText,
                     model_.tooManyTicked() ? QColor(Qt::red)
                                            : QApplication::palette().color(QPalette::WindowText));
    count_->setPalette(palette);
    shownCount_ = model_.changeCount();
    shown_ = true;
  }
  // The timer runs exactly while the model's pick runs.
  if (model_.timerEnabled() && !timer_->isActive()) {
    timer_->start();
  } else if (!model_.timerEnabled() && timer_->isActive()) {
    timer_->stop();
  }
}

void ZahlenwahlDialog::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  centreOnParent();
}

void ZahlenwahlDialog::centreOnParent() {
  const QWidget* owner = parentWidget() ? parentWidget()->window() : nullptr;
  if (!owner) return;
  move(owner->frameGeometry().center() -
       QPoint(frameGeometry().width() / 2, frameGeometry().height() / 2));
}

}  // namespace numora
