#include "app/qt/report_window.h"

#include "app/qt/view_translation.h"

#include <QCloseEvent>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace numora {

ReportWindow::ReportWindow(QWidget* owner, TForm1& form1, ControlBinding& binding, Forward forward)
    : QWidget(owner, Qt::Window), form1_(form1), forward_(std::move(forward)) {
  Form& form = form1_.form;
  setObjectName(QStringLiteral("ReportWindow"));
  setWindowTitle(viewText(form.ReportWindow.caption()));
  binding.bind(form.ReportWindow, this);

  auto* heading = bound(binding, form.ReportTitle, new QLabel(this));
  heading->setWordWrap(true);
  heading->setTextInteractionFlags(Qt::TextSelectableByMouse);
  QFont bold = heading->font();
  bold.setBold(true);
  heading->setFont(bold);

  auto* report = bound(binding, form.ReportMemo, new QPlainTextEdit(this));
  report->setReadOnly(true);
  report->setLineWrapMode(QPlainTextEdit::NoWrap);
  report->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));

  auto* open = bound(binding, form.ReportOpenButton, new QPushButton(this));
  auto* save = bound(binding, form.ReportSaveButton, new QPushButton(this));
  connect(open, &QPushButton::clicked, this,
          [this] { forward_([this] { form1_.ReportOpenButtonClick(); }); });
  connect(save, &QPushButton::clicked, this,
          [this] { forward_([this] { form1_.ReportSaveButtonClick(); }); });

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(open);
  buttons->addWidget(save);
  buttons->addStretch();
  auto* column = new QVBoxLayout(this);
  column->addWidget(heading);
  column->addWidget(report, 1);
  column->addLayout(buttons);
  resize(760, 520);
}

void ReportWindow::closeEvent(QCloseEvent* event) {
  // Closed by the user: the model follows, so the next report shows the window again.
  forward_([this] { form1_.form.ReportWindow.setVisible(false); });
  event->accept();
}

}  // namespace numora
