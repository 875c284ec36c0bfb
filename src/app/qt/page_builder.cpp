#include "app/qt/page_builder.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFrame>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QPalette>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QToolButton>

#include "app/qt/date_conversion.h"
#include "app/qt/date_field.h"
#include "app/qt/statistics_chart_view.h"
#include "common/translatable.h"
#include "common/typed_date.h"

namespace numora {
namespace {

QString name(const Control& control) {
  return QString::fromStdString(control.name());
}

// The hint line's word on a date below a date field's lower limit.
std::string dateBelowLimitNotice(const DatePicker& picker) {
  return fillPattern(
      NUMORA_TRANSLATABLE("Numora", "No date before %1: the field shows the earliest one"),
      {formatDate(picker.minDate())});
}

}  // namespace

PageBuilder::PageBuilder(TForm1& form1, ControlBinding& binding, DesignLayout& layout,
                         EventHooks& hooks, Forward forward)
    : form1_(form1),
      binding_(binding),
      layout_(layout),
      hooks_(hooks),
      forward_(std::move(forward)) {}

void PageBuilder::bind(const Control& control, QWidget* widget) {
  widget->setObjectName(name(control));
  binding_.bind(control, widget);
}

PageBuilder::Action PageBuilder::handler(std::string name) {
  // Looked up at click time: a handler registered later is found too.
  return [this, name = std::move(name)] {
    const auto& handlers = form1_.handlers();
    const auto found = handlers.find(name);
    if (found != handlers.end()) found->second();
  };
}

PageBuilder::Action PageBuilder::clickAction(const Control& control, Action click) {
  if (click) return click;
  return handler(control.name() + "Click");
}

bool PageBuilder::takeTypedDates() {
  bool taken = true;
  for (const QPointer<DateField>& field : dateFields_) {
    if (field && !field->takeTypedDate()) taken = false;
  }
  return taken;
}

void PageBuilder::click(const Action& action) {
  if (takeTypedDates()) forward_(action);
}

void PageBuilder::change(const Control& control, const std::function<void()>& apply) {
  forward_([this, &control, apply] {
    if (!form1_.mayChange(control.name())) {
      binding_.show(control);
      return;
    }
    apply();
  });
}

void PageBuilder::onClick(QWidget* widget, Action action) {
  hooks_.onClick(widget, [this, action = std::move(action)] { click(action); });
}

QLabel* PageBuilder::label(QWidget* parent, const Label& control, const QRect& rect,
                           Qt::Alignment alignment) {
  auto* widget = new QLabel(parent);
  widget->setTextFormat(Qt::PlainText);
  widget->setAlignment(alignment);
  bind(control, widget);
  place(widget, rect);
  return widget;
}

QLabel* PageBuilder::linkLabel(QWidget* parent, const Label& control, const QRect& rect,
                               Action click) {
  QLabel* widget = label(parent, control, rect);
  QPalette palette = widget->palette();
  palette.setColor(QPalette::WindowText, Qt::blue);
  widget->setPalette(palette);
  widget->setCursor(Qt::PointingHandCursor);
  onClick(widget, std::move(click));
  return widget;
}

QToolButton* PageBuilder::speedButton(QWidget* parent, const Button& control, const QRect& rect,
                                      Action click) {
  auto* widget = new QToolButton(parent);
  widget->setAutoRaise(true);
  bind(control, widget);
  place(widget, rect);
  QObject::connect(
      widget, &QToolButton::clicked,
      [this, action = clickAction(control, std::move(click))] { this->click(action); });
  return widget;
}

QPushButton* PageBuilder::button(QWidget* parent, const Button& control, const QRect& rect,
                                 Action click) {
  auto* widget = new QPushButton(parent);
  bind(control, widget);
  place(widget, rect);
  QObject::connect(
      widget, &QPushButton::clicked,
      [this, action = clickAction(control, std::move(click))] { this->click(action); });
  return widget;
}

QSpinBox* PageBuilder::upDown(QWidget* parent, UpDown& control, const QRect& rect,
                              const char* editName) {
  auto* widget = new QSpinBox(parent);
  // Thousands grouped as the user's locale groups them: "1,200" in English, "1 200" in French.
  widget->setLocale(QLocale());
  widget->setGroupSeparatorShown(true);
  widget->setRange(control.min(), control.max());
  // A value typed outside the range is brought to the nearest limit when the field is left.
  widget->setCorrectionMode(QAbstractSpinBox::CorrectToNearestValue);
  if (auto* line = widget->findChild<QLineEdit*>()) {
    line->setObjectName(QString::fromLatin1(editName));
  }
  bind(control, widget);
  place(widget, rect);
  auto* edit = dynamic_cast<Edit*>(form().registry.find(editName));
  QObject::connect(widget, &QSpinBox::valueChanged, [this, &control, edit](int value) {
    change(control, [this, &control, edit, value] {
      control.setPosition(value);
      form1_.controlChanged(control.name());
      if (!edit) return;
      edit->setText(std::to_string(value));
      form1_.controlChanged(edit->name());
    });
  });
  if (edit) {
    const std::string exitHandler = edit->name() + "Exit";
    QObject::connect(widget, &QSpinBox::editingFinished, [this, exitHandler] {
      const auto& handlers = form1_.handlers();
      const auto found = handlers.find(exitHandler);
      if (found != handlers.end()) forward_(found->second);
    });
  }
  return widget;
}

QCheckBox* PageBuilder::checkBox(QWidget* parent, CheckBox& control, const QRect& rect) {
  auto* widget = new QCheckBox(parent);
  bind(control, widget);
  place(widget, rect);
  QObject::connect(widget, &QCheckBox::clicked, [this, &control](bool checked) {
    (void)takeTypedDates();
    change(control, [this, &control, checked] {
      control.setChecked(checked);
      form1_.controlChanged(control.name());
    });
  });
  return widget;
}

QLineEdit* PageBuilder::edit(QWidget* parent, Edit& control, const QRect& rect) {
  auto* widget = new QLineEdit(parent);
  bind(control, widget);
  place(widget, rect);
  QObject::connect(widget, &QLineEdit::textEdited, [this, &control](const QString& text) {
    change(control, [this, &control, value = text.toStdString()] {
      control.setText(value);
      form1_.controlChanged(control.name());
    });
  });
  return widget;
}

QPlainTextEdit* PageBuilder::memo(QWidget* parent, Memo& control, const QRect& rect) {
  auto* widget = new QPlainTextEdit(parent);
  widget->setReadOnly(true);
  bind(control, widget);
  place(widget, rect);
  return widget;
}

QTableWidget* PageBuilder::grid(QWidget* parent, const StringGrid& control, const QRect& rect) {
  auto* widget = new QTableWidget(parent);
  widget->setEditTriggers(QAbstractItemView::NoEditTriggers);
  widget->setSelectionMode(QAbstractItemView::NoSelection);
  widget->verticalHeader()->setVisible(false);
  // One text line per row, and the columns share the width.
  widget->verticalHeader()->setDefaultSectionSize(widget->fontMetrics().height() + 6);
  widget->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
  bind(control, widget);
  place(widget, rect);
  return widget;
}

QComboBox* PageBuilder::comboBox(QWidget* parent, ComboBox& control, const QRect& rect) {
  auto* widget = new QComboBox(parent);
  widget->setEditable(false);
  // The text shown before any choice is the box's text, not a greyed-out hint.
  QPalette palette = widget->palette();
  palette.setColor(QPalette::PlaceholderText, palette.color(QPalette::Text));
  widget->setPalette(palette);
  bind(control, widget);
  place(widget, rect);
  QObject::connect(widget, &QComboBox::activated, [this, &control](int index) {
    (void)takeTypedDates();
    change(control, [this, &control, index] {
      control.setItemIndex(index);
      form1_.controlChanged(control.name());
    });
  });
  return widget;
}

QListWidget* PageBuilder::listBox(QWidget* parent, ListBox& control, const QRect& rect) {
  auto* widget = new QListWidget(parent);
  widget->setSelectionMode(QAbstractItemView::SingleSelection);
  bind(control, widget);
  place(widget, rect);
  QObject::connect(widget, &QListWidget::currentRowChanged, [this, &control](int row) {
    change(control, [this, &control, row] {
      control.setItemIndex(row);
      form1_.controlChanged(control.name());
    });
  });
  return widget;
}

QGroupBox* PageBuilder::radioGroup(QWidget* parent, RadioGroup& control, const QRect& rect,
                                   int columns, Action click) {
  auto* widget = new QGroupBox(parent);
  auto* buttons = new QButtonGroup(widget);
  buttons->setExclusive(true);
  const int count = static_cast<int>(control.items().size());
  const int rows = (count + columns - 1) / columns;
  // Items fill the space below the title in equal cells, as the original group lays them out.
  constexpr int kTop = 18;
  const int cellWidth = (rect.width() - 12) / columns;
  const int cellHeight = (rect.height() - kTop - 4) / std::max(rows, 1);
  for (int i = 0; i < count; ++i) {
    auto* item = new QRadioButton(widget);
    item->setObjectName(name(control) + QStringLiteral("Item") + QString::number(i));
    buttons->addButton(item, i);
    place(item, QRect(8 + (i % columns) * cellWidth, kTop + (i / columns) * cellHeight,
                      cellWidth - 4, cellHeight));
  }
  bind(control, widget);
  place(widget, rect);
  QObject::connect(buttons, &QButtonGroup::idClicked,
                   [this, &control, click = std::move(click)](int id) {
                     // A click on the selected item changes nothing and runs nothing.
                     if (id == control.itemIndex()) return;
                     (void)takeTypedDates();
                     change(control, [&control, &click, id] {
                       control.setItemIndex(id);
                       click();
                     });
                   });
  return widget;
}

QDateEdit* PageBuilder::datePicker(QWidget* parent, DatePicker& control, const QRect& rect) {
  auto* widget = new DateField(parent);
  dateFields_.emplace_back(widget);
  widget->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
  widget->setCalendarPopup(true);
  widget->setKeyboardTracking(false);
  bind(control, widget);
  place(widget, rect);
  QObject::connect(widget, &QDateEdit::dateChanged, [this, &control](QDate date) {
    change(control, [this, &control, date] {
      if (!control.setDate(toDayCount(date))) {
        // A date below the limit: the field shows its limit and the hint line says why.
        (void)control.setDate(control.minDate());
        form().StatusBar1.setPanel(1, dateBelowLimitNotice(control));
        binding_.show(control);
      }
      form1_.controlChanged(control.name());
    });
  });
  QObject::connect(widget, &DateField::typedDateBelowLimit, [this, &control] {
    forward_([this, &control] { form().StatusBar1.setPanel(1, dateBelowLimitNotice(control)); });
  });
  QObject::connect(widget, &DateField::typedTextRefused, [this](const QString& text) {
    forward_([this, typed = text.toStdString()] {
      form().StatusBar1.setPanel(1, typedTextRefusal(typed));
    });
  });
  return widget;
}

StatisticsChartView* PageBuilder::chart(QWidget* parent, const Chart& control) {
  auto* widget = new StatisticsChartView(parent);
  bind(control, widget);
  return widget;
}

QFrame* PageBuilder::panel(QWidget* parent, const char* panelName, const QRect& rect,
                           const QColor& colour) {
  auto* widget = new QFrame(parent);
  widget->setObjectName(QString::fromLatin1(panelName));
  widget->setFrameShape(QFrame::Panel);
  widget->setFrameShadow(QFrame::Raised);
  widget->setAutoFillBackground(true);
  QPalette palette = widget->palette();
  palette.setColor(QPalette::Window, colour);
  widget->setPalette(palette);
  place(widget, rect);
  return widget;
}

}  // namespace numora
