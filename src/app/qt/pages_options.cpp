// The "Options" tab: the generator options on four inner pages. An option whose value sits
// inside its sentence ("maximum of    matches with other tips") has its up-down placed over the
// run of blanks that its caption leaves for it. The arrows of the coupled up-downs run their
// MouseDown and MouseUp handlers.
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDateEdit>
#include <QEvent>
#include <QFont>
#include <QFontMetrics>
#include <QLabel>
#include <QMouseEvent>
#include <QPointer>
#include <QRegularExpression>
#include <QSpinBox>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTabWidget>
#include <map>
#include <memory>
#include <vector>

#include "app/qt/language_choice.h"
#include "app/qt/page_builder.h"
#include "app/qt/pages.h"
#include "app/qt/view_translation.h"
#include "app/settings_persistence.h"

namespace numora {
namespace {

constexpr int kRowHeight = 22;

struct Gap {
  int left = 0;
  int width = 0;
};

// The n-th run of blanks (three or more) in a caption, in pixels from the caption's start.
Gap captionGap(const QFontMetrics& metrics, const QString& text, int n) {
  auto runs = QRegularExpression(QStringLiteral(" {3,}")).globalMatch(text);
  for (int i = 0; runs.hasNext(); ++i) {
    const auto run = runs.next();
    if (i != n) continue;
    return {metrics.horizontalAdvance(text.left(run.capturedStart())),
            metrics.horizontalAdvance(run.captured())};
  }
  return {};
}

// Where the caption of a check box (right of its indicator) or of a label starts.
int textOffset(QWidget* holder) {
  if (qobject_cast<QCheckBox*>(holder)) {
    QStyleOptionButton option;
    option.initFrom(holder);
    return holder->style()->subElementRect(QStyle::SE_CheckBoxContents, &option, holder).left();
  }
  return holder->contentsRect().left();
}

// Keeps widgets over the runs of blanks that a caption leaves for them. The gaps are measured
// in the font the caption is shown in, whenever the caption's widget or a widget in its gaps
// moves, changes size or font, so they stay in place when the window scales the page (the
// check box's indicator does not scale with it).
class GapFollower : public QObject {
 public:
  using QObject::QObject;

  void follow(QWidget* holder, const std::string& caption, std::vector<QWidget*> fillers) {
    // The gaps are measured in the caption as shown, in the user's language.
    auto entry = std::make_shared<Entry>(Entry{holder, viewText(caption), {}});
    entry->fillers.assign(fillers.begin(), fillers.end());
    for (QWidget* widget : fillers) {
      entries_[widget] = entry;
      widget->installEventFilter(this);
      widget->raise();
    }
    entries_[holder] = entry;
    holder->installEventFilter(this);
    place(*entry);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    const auto type = event->type();
    if (type == QEvent::Move || type == QEvent::Resize || type == QEvent::FontChange ||
        type == QEvent::Show) {
      const auto found = entries_.find(watched);
      if (found != entries_.end()) place(*found->second);
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  struct Entry {
    QPointer<QWidget> holder;
    QString caption;
    std::vector<QPointer<QWidget>> fillers;
  };

  static void place(const Entry& entry) {
    if (!entry.holder) return;
    const QRect box = entry.holder->geometry();
    const QFontMetrics metrics(entry.holder->font());
    const int textLeft = box.left() + textOffset(entry.holder);
    for (std::size_t i = 0; i < entry.fillers.size(); ++i) {
      if (!entry.fillers[i]) continue;
      const Gap gap = captionGap(metrics, entry.caption, static_cast<int>(i));
      // Moving to where it already is sends no event, so this does not run again.
      entry.fillers[i]->setGeometry(textLeft + gap.left + 2, box.top() - 1, gap.width - 4,
                                    box.height() + 2);
    }
  }

  std::map<QObject*, std::shared_ptr<Entry>> entries_;
};

// Runs the TForm1 handlers "<UpDown>MouseDown" and "<UpDown>MouseUp" when the mouse button is
// pressed or released on the up-down's arrows (the edit field inside takes its own clicks).
// The press handler runs before the arrow steps the value.
class ArrowHooks : public QObject {
 public:
  ArrowHooks(QObject* parent, PageBuilder& build) : QObject(parent), build_(build) {}

  void watch(QSpinBox* spin, const std::string& upDown) {
    const auto& handlers = build_.form1().handlers();
    const auto down = handlers.find(upDown + "MouseDown");
    const auto up = handlers.find(upDown + "MouseUp");
    if (down == handlers.end() && up == handlers.end()) return;
    if (down != handlers.end()) press_[spin] = down->second;
    if (up != handlers.end()) release_[spin] = up->second;
    spin->installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    const bool pressed = event->type() == QEvent::MouseButtonPress;
    const bool released = event->type() == QEvent::MouseButtonRelease;
    if ((pressed || released) && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
      const auto& handlers = pressed ? press_ : release_;
      const auto found = handlers.find(watched);
      if (found != handlers.end()) build_.forward()(found->second);
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  PageBuilder& build_;
  std::map<QObject*, std::function<void()>> press_;
  std::map<QObject*, std::function<void()>> release_;
};

class OptionsPageBuilder {
 public:
  OptionsPageBuilder(PageBuilder& build, ArrowHooks& hooks, GapFollower& gaps)
      : build_(build), hooks_(hooks), gaps_(gaps) {}

  QSpinBox* upDown(QWidget* page, UpDown& control, const QRect& rect, const char* editName) {
    QSpinBox* spin = build_.upDown(page, control, rect, editName);
    hooks_.watch(spin, control.name());
    return spin;
  }

  // A check box whose caption runs across the page.
  QCheckBox* checkBox(QWidget* page, CheckBox& control, int left, int top, int width = 540) {
    return build_.checkBox(page, control, QRect(left, top, width, kRowHeight));
  }

  // Puts up-downs into the gaps of the caption of a check box or label, in the gaps' order.
  void intoGaps(QWidget* holder, const Control& control,
                std::initializer_list<std::pair<UpDown*, const char*>> upDowns) {
    std::vector<QWidget*> fillers;
    for (const auto& [upDown, editName] : upDowns) {
      fillers.push_back(this->upDown(holder->parentWidget(), *upDown, QRect(), editName));
    }
    gaps_.follow(holder, control.caption(), std::move(fillers));
  }

  void intoGap(QWidget* holder, const Control& control, QWidget* filler) {
    gaps_.follow(holder, control.caption(), {filler});
  }

  PageBuilder& build() { return build_; }

 private:
  PageBuilder& build_;
  ArrowHooks& hooks_;
  GapFollower& gaps_;
};

void buildStatisticalPage(QWidget* page, OptionsPageBuilder& options) {
  Form& form = options.build().form();
  // The preferred bands: a check box and the band's width in percent.
  const std::tuple<CheckBox*, UpDown*, const char*> bands[] = {
      {&form.CheckBox2, &form.UpDown12, "Edit85"},
      {&form.CheckBox10, &form.UpDown13, "Edit86"},
      {&form.CheckBox14, &form.UpDown14, "Edit87"}};
  int top = 8;
  for (const auto& [box, upDown, editName] : bands) {
    options.checkBox(page, *box, 8, top, 300);
    options.upDown(page, *upDown, QRect(316, top - 1, 56, kRowHeight + 2), editName);
    top += 26;
  }

  top = 94;
  QCheckBox* history = options.checkBox(page, form.CheckBox9, 8, top);
  options.intoGaps(history, form.CheckBox9, {{&form.UpDown6, "Edit42"}});
  top += 26;
  QCheckBox* recent = options.checkBox(page, form.CheckBox17, 8, top);
  options.intoGaps(recent, form.CheckBox17, {{&form.UpDown19, "Edit4"}, {&form.UpDown20, "Edit6"}});

  // Hits allowed against the last three draws.
  const std::tuple<CheckBox*, UpDown*, const char*, UpDown*, const char*> ranges[] = {
      {&form.CheckBox4, &form.UpDown4, "Edit40", &form.UpDown21, "Edit7"},
      {&form.CheckBox5, &form.UpDown5, "Edit41", &form.UpDown22, "Edit8"},
      {&form.CheckBox23, &form.UpDown11, "Edit84", &form.UpDown23, "Edit9"}};
  top = 156;
  for (const auto& [box, most, mostEdit, fewest, fewestEdit] : ranges) {
    QCheckBox* widget = options.checkBox(page, *box, 8, top);
    options.intoGaps(widget, *box, {{most, mostEdit}, {fewest, fewestEdit}});
    top += 26;
  }

  // The extra options of the pool.
  top = 246;
  QLabel* extra = options.build().label(page, form.Label62, QRect(8, top, 200, kRowHeight));
  // Bold in the pages' font (Arial, 13 pixels).
  QFont bold(QStringLiteral("Arial"));
  bold.setPixelSize(13);
  bold.setBold(true);
  options.build().setFont(extra, bold);
  top += 24;
  options.checkBox(page, form.CheckBox19, 8, top);
  top += 26;
  QCheckBox* lastDraws = options.checkBox(page, form.CheckBox31, 8, top);
  options.intoGap(lastDraws, form.CheckBox31,
                  options.build().comboBox(page, form.ComboBox3, QRect()));
  top += 26;
  options.checkBox(page, form.CheckBox30, 8, top, 300);
  options.build().datePicker(page, form.DateTimePicker3, QRect(316, top - 1, 120, kRowHeight + 2));
  // The hidden weekday choice keeps its place on the page.
  top += 30;
  options.build().label(page, form.Label48, QRect(8, top, 260, kRowHeight));
  options.build().comboBox(page, form.ComboBox2, QRect(276, top - 1, 200, kRowHeight + 2));
}

void buildTicketPage(QWidget* page, OptionsPageBuilder& options) {
  Form& form = options.build().form();
  int top = 8;
  QCheckBox* most = options.checkBox(page, form.CheckBox3, 8, top);
  options.intoGaps(most, form.CheckBox3, {{&form.UpDown3, "Edit39"}});
  top += 26;
  QCheckBox* fewest = options.checkBox(page, form.CheckBox24, 8, top);
  options.intoGaps(fewest, form.CheckBox24, {{&form.UpDown1, "Edit88"}});
  top += 26;
  options.checkBox(page, form.CheckBox27, 8, top);
  top += 36;
  options.checkBox(page, form.CheckBox8, 8, top);
  top += 26;
  options.checkBox(page, form.CheckBox18, 8, top);

  // The group preferences, the frequent box with its rare partner beside it.
  const std::pair<CheckBox*, CheckBox*> groups[] = {{&form.CheckBox1, &form.CheckBox11},
                                                    {&form.CheckBox6, &form.CheckBox12},
                                                    {&form.CheckBox7, &form.CheckBox13}};
  top += 36;
  for (const auto& [frequent, rare] : groups) {
    options.checkBox(page, *frequent, 8, top, 380);
    options.checkBox(page, *rare, 396, top, 120);
    top += 26;
  }
}

void buildMathematicallyPage(QWidget* page, OptionsPageBuilder& options) {
  Form& form = options.build().form();
  int top = 8;
  QLabel* crossSum = options.build().label(page, form.Label42, QRect(8, top, 540, kRowHeight));
  options.intoGaps(crossSum, form.Label42, {{&form.UpDown2, "Edit37"}, {&form.UpDown15, "Edit38"}});
  const std::tuple<CheckBox*, UpDown*, const char*> counts[] = {
      {&form.CheckBox22, &form.UpDown10, "Edit83"},
      {&form.CheckBox25, &form.UpDown16, "Edit89"},
      {&form.CheckBox26, &form.UpDown17, "Edit90"}};
  top = 44;
  for (const auto& [box, upDown, editName] : counts) {
    QCheckBox* widget = options.checkBox(page, *box, 8, top);
    options.intoGaps(widget, *box, {{upDown, editName}});
    top += 26;
  }
}

// The window's language. It is the view's own setting: kept in the settings store beside the
// model's options and applied at the next start, as every caption is shown from it.
void buildLanguageChoice(QWidget* page, PageBuilder& build) {
  constexpr int kTop = 106;
  auto* label = new QLabel(QCoreApplication::translate("OptionsPage", "Language"), page);
  label->setObjectName(QStringLiteral("LanguageLabel"));
  build.place(label, QRect(8, kTop, 150, kRowHeight));
  auto* choice = new QComboBox(page);
  choice->setObjectName(QStringLiteral("LanguageComboBox"));
  // The languages by their own names, as a user looking for theirs reads them.
  choice->addItems({QCoreApplication::translate("OptionsPage", "Automatic"),
                    QStringLiteral("English"), QStringLiteral("Français")});
  choice->setToolTip(QCoreApplication::translate(
      "OptionsPage", "Automatic: French under a French locale, English otherwise"));
  choice->setCurrentIndex(static_cast<int>(readLanguageChoice(build.form1().settings())));
  build.place(choice, QRect(160, kTop - 1, 120, kRowHeight + 2));
  auto* note = new QLabel(QCoreApplication::translate("OptionsPage", "at the next start"), page);
  note->setObjectName(QStringLiteral("LanguageNote"));
  build.place(note, QRect(288, kTop, 270, kRowHeight));
  QObject::connect(choice, &QComboBox::activated, [&build](int index) {
    build.forward()([&build, index] {
      try {
        writeLanguageChoice(build.form1().settings(), static_cast<LanguageChoice>(index));
      } catch (const std::exception& error) {
        build.form1().platform().showMessage(settingsFailure(error));
      }
    });
  });
}

void buildGeneralPage(QWidget* page, OptionsPageBuilder& options) {
  Form& form = options.build().form();
  options.checkBox(page, form.CheckBox20, 8, 8);
  options.checkBox(page, form.CheckBox15, 8, 34);
  options.build().label(page, form.Label57, QRect(8, 70, 150, kRowHeight));
  options.upDown(page, form.UpDown7, QRect(160, 69, 80, kRowHeight + 2), "Edit55");
  options.build().label(page, form.Label58, QRect(248, 70, 100, kRowHeight));
  buildLanguageChoice(page, options.build());
}

}  // namespace

void buildOptionsPage(QWidget* page, PageBuilder& build) {
  auto* pages = new QTabWidget(page);
  pages->setObjectName(QStringLiteral("PageControl2"));
  build.place(pages, QRect(4, 4, 566, 466));
  auto* hooks = new ArrowHooks(page, build);
  auto* gaps = new GapFollower(page);
  OptionsPageBuilder options(build, *hooks, *gaps);
  const std::pair<const char*, const char*> tabs[] = {
      {"TabSheet8", QT_TRANSLATE_NOOP("OptionsPage", "statistical")},
      {"TabSheet9", QT_TRANSLATE_NOOP("OptionsPage", "ticket optimization")},
      {"TabSheet10", QT_TRANSLATE_NOOP("OptionsPage", "mathematically")},
      {"TabSheet11", QT_TRANSLATE_NOOP("OptionsPage", "general")}};
  std::vector<QWidget*> inner;
  for (const auto& [name, caption] : tabs) {
    auto* tab = new QWidget;
    tab->setObjectName(QString::fromLatin1(name));
    pages->addTab(tab, QCoreApplication::translate("OptionsPage", caption));
    inner.push_back(tab);
  }
  buildStatisticalPage(inner[0], options);
  buildTicketPage(inner[1], options);
  buildMathematicallyPage(inner[2], options);
  buildGeneralPage(inner[3], options);
}

}  // namespace numora
