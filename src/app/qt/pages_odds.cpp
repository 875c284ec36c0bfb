#include <QFrame>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QVBoxLayout>

#include "app/qt/page_builder.h"
#include "app/qt/pages.h"

namespace numora {
namespace {

// One table of a tip size is eleven rows at most (0..10 hits) under its column titles: the grids
// are that high, so a table and its summary read without a scroll bar of their own.
constexpr int kGridHeight = 244;
// Three lines of summary: the longest (every tip size) wraps to three at the design size.
constexpr int kMemoHeight = 56;
constexpr int kWidth = 536;
constexpr int kChanceTop = 50 + kGridHeight + kMemoHeight + 8;
constexpr int kContentHeight = kChanceTop + 40 + kGridHeight + 8;

}  // namespace

void buildOddsPage(QWidget* page, PageBuilder& build) {
  Form& form = build.form();

  // The tab is one page that scrolls as a whole: at the design size the odds of a tip size and
  // their summary fit, the back-test's comparison follows below.
  auto* scroll = new QScrollArea(page);
  scroll->setObjectName(QStringLiteral("OddsScrollArea"));
  scroll->setFrameShape(QFrame::NoFrame);
  scroll->setWidgetResizable(false);
  auto* layout = new QVBoxLayout(page);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(scroll);
  auto* content = new QWidget;
  content->setObjectName(QStringLiteral("OddsContent"));

  build.label(content, form.OddsTitle, QRect(8, 4, kWidth, 18));
  build.checkBox(content, form.OddsAllSizesCheckBox, QRect(8, 24, 300, 20));
  build.grid(content, form.OddsGrid, QRect(8, 46, kWidth, kGridHeight));
  // The summaries are sentences; they wrap rather than hide behind a scroll bar.
  build.memo(content, form.OddsMemo, QRect(8, 50 + kGridHeight, kWidth, kMemoHeight))
      ->setLineWrapMode(QPlainTextEdit::WidgetWidth);

  // Below the odds: the last back-test's hit counts against chance, and the test's verdict.
  build.label(content, form.ChanceTitle, QRect(8, kChanceTop, kWidth, 36))->setWordWrap(true);
  build.grid(content, form.ChanceGrid, QRect(8, kChanceTop + 40, 262, kGridHeight));
  build.memo(content, form.ChanceMemo, QRect(276, kChanceTop + 40, kWidth - 268, kGridHeight))
      ->setLineWrapMode(QPlainTextEdit::WidgetWidth);

  build.place(content, QRect(0, 0, kWidth + 16, kContentHeight));
  scroll->setWidget(content);
}

}  // namespace numora
