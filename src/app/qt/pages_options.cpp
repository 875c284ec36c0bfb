// The "Options" tab: the generator options on four inner pages. An option whose value sits
// inside its sentence ("maximum of    matches with other tips") has its up-down placed over the
// run of blanks that its caption leaves for it. The arrows of the coupled up-downs run their
// MouseDown and MouseUp handlers.
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QEvent>
#include <QFont>
#include <QFontMetrics>
#include <QLabel>
#include <QMouseEvent>
#include <QRegularExpression>
#include <QSpinBox>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTabWidget>

#include "app/qt/page_builder.h"
#include "app/qt/pages.h"

namespace numora {
namespace {

constexpr int kRowHeight = 22;

// The font the pages are designed in; the gaps are measured in it.
QFont designFont() {
  QFont font(QStringLiteral("Arial"));
  font.setPixelSize(13);
  return font;
}

struct Gap {
  int left = 0;
  int width = 0;
};

// The n-th run of blanks (three or more) in a caption, in pixels from the caption's start.
Gap captionGap(const std::string& caption, int n) {
  const QString text = QString::fromStdString(caption);
  const QFontMetrics metrics(designFont());
  auto runs = QRegularExpression(QStringLiteral(" {3,}")).globalMatch(text);
  for (int i = 0; runs.hasNext(); ++i) {
    const auto run = runs.next();
    if (i != n) continue;
    return {metrics.horizontalAdvance(text.left(run.capturedStart())),
            metrics.horizontalAdvance(run.captured())};
  }
  return {};
}

// Where a check box's caption starts, right of its indicator.
int checkBoxTextOffset(QWidget* box) {
  QStyleOptionButton option;
  option.initFrom(box);
  return box->style()->subElementRect(QStyle::SE_CheckBoxContents, &option, box).left();
}

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
  OptionsPageBuilder(PageBuilder& build, ArrowHooks& hooks) : build_(build), hooks_(hooks) {}

  QSpinBox* upDown(QWidget* page, UpDown& control, const QRect& rect, const char* editName) {
    QSpinBox* spin = build_.upDown(page, control, rect, editName);
    hooks_.watch(spin, control.name());
    return spin;
  }

  // A check box whose caption runs across the page.
  QCheckBox* checkBox(QWidget* page, CheckBox& control, int left, int top, int width = 540) {
    return build_.checkBox(page, control, QRect(left, top, width, kRowHeight));
  }

  // Puts up-downs into the gaps of a check box's caption, in the order of the gaps.
  void intoGaps(QCheckBox* box, const CheckBox& control, int left, int top,
                std::initializer_list<std::pair<UpDown*, const char*>> upDowns) {
    intoGaps(box->parentWidget(), control.caption(), left + checkBoxTextOffset(box), top, upDowns);
  }

  void intoGaps(QWidget* page, const std::string& caption, int textLeft, int top,
                std::initializer_list<std::pair<UpDown*, const char*>> upDowns) {
    int n = 0;
    for (const auto& [control, editName] : upDowns) {
      upDown(page, *control, gapRect(caption, textLeft, top, n++), editName)->raise();
    }
  }

  // The rectangle of the n-th gap of a caption whose text starts at textLeft.
  static QRect gapRect(const std::string& caption, int textLeft, int top, int n) {
    const Gap gap = captionGap(caption, n);
    return QRect(textLeft + gap.left + 2, top - 1, gap.width - 4, kRowHeight + 2);
  }

  PageBuilder& build() { return build_; }

 private:
  PageBuilder& build_;
  ArrowHooks& hooks_;
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
  options.intoGaps(history, form.CheckBox9, 8, top, {{&form.UpDown6, "Edit42"}});
  top += 26;
  QCheckBox* recent = options.checkBox(page, form.CheckBox17, 8, top);
  options.intoGaps(recent, form.CheckBox17, 8, top,
                   {{&form.UpDown19, "Edit4"}, {&form.UpDown20, "Edit6"}});

  // Hits allowed against the last three draws.
  const std::tuple<CheckBox*, UpDown*, const char*, UpDown*, const char*> ranges[] = {
      {&form.CheckBox4, &form.UpDown4, "Edit40", &form.UpDown21, "Edit7"},
      {&form.CheckBox5, &form.UpDown5, "Edit41", &form.UpDown22, "Edit8"},
      {&form.CheckBox23, &form.UpDown11, "Edit84", &form.UpDown23, "Edit9"}};
  top = 156;
  for (const auto& [box, most, mostEdit, fewest, fewestEdit] : ranges) {
    QCheckBox* widget = options.checkBox(page, *box, 8, top);
    options.intoGaps(widget, *box, 8, top, {{most, mostEdit}, {fewest, fewestEdit}});
    top += 26;
  }

  // The extra options of the pool.
  top = 246;
  QLabel* extra = options.build().label(page, form.Label62, QRect(8, top, 200, kRowHeight));
  QFont bold = designFont();
  bold.setBold(true);
  options.build().setFont(extra, bold);
  top += 24;
  options.checkBox(page, form.CheckBox19, 8, top);
  top += 26;
  QCheckBox* lastDraws = options.checkBox(page, form.CheckBox31, 8, top);
  options.build()
      .comboBox(page, form.ComboBox3,
                OptionsPageBuilder::gapRect(form.CheckBox31.caption(),
                                            8 + checkBoxTextOffset(lastDraws), top, 0))
      ->raise();
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
  options.intoGaps(most, form.CheckBox3, 8, top, {{&form.UpDown3, "Edit39"}});
  top += 26;
  QCheckBox* fewest = options.checkBox(page, form.CheckBox24, 8, top);
  options.intoGaps(fewest, form.CheckBox24, 8, top, {{&form.UpDown1, "Edit88"}});
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
  options.build().label(page, form.Label42, QRect(8, top, 540, kRowHeight));
  options.intoGaps(page, form.Label42.caption(), 8, top,
                   {{&form.UpDown2, "Edit37"}, {&form.UpDown15, "Edit38"}});
  const std::tuple<CheckBox*, UpDown*, const char*> counts[] = {
      {&form.CheckBox22, &form.UpDown10, "Edit83"},
      {&form.CheckBox25, &form.UpDown16, "Edit89"},
      {&form.CheckBox26, &form.UpDown17, "Edit90"}};
  top = 44;
  for (const auto& [box, upDown, editName] : counts) {
    QCheckBox* widget = options.checkBox(page, *box, 8, top);
    options.intoGaps(widget, *box, 8, top, {{upDown, editName}});
    top += 26;
  }
}

void buildGeneralPage(QWidget* page, OptionsPageBuilder& options) {
  Form& form = options.build().form();
  options.checkBox(page, form.CheckBox20, 8, 8);
  options.checkBox(page, form.CheckBox15, 8, 34);
  options.build().label(page, form.Label57, QRect(8, 70, 150, kRowHeight));
  options.upDown(page, form.UpDown7, QRect(160, 69, 80, kRowHeight + 2), "Edit55");
  options.build().label(page, form.Label58, QRect(248, 70, 100, kRowHeight));
}

}  // namespace

void buildOptionsPage(QWidget* page, PageBuilder& build) {
  auto* pages = new QTabWidget(page);
  pages->setObjectName(QStringLiteral("PageControl2"));
  build.place(pages, QRect(4, 4, 566, 466));
  auto* hooks = new ArrowHooks(page, build);
  OptionsPageBuilder options(build, *hooks);
  const std::pair<const char*, const char*> tabs[] = {{"TabSheet8", "statistical"},
                                                      {"TabSheet9", "ticket optimization"},
                                                      {"TabSheet10", "mathematically"},
                                                      {"TabSheet11", "general"}};
  std::vector<QWidget*> inner;
  for (const auto& [name, caption] : tabs) {
    auto* tab = new QWidget;
    tab->setObjectName(QString::fromLatin1(name));
    pages->addTab(tab, QString::fromLatin1(caption));
    inner.push_back(tab);
  }
  buildStatisticalPage(inner[0], options);
  buildTicketPage(inner[1], options);
  buildMathematicallyPage(inner[2], options);
  buildGeneralPage(inner[3], options);
}

}  // namespace numora
