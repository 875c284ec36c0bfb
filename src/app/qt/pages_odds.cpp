#include <QLabel>
#include <QPlainTextEdit>

#include "app/qt/page_builder.h"
#include "app/qt/pages.h"

namespace numora {

void buildOddsPage(QWidget* page, PageBuilder& build) {
  Form& form = build.form();

  build.label(page, form.OddsTitle, QRect(8, 8, 560, 20));
  build.checkBox(page, form.OddsAllSizesCheckBox, QRect(8, 32, 300, 22));
  build.grid(page, form.OddsGrid, QRect(8, 60, 560, 330));
  // The summaries are sentences; they wrap rather than hide behind a scroll bar.
  build.memo(page, form.OddsMemo, QRect(8, 398, 560, 76))
      ->setLineWrapMode(QPlainTextEdit::WidgetWidth);

  // Beside the odds: the last back-test's hit counts against chance, and the test's verdict.
  build.label(page, form.ChanceTitle, QRect(580, 8, 560, 20))->setWordWrap(true);
  build.grid(page, form.ChanceGrid, QRect(580, 32, 400, 250));
  build.memo(page, form.ChanceMemo, QRect(580, 290, 560, 184))
      ->setLineWrapMode(QPlainTextEdit::WidgetWidth);
}

}  // namespace numora
