#include <QCoreApplication>
#include <QFont>
#include <QFrame>
#include <QKeySequence>
#include <QLabel>
#include <QListWidget>
#include <QPalette>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QStyle>
#include <QToolButton>

#include "app/qt/control_binding.h"
#include "app/qt/page_builder.h"
#include "app/qt/pages.h"
#include "app/qt/print_menu.h"

namespace numora {
namespace {

QFont boldFont(int pixelSize) {
  QFont font(QStringLiteral("Arial"));
  font.setPixelSize(pixelSize);
  font.setBold(true);
  return font;
}

void colour(QWidget* widget, QPalette::ColorRole role, const QColor& value) {
  QPalette palette = widget->palette();
  palette.setColor(role, value);
  widget->setPalette(palette);
}

// A banner: a label centred on a coloured panel; a click on either opens the product's page.
void banner(PageBuilder& build, QWidget* page, const Label& control, const char* panelName,
            const QRect& rect, const QColor& background, const QColor& text) {
  QFrame* panel = build.panel(page, panelName, rect, background);
  QLabel* label = build.label(panel, control, QRect(2, 2, rect.width() - 4, rect.height() - 4),
                              Qt::AlignCenter);
  build.setFont(label, boldFont(13));
  colour(label, QPalette::WindowText, text);
  label->setCursor(Qt::PointingHandCursor);
  panel->setCursor(Qt::PointingHandCursor);
  build.onClick(label, build.handler("Label43Click"));
  build.onClick(panel, build.handler("Label43Click"));
}

}  // namespace

void buildKenoTipsPage(QWidget* page, PageBuilder& build, QWidget* window) {
  Form& form = build.form();

  // Lottery choice, update button and cross sum.
  build.radioGroup(page, form.RadioGroup1, QRect(8, 4, 262, 44), 2,
                   build.handler("RadioGroup1Click"));
  QToolButton* update =
      build.speedButton(page, form.SpeedButton10, QRect(282, 14, 30, 30), nullptr);
  update->setIcon(page->style()->standardIcon(QStyle::SP_BrowserReload));
  update->setIconSize(QSize(22, 22));
  // In the update button's place while an update run goes: "Stop reading".
  QToolButton* stop = build.speedButton(page, form.StopUpdateButton, QRect(282, 14, 30, 30),
                                        build.handler("StopUpdateButtonClick"));
  stop->setIcon(page->style()->standardIcon(QStyle::SP_BrowserStop));
  stop->setIconSize(QSize(22, 22));
  build.label(page, form.Label13, QRect(330, 18, 200, 22));

  // The current draw between the two step buttons.
  QToolButton* previous = build.speedButton(page, form.SpeedButton6, QRect(8, 61, 24, 26),
                                            build.handler("SpeedButton6Click"));
  previous->setArrowType(Qt::LeftArrow);
  // Two lines high: a midday caption with twenty two-digit numbers is wider than the page.
  QLabel* draw = build.label(page, form.Label35, QRect(34, 54, 508, 40));
  draw->setWordWrap(true);
  // A midday caption with its twenty numbers keeps to one line at the design size.
  build.setFont(draw, boldFont(11));
  draw->setAutoFillBackground(true);
  draw->setFrameShape(QFrame::Panel);
  draw->setFrameShadow(QFrame::Sunken);
  draw->setIndent(4);
  // The sunken frame's lit edges take the page's grey: the light shade of a pale fill vanishes
  // into it, and the frame showed only its top and left edges.
  colour(draw, QPalette::Light, page->palette().color(QPalette::Mid));
  colour(draw, QPalette::Window, draw->palette().color(QPalette::ToolTipBase));
  colour(draw, QPalette::WindowText, draw->palette().color(QPalette::ToolTipText));
  QToolButton* next = build.speedButton(page, form.SpeedButton7, QRect(544, 61, 24, 26),
                                        build.handler("SpeedButton7Click"));
  next->setArrowType(Qt::RightArrow);

  // Tip list and hit list; their handlers keep the same line selected in both.
  build.label(page, form.Label25, QRect(8, 100, 150, 18));
  build.label(page, form.Label26, QRect(150, 100, 164, 18), Qt::AlignRight | Qt::AlignVCenter);
  build.listBox(page, form.ListBox1, QRect(8, 120, 256, 286));
  build.listBox(page, form.ListBox2, QRect(266, 120, 48, 286));
  // Why the last calculation found too few tips: over the foot of the lists, in the tooltip
  // colours, until the next calculation.
  QPlainTextEdit* why = build.memo(page, form.TipExplanation, QRect(8, 300, 306, 106));
  why->setProperty(kShowsModelText, true);
  colour(why, QPalette::Base, why->palette().color(QPalette::ToolTipBase));
  colour(why, QPalette::Text, why->palette().color(QPalette::ToolTipText));

  // Undo beside the list: the list before the last action that replaced it (also Ctrl+Z).
  auto* undo = new QToolButton(page);
  undo->setObjectName(QStringLiteral("UndoTips"));
  undo->setText(QCoreApplication::translate("KenoTipsPage", "Undo"));
  undo->setToolTip(
      QCoreApplication::translate("KenoTipsPage",
                                  "Bring back the tip list as it was before the last "
                                  "calculation, test, deletion or loaded file (Ctrl+Z)"));
  undo->setIcon(page->style()->standardIcon(QStyle::SP_ArrowBack));
  undo->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
  undo->setAutoRaise(true);
  build.place(undo, QRect(326, 96, 90, 24));
  build.onClick(undo, build.handler("UndoTipsClick"));
  auto* shortcut = new QShortcut(QKeySequence::Undo, window);
  QObject::connect(shortcut, &QShortcut::activated,
                   [forward = build.forward(), undoTips = build.handler("UndoTipsClick")] {
                     forward(undoTips);
                   });

  // Settings of the tip list.
  build.label(page, form.Label61, QRect(326, 122, 150, 22));
  build.upDown(page, form.UpDown18, QRect(488, 122, 80, 24), "Edit5");
  build.label(page, form.Label16, QRect(326, 154, 150, 22));
  build.upDown(page, form.UpDown8, QRect(488, 154, 80, 24), "Edit80");
  build.label(page, form.Label22, QRect(326, 186, 150, 22));
  build.upDown(page, form.UpDown9, QRect(488, 186, 80, 24), "Edit1");
  build.label(page, form.Label30, QRect(326, 218, 150, 22));
  build.comboBox(page, form.ComboBox1, QRect(488, 218, 80, 24));
  build.checkBox(page, form.CheckBox28, QRect(326, 248, 242, 22));
  build.label(page, form.Label23, QRect(326, 274, 110, 20));
  build.label(page, form.Label24, QRect(446, 274, 110, 20));

  // Editing the selected tip, deleting all tips, the evaluation of the list.
  const auto tipButton = [&](const Button& control, int left, QStyle::StandardPixmap icon) {
    QToolButton* button = build.speedButton(page, control, QRect(left, 300, 34, 34), nullptr);
    button->setIcon(page->style()->standardIcon(icon));
    button->setIconSize(QSize(24, 24));
  };
  tipButton(form.SpeedEdit, 326, QStyle::SP_FileDialogDetailedView);
  tipButton(form.SpeedButton11, 366, QStyle::SP_TrashIcon);
  tipButton(form.auswertung, 406, QStyle::SP_DialogApplyButton);

  // Tip files, the historical search, the ticket sheet and the tip distribution.
  tipButton(form.SpeedButton15, 446, QStyle::SP_DialogSaveButton);
  tipButton(form.SpeedButton16, 486, QStyle::SP_DialogOpenButton);
  tipButton(form.SpeedButton4, 526, QStyle::SP_FileDialogContentsView);
  build.button(page, form.BitBtn7, QRect(326, 340, 70, 26), nullptr);
  build.button(page, form.Button6, QRect(404, 340, 124, 26), nullptr);
  addPrintMenuButton(build, page, QRect(534, 340, 34, 26));

  // The calculation's start/stop button (its click is BitBtn19Click) and the lucky number.
  build.button(page, form.BitBtn4, QRect(326, 372, 150, 34), build.handler("BitBtn19Click"));
  build.button(page, form.SpeedButton13, QRect(482, 372, 86, 34), nullptr);

  // Banner and close button.
  banner(build, page, form.Label44, "Panel44", QRect(8, 414, 560, 26), QColor(0, 0, 128),
         Qt::white);
  banner(build, page, form.Label43, "Panel43", QRect(8, 444, 440, 26), QColor(0, 128, 128),
         Qt::yellow);
  QPushButton* close = build.button(page, form.CloseButton, QRect(456, 444, 112, 26), [] {});
  QObject::connect(close, &QPushButton::clicked, window, &QWidget::close);
}

}  // namespace numora
