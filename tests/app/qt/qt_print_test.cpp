// The print menu of the "Keno-Tips" page, the "Save chart as…" button, and the painter of the
// playslips: the menu's entries reach their handlers, a PDF and an image are written, and a
// marked number is painted filled.
#include "window_fixture.h"

#include <fcntl.h>
#include <unistd.h>

#include <QAction>
#include <QFile>
#include <QImage>
#include <QMenu>
#include <QPainter>
#include <QToolButton>

#include "app/print_layout.h"
#include "app/qt/chart_image.h"
#include "app/qt/document_painter.h"
#include "support/fifo_guard.h"
#include "support/full_disk.h"
#include "support/temp_home.h"

namespace numora::test {

class QtPrintTest : public QObject {
  Q_OBJECT

 private slots:
  void menuEntriesRunTheirHandlers() {
    Window window(dailyKenoDraws());
    QVERIFY(window.show());
    window.platform.pdfWriter = [](const PrintDocument& document, const std::string& path) {
      writePdfFile(document, QString::fromStdString(path));
    };
    window.form().ListBox1.add("1,2,3,4,5");
    auto* button = window.widget<QToolButton>("PrintButton");
    QVERIFY(button);
    QVERIFY(button->isVisible());
    QMenu* menu = button->menu();
    QVERIFY(menu);
    QStringList entries;
    for (QAction* action : menu->actions()) {
      if (!action->isSeparator()) entries << action->text();
    }
    QCOMPARE(entries, QStringList({"Print tips…", "Save tips as PDF…", "Print ticket sheet…",
                                   "Save ticket sheet as PDF…", "Print evaluation…",
                                   "Save evaluation as PDF…", "Print back-test report…",
                                   "Save back-test report as PDF…"}));

    const std::string path = window.home.file("tips.pdf").string();
    window.platform.queueFile(path);
    menu->actions().at(1)->trigger();
    QFile pdf(QString::fromStdString(path));
    QVERIFY(pdf.open(QIODevice::ReadOnly));
    QCOMPARE(pdf.read(5), QByteArray("%PDF-"));

    menu->actions().at(0)->trigger();
    QCOMPARE(window.platform.printed().size(), std::size_t{1});
    QCOMPARE(window.platform.printed()[0].pages[0].grids.size(), std::size_t{1});
  }

  void saveChartButtonWritesTheImageAtItsSize() {
    Window window(dailyKenoDraws());
    QVERIFY(window.show());
    window.platform.chartWriter = [](const Chart& chart, const std::string& path, ImageSize size) {
      saveChartImageFile(chart, QString::fromStdString(path), size);
    };
    window.form1->handle([&] { window.form1->SpeedButton2Click(); });
    const std::string path = window.home.file("chart.png").string();
    window.platform.queueFile(path);
    window.platform.queueImageSize(ImageSize{500, 320});
    auto* button = window.widget<QToolButton>("SaveChartButton");
    QVERIFY(button);
    button->click();
    const QImage image(QString::fromStdString(path));
    QCOMPARE(image.size(), QSize(500, 320));
  }

  // A printout or an image goes to the disk whole or not at all: a device or a pipe in the
  // file's place is refused before anything is written, a full disk leaves the old file.
  void filesThatCannotBeWrittenAreRefusedAndLeaveNoHalfFile() {
    const PrintDocument document =
        layoutTipSlips({"Keno Atlantic", "Friday 16.06.2023", 1, {{1, 70}}}, PaperSize::A4);
    const Chart chart(nullptr, "Chart1");
    const std::vector<std::pair<std::string, std::function<void(const std::string&)>>> writers{
        {"tips.pdf",
         [&](const std::string& path) { writePdfFile(document, QString::fromStdString(path)); }},
        {"chart.png",
         [&](const std::string& path) {
           saveChartImageFile(chart, QString::fromStdString(path), ImageSize{200, 120});
         }},
        {"chart.svg",
         [&](const std::string& path) {
           saveChartImageFile(chart, QString::fromStdString(path), ImageSize{200, 120});
         }},
    };
    for (const auto& [name, write] : writers) {
      TempHome home;
      const std::filesystem::path node = home.file(name);
      const std::filesystem::file_type kind = makeDeviceOrFifo(node);
      // Whatever an old writer did, it finds a reader and cannot wait for one.
      const int reader = ::open(node.c_str(), O_RDONLY | O_NONBLOCK);
      bool refused = false;
      try {
        write(node.string());
      } catch (const std::exception&) {
        refused = true;
      }
      if (reader >= 0) ::close(reader);
      QVERIFY2(refused, name.c_str());
      QCOMPARE(std::filesystem::symlink_status(node).type(), kind);

      std::filesystem::remove(node);
      home.writeBytes(name, "old");
      refused = false;
      {
        FullDisk full;
        try {
          write(node.string());
        } catch (const std::exception&) {
          refused = true;
        }
      }
      QVERIFY2(refused, name.c_str());
      QCOMPARE(home.readBytes(name), std::string("old"));
      QCOMPARE(std::distance(std::filesystem::directory_iterator(home.path()),
                             std::filesystem::directory_iterator()),
               std::ptrdiff_t{1});
    }
  }

  void markedNumbersArePaintedFilled() {
    const PrintDocument document =
        layoutTipSlips({"Keno Atlantic", "Friday 16.06.2023", 1, {{1, 70}}}, PaperSize::A4);
    const double dotsPerInch = 144;
    QImage page(static_cast<int>(document.pageWidth * 2), static_cast<int>(document.pageHeight * 2),
                QImage::Format_RGB32);
    page.fill(Qt::white);
    {
      QPainter painter(&page);
      paintPage(painter, document.pages[0], dotsPerInch);
    }
    const PlacedGrid& grid = document.pages[0].grids[0];
    const double cell = grid.box.width / grid.columns;
    // A point near a cell's corner, away from the number drawn in its middle.
    const auto corner = [&](int number) {
      const int row = (number - 1) / grid.columns;
      const int column = (number - 1) % grid.columns;
      return page.pixelColor(static_cast<int>((grid.box.x + column * cell + 2) * 2),
                             static_cast<int>((grid.box.y + row * cell + 2) * 2));
    };
    QVERIFY(corner(1).lightness() < 60);
    QVERIFY(corner(70).lightness() < 60);
    QVERIFY(corner(2).lightness() > 200);
    QVERIFY(corner(69).lightness() > 200);
  }

  void screenshotsOfTheButtons() {
    Window window(dailyKenoDraws());
    QVERIFY(window.show());
    const QString folder = qEnvironmentVariable("NUMORA_SCREENSHOTS");
    if (folder.isEmpty()) QSKIP("NUMORA_SCREENSHOTS names no folder");
    QVERIFY(window.view->grab().save(folder + "/print-button.png"));
    window.showPage("TabSheet5");
    QVERIFY(window.view->grab().save(folder + "/save-chart-button.png"));
  }
};

}  // namespace numora::test

QTEST_MAIN(numora::test::QtPrintTest)
#include "qt_print_test.moc"
