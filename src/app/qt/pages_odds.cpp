#include <QLabel>
#include <QPlainTextEdit>

#include "app/qt/page_builder.h"
#include "app/qt/pages.h"

namespace numora {

void buildOddsPage(QWidget* page, PageBuilder& build) {
  Form& form = build.form();

  build.label(page, form.OddsTitle, QRect(8, 4, 560, 18));
  build.checkBox(page, form.OddsAllSizesCheckBox, QRect(8, 24, 300, 20));
  build.grid(page, form.OddsGrid, QRect(8, 46, 560, 170));
  // The summaries are sentences; they wrap rather than hide behind a scroll bar.
  build.memo(page, form.OddsMemo, QRect(8, 220, 560, 46))
      ->setLineWrapMode(QPlainTextEdit::WidgetWidth);

  // Below the odds: the last back-test's hit counts against chance, and the test's verdict.
  build.label(page, form.ChanceTitle, QRect(8, 270, 560, 32))->setWordWrap(true);
  build.grid(page, form.ChanceGrid, QRect(8, 304, 270, 170));
  build.memo(page, form.ChanceMemo, QRect(284, 304, 284, 170))
      ->setLineWrapMode(QPlainTextEdit::WidgetWidth);
}

}  // namespace numora
