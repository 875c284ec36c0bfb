#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>

#include "app/qt/page_builder.h"
#include "app/qt/pages.h"

namespace numora {

void buildDatabasePage(QWidget* page, PageBuilder& build) {
  TForm1& form1 = build.form1();
  Form& form = build.form();

  build.datePicker(page, form.DateTimePicker1, QRect(8, 8, 120, 24));
  QToolButton* show = build.speedButton(page, form.SpeedButton5, QRect(132, 7, 26, 26),
                                        [&form1] { form1.SpeedButton5Click(); });
  show->setIcon(page->style()->standardIcon(QStyle::SP_FileDialogContentsView));
  // Two lines high, as the caption of a midday draw may not fit one.
  build.label(page, form.Label29, QRect(8, 38, 560, 36))->setWordWrap(true);

  // The update run and its stop button.
  build.button(page, form.BitBtn1, QRect(8, 80, 150, 28), nullptr);
  build.button(page, form.SpeedButton8, QRect(166, 80, 120, 28), nullptr);
  build.memo(page, form.Memo1, QRect(8, 118, 280, 90));

  // The group searches and the overdue numbers; their results show on the "Chart" tab.
  int top = 118;
  for (const Button* search : {&form.Button2, &form.Button3, &form.Button4, &form.Button5}) {
    build.button(page, *search, QRect(300, top, 130, 24), nullptr);
    top += 28;
  }

  // Hand maintenance of the draw history; the delete button runs BitBtn4Click.
  build.button(page, form.BitBtn6, QRect(8, 262, 90, 26), [&form1] { form1.BitBtn4Click(); });
  build.button(page, form.BitBtn8, QRect(104, 262, 90, 26), nullptr);
  build.button(page, form.BitBtn3, QRect(200, 262, 110, 26), nullptr);
  // Draws from a text or CSV file, for a history without a results site.
  build.button(page, form.ImportButton, QRect(316, 262, 120, 26),
               [&form1] { form1.ImportClick(); });
}

}  // namespace numora
