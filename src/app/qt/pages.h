// The tab pages of the main window, each filled with its widgets at their designed places.
#pragma once

class QWidget;

namespace numora {

class PageBuilder;

// "Keno-Tips": lottery, current draw, tip list and hit list with their settings, banner, close.
// `close` closes the main window.
void buildKenoTipsPage(QWidget* page, PageBuilder& build, QWidget* window);
// "Options": the generator options on the pages "statistical", "ticket optimization",
// "mathematically" and "general".
void buildOptionsPage(QWidget* page, PageBuilder& build);
// "Chart": the statistics buttons and the start date of their window above the chart.
void buildChartPage(QWidget* page, PageBuilder& build);
// "Database": the picked date, the draw caption, the update buttons, the memo and the
// group searches.
void buildDatabasePage(QWidget* page, PageBuilder& build);
// "Odds": the chance of each hit count, its prize and the expected return of one tip.
void buildOddsPage(QWidget* page, PageBuilder& build);
// "Internet-Options": the proxy and the web-address labels.
void buildInternetPage(QWidget* page, PageBuilder& build);

}  // namespace numora
