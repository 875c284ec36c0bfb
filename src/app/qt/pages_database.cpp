#include <QFont>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>

#include "app/qt/page_builder.h"
#include "app/qt/pages.h"

namespace numora {

void buildDatabasePage(QWidget* page, PageBuilder& build) {
  Form& form = build.form();

  build.datePicker(page, form.DateTimePicker1, QRect(8, 8, 120, 24));
  QToolButton* show = build.speedButton(page, form.SpeedButton5, QRect(132, 7, 26, 26),
                                        build.handler("SpeedButton5Click"));
  show->setIcon(page->style()->standardIcon(QStyle::SP_FileDialogContentsView));
  // Two lines high, as the caption of a midday draw may not fit one.
  QLabel* caption = build.label(page, form.Label29, QRect(8, 38, 560, 36));
  caption->setWordWrap(true);
  // A midday caption with its twenty numbers keeps to one line at the design size.
  QFont captionFont = caption->font();
  captionFont.setPixelSize(12);
  build.setFont(caption, captionFont);

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

  // Hand maintenance of the draw history, in the room the hidden page text leaves; the delete
  // button runs BitBtn4Click.
  build.button(page, form.BitBtn6, QRect(8, 118, 90, 26), build.handler("BitBtn4Click"));
  build.button(page, form.BitBtn8, QRect(104, 118, 90, 26), nullptr);
  build.button(page, form.BitBtn3, QRect(8, 150, 140, 26), nullptr);
  // Draws from a text or CSV file, for a history without a results site.
  build.button(page, form.ImportButton, QRect(154, 150, 134, 26), build.handler("ImportClick"));

  // The back-tests from the picked date on: the tip success tests, then the recurrence tests.
  build.label(page, form.TipTestsLabel, QRect(8, 234, 560, 18));
  build.button(page, form.BitBtn9, QRect(8, 254, 560, 24), nullptr);
  build.button(page, form.Erfolgstest, QRect(8, 280, 560, 24), nullptr);
  build.label(page, form.RecurrenceTestsLabel, QRect(8, 308, 560, 18));
  top = 328;
  for (const Button* test :
       {&form.Button7, &form.Button8, &form.Button9, &form.Button10, &form.Button11}) {
    build.button(page, *test, QRect(8, top, 560, 24), nullptr);
    top += 26;
  }
}

}  // namespace numora
