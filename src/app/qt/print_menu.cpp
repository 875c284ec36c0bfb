#include "app/qt/print_menu.h"

#include <QCoreApplication>
#include <QMenu>
#include <QPainter>
#include <QPixmap>
#include <QStyle>
#include <QToolButton>

#include "app/qt/page_builder.h"

namespace numora {

namespace {

// A small printer: the body, the paper coming out on top and the tray's slot.
QIcon printerIcon() {
  QPixmap pixmap(20, 20);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setPen(QColor(60, 60, 60));
  painter.setBrush(Qt::white);
  painter.drawRect(5, 1, 10, 8);
  painter.setBrush(QColor(120, 120, 120));
  painter.drawRoundedRect(1, 8, 18, 8, 2, 2);
  painter.setBrush(Qt::white);
  painter.drawRect(5, 13, 10, 6);
  return QIcon(pixmap);
}

}  // namespace

QToolButton* addPrintMenuButton(PageBuilder& build, QWidget* parent, const QRect& rect) {
  QToolButton* button = build.speedButton(parent, build.form().PrintButton, rect, [] {});
  button->setIcon(QIcon::fromTheme(QStringLiteral("document-print"), printerIcon()));
  button->setPopupMode(QToolButton::InstantPopup);
  auto* menu = new QMenu(button);
  menu->setObjectName(QStringLiteral("PrintMenu"));
  TForm1& form1 = build.form1();
  const auto item = [&](const QString& text, void (TForm1::*handler)()) {
    QAction* action = menu->addAction(text);
    QObject::connect(action, &QAction::triggered, [forward = build.forward(), &form1, handler] {
      forward([&form1, handler] { (form1.*handler)(); });
    });
  };
  item(QCoreApplication::translate("PrintMenu", "Print tips…"), &TForm1::PrintTipsClick);
  item(QCoreApplication::translate("PrintMenu", "Save tips as PDF…"), &TForm1::PrintTipsPdfClick);
  menu->addSeparator();
  item(QCoreApplication::translate("PrintMenu", "Print ticket sheet…"),
       &TForm1::PrintTicketSheetClick);
  item(QCoreApplication::translate("PrintMenu", "Save ticket sheet as PDF…"),
       &TForm1::PrintTicketSheetPdfClick);
  menu->addSeparator();
  item(QCoreApplication::translate("PrintMenu", "Print evaluation…"),
       &TForm1::PrintEvaluationClick);
  item(QCoreApplication::translate("PrintMenu", "Save evaluation as PDF…"),
       &TForm1::PrintEvaluationPdfClick);
  menu->addSeparator();
  item(QCoreApplication::translate("PrintMenu", "Print back-test report…"),
       &TForm1::PrintBacktestClick);
  item(QCoreApplication::translate("PrintMenu", "Save back-test report as PDF…"),
       &TForm1::PrintBacktestPdfClick);
  button->setMenu(menu);
  return button;
}

QToolButton* addSaveChartButton(PageBuilder& build, QWidget* parent, const QRect& rect) {
  TForm1& form1 = build.form1();
  QToolButton* button = build.speedButton(parent, build.form().SaveChartButton, rect,
                                          [&form1] { form1.SaveChartClick(); });
  button->setIcon(parent->style()->standardIcon(QStyle::SP_DialogSaveButton));
  return button;
}

}  // namespace numora
