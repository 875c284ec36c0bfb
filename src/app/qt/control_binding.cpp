#include "app/qt/control_binding.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QComboBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QStatusBar>
#include <QStringList>
#include <QTabWidget>
#include <QTableWidget>
#include <algorithm>

#include "app/qt/date_conversion.h"
#include "app/qt/statistics_chart_view.h"
#include "app/qt/view_translation.h"
#include "app/qt/window_text.h"

namespace numora {
namespace {

QString text(const std::string& value) {
  return QString::fromStdString(value);
}

QStringList textList(const std::vector<std::string>& values) {
  QStringList list;
  list.reserve(static_cast<qsizetype>(values.size()));
  for (const auto& value : values) list << text(value);
  return list;
}

void showCaption(const Control& control, QWidget* widget) {
  if (auto* label = qobject_cast<QLabel*>(widget)) {
    label->setText(windowText(control.shownCaption()));
  } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
    button->setText(windowText(control.shownCaption()));
  } else if (auto* group = qobject_cast<QGroupBox*>(widget)) {
    group->setTitle(windowText(control.shownCaption()));
  }
}

void showUpDown(const UpDown& upDown, QWidget* widget) {
  if (auto* spin = qobject_cast<QSpinBox*>(widget)) {
    spin->setRange(upDown.min(), upDown.max());
    spin->setValue(upDown.position());
  }
}

void showCheckBox(const CheckBox& box, QWidget* widget) {
  if (auto* button = qobject_cast<QAbstractButton*>(widget)) button->setChecked(box.checked());
}

void showEdit(const Edit& edit, QWidget* widget) {
  // Rewriting an equal text would move the cursor of a user who is typing. A text the model
  // wrote with values in it shows them in the user's locale; a typed text shows as it is.
  const QString value =
      edit.shownText().hasValues() ? viewText(edit.shownText()) : text(edit.text());
  if (auto* line = qobject_cast<QLineEdit*>(widget)) {
    if (line->text() != value) line->setText(value);
  } else if (auto* memo = qobject_cast<QPlainTextEdit*>(widget)) {
    // A memo of the program's own explanation reads in the user's language.
    const QString shown =
        memo->property(kShowsModelText).toBool() ? windowText(edit.shownText()) : value;
    if (memo->toPlainText() != shown) memo->setPlainText(shown);
  }
}

void showComboBox(const ComboBox& combo, QWidget* widget) {
  auto* box = qobject_cast<QComboBox*>(widget);
  if (!box) return;
  const QStringList items = viewTexts(combo.items());
  QStringList shown;
  for (int i = 0; i < box->count(); ++i) shown << box->itemText(i);
  if (shown != items) {
    box->clear();
    box->addItems(items);
  }
  // Before any choice the box shows the designed text instead of an empty field.
  box->setPlaceholderText(viewText(combo.text()));
  box->setCurrentIndex(combo.itemIndex());
}

void showRadioGroup(const RadioGroup& radio, QWidget* widget) {
  auto* buttons = widget->findChild<QButtonGroup*>();
  if (!buttons) return;
  const QSignalBlocker blockGroup(buttons);
  const auto& items = radio.items();
  for (QAbstractButton* button : buttons->buttons()) {
    const int id = buttons->id(button);
    const QSignalBlocker blockButton(button);
    if (id >= 0 && id < static_cast<int>(items.size())) {
      button->setText(viewText(items[static_cast<std::size_t>(id)]));
    }
  }
  if (QAbstractButton* selected = buttons->button(radio.itemIndex())) {
    const QSignalBlocker blockButton(selected);
    selected->setChecked(true);
  } else if (QAbstractButton* checked = buttons->checkedButton()) {
    // No item selected: an exclusive group cannot uncheck its last button.
    buttons->setExclusive(false);
    const QSignalBlocker blockButton(checked);
    checked->setChecked(false);
    buttons->setExclusive(true);
  }
}

void showListBox(const ListBox& list, QWidget* widget) {
  auto* box = qobject_cast<QListWidget*>(widget);
  if (!box) return;
  const QStringList lines = textList(list.lines());
  QStringList shown;
  for (int i = 0; i < box->count(); ++i) shown << box->item(i)->text();
  if (shown != lines) {
    box->clear();
    box->addItems(lines);
  }
  box->setCurrentRow(list.itemIndex());
  if (list.itemIndex() < 0) box->clearSelection();
}

void showStatusBar(const StatusBar& bar, QWidget* widget) {
  for (std::size_t i = 0; i < StatusBar::kPanels; ++i) {
    const QString name = text(bar.name()) + QStringLiteral("Panel") + QString::number(i);
    auto* panel = widget->findChild<QLabel*>(name);
    if (!panel) continue;
    panel->setText(windowText(bar.panel(i)));
    // The bar's hint (why the last calculation found no tip) is the tooltip of the status line.
    if (i == 1) panel->setToolTip(windowText(bar.hint()));
  }
  widget->setToolTip(QString());
}

void showDatePicker(const DatePicker& picker, QWidget* widget) {
  if (auto* edit = qobject_cast<QDateEdit*>(widget)) {
    // The limit first: the widget clamps a date below its current limit. Rewriting the shown
    // date would move the cursor of a user who is stepping through it.
    edit->setMinimumDate(toQDate(picker.minDate()));
    const QDate date = toQDate(picker.date());
    if (edit->date() != date) edit->setDate(date);
  }
}

void showProgressBar(const ProgressBar& progress, QWidget* widget) {
  auto* bar = qobject_cast<QProgressBar*>(widget);
  if (!bar) return;
  // A maximum of 0 would make Qt's bar run as "busy" without an end.
  bar->setRange(0, std::max(progress.maximum(), 1));
  bar->setValue(progress.position());
  // "%" is Qt's placeholder character in the format: a caption keeps it as text.
  bar->setFormat(
      windowText(progress.shownCaption()).replace(QLatin1Char('%'), QStringLiteral("%%")));
}

void showPageControl(const PageControl& pages, QWidget* widget) {
  auto* tabs = qobject_cast<QTabWidget*>(widget);
  if (!tabs) return;
  const auto& captions = pages.pages();
  for (int i = 0; i < tabs->count() && i < static_cast<int>(captions.size()); ++i) {
    tabs->setTabText(i, viewText(captions[static_cast<std::size_t>(i)]));
  }
  tabs->setCurrentIndex(pages.activePage());
}

void showStringGrid(const StringGrid& grid, QWidget* widget) {
  auto* table = qobject_cast<QTableWidget*>(widget);
  if (!table) return;
  const auto& columns = grid.columns();
  const auto& rows = grid.shownRows();
  table->setColumnCount(static_cast<int>(columns.size()));
  table->setHorizontalHeaderLabels(viewTexts(columns));
  table->setRowCount(static_cast<int>(rows.size()));
  for (int r = 0; r < table->rowCount(); ++r) {
    const auto& cells = rows[static_cast<std::size_t>(r)];
    for (int c = 0; c < table->columnCount(); ++c) {
      const std::size_t column = static_cast<std::size_t>(c);
      auto* item =
          new QTableWidgetItem(column < cells.size() ? viewText(cells[column]) : QString());
      // Figures line up on the right, as in a printed table.
      item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
      table->setItem(r, c, item);
    }
  }
}

}  // namespace

void showControl(const Control& control, QWidget* widget) {
  if (!widget) return;
  const QSignalBlocker block(widget);
  widget->setToolTip(windowText(control.hint()));
  // A control held by running long work shows disabled until the work ends.
  widget->setEnabled(control.enabled() && !control.held());
  widget->setVisible(control.visible());
  showCaption(control, widget);

  if (const auto* upDown = dynamic_cast<const UpDown*>(&control)) {
    showUpDown(*upDown, widget);
  } else if (const auto* box = dynamic_cast<const CheckBox*>(&control)) {
    showCheckBox(*box, widget);
  } else if (const auto* edit = dynamic_cast<const Edit*>(&control)) {
    showEdit(*edit, widget);
  } else if (const auto* combo = dynamic_cast<const ComboBox*>(&control)) {
    showComboBox(*combo, widget);
  } else if (const auto* radio = dynamic_cast<const RadioGroup*>(&control)) {
    showRadioGroup(*radio, widget);
  } else if (const auto* list = dynamic_cast<const ListBox*>(&control)) {
    showListBox(*list, widget);
  } else if (const auto* bar = dynamic_cast<const StatusBar*>(&control)) {
    showStatusBar(*bar, widget);
  } else if (const auto* picker = dynamic_cast<const DatePicker*>(&control)) {
    showDatePicker(*picker, widget);
  } else if (const auto* pages = dynamic_cast<const PageControl*>(&control)) {
    showPageControl(*pages, widget);
  } else if (const auto* grid = dynamic_cast<const StringGrid*>(&control)) {
    showStringGrid(*grid, widget);
  } else if (const auto* progress = dynamic_cast<const ProgressBar*>(&control)) {
    showProgressBar(*progress, widget);
  } else if (const auto* chart = dynamic_cast<const Chart*>(&control)) {
    if (auto* view = qobject_cast<StatisticsChartView*>(widget)) view->showChart(*chart);
  }
}

void ControlBinding::bind(const Control& control, QWidget* widget) {
  entries_[control.name()] = Entry{widget, 0, false};
}

QWidget* ControlBinding::widget(const std::string& name) const {
  const auto found = entries_.find(name);
  return found == entries_.end() ? nullptr : found->second.widget.data();
}

void ControlBinding::refresh(const ControlRegistry& registry) {
  for (const Control* control : registry.all()) {
    const auto found = entries_.find(control->name());
    if (found == entries_.end()) continue;
    Entry& entry = found->second;
    if (entry.shown && entry.shownCount == control->changeCount()) continue;
    showControl(*control, entry.widget);
    entry.shownCount = control->changeCount();
    entry.shown = true;
  }
}

void ControlBinding::show(const Control& control) {
  const auto found = entries_.find(control.name());
  if (found == entries_.end()) return;
  showControl(control, found->second.widget);
  found->second.shownCount = control.changeCount();
  found->second.shown = true;
}

}  // namespace numora
