// The Qt platform services: dialogs as the form asks for them, the clock and the day names,
// the wait cursor, sound and the helpers that translate the form's conventions for Qt.
#include <QApplication>
#include <QAudioDevice>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QLocale>
#include <QMediaDevices>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QtEndian>
#include <functional>

#include "app/number_choice_form.h"
#include "app/qt/date_conversion.h"
#include "app/qt/desktop_url.h"
#include "app/qt/file_filter.h"
#include "app/qt/qt_platform.h"
#include "app/qt/sound_player.h"
#include "app/qt/zahlenwahl_dialog.h"

namespace numora {
namespace {

// Answers the next modal dialog once it is open.
template <typename Dialog>
void answerNextDialog(std::function<void(Dialog*)> answer) {
  QTimer::singleShot(0, [answer] {
    auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
    QVERIFY(dialog);
    answer(dialog);
  });
}

}  // namespace

class QtPlatformTest : public QObject {
  Q_OBJECT

 private slots:
  void fileFiltersTakeQtsForm_data();
  void fileFiltersTakeQtsForm();
  void targetsOpenAsAddressOrFile_data();
  void targetsOpenAsAddressOrFile();
  void dayCountsMatchTheCalendar_data();
  void dayCountsMatchTheCalendar();
  void nowIsTheLocalDateAndTime();
  void weekdayNamesStartOnSunday();
  void waitCursorIsNeverStacked();
  void messageBoxCarriesTheApplicationTitle();
  void cancelledInputBoxReturnsThePreset();
  void acceptedInputBoxReturnsTheAnswer();
  void fileDialogUsesFilterAndDefaultExtension();
  void cancelledFileDialogGivesNoPath();
  void numberChoiceDialogWithoutItsModelIsCancelled();
  void numberChoiceDialogReportsHowItClosed_data();
  void numberChoiceDialogReportsHowItClosed();
  void repaintAndProcessEventsReachTheirTargets();
  void soundIsSkippedWithoutFileOrDevice();
};

void QtPlatformTest::fileFiltersTakeQtsForm_data() {
  QTest::addColumn<QString>("filter");
  QTest::addColumn<QString>("expected");
  QTest::newRow("one pair") << "Tipfile|*.hlt"
                            << "Tipfile (*.hlt)";
  QTest::newRow("two pairs") << "Werteliste|*.hlw|Text|*.txt"
                             << "Werteliste (*.hlw);;Text (*.txt)";
  QTest::newRow("several patterns") << "Text|*.txt;*.csv"
                                    << "Text (*.txt *.csv)";
  QTest::newRow("no pattern") << "All"
                              << "All (*)";
  QTest::newRow("empty") << ""
                         << "";
}

void QtPlatformTest::fileFiltersTakeQtsForm() {
  QFETCH(QString, filter);
  QFETCH(QString, expected);
  QCOMPARE(toQtFileFilter(filter.toStdString()), expected);
}

void QtPlatformTest::targetsOpenAsAddressOrFile_data() {
  QTest::addColumn<QString>("target");
  QTest::addColumn<QUrl>("expected");
  QTest::newRow("web address") << "https://www.veltrin.example/numora-canada"
                               << QUrl("https://www.veltrin.example/numora-canada");
  QTest::newRow("mail") << "mailto:info@veltrin.example" << QUrl("mailto:info@veltrin.example");
  QTest::newRow("host without scheme")
      << "www.veltrin.example" << QUrl("http://www.veltrin.example");
  QTest::newRow("file") << "/home/user/Numora/Tipp.txt"
                        << QUrl::fromLocalFile("/home/user/Numora/Tipp.txt");
  QTest::newRow("file with blank")
      << "/tmp/my tips/Analyse.txt" << QUrl::fromLocalFile("/tmp/my tips/Analyse.txt");
  QTest::newRow("drive letter") << "C:/Numora/Tipp.txt"
                                << QUrl::fromLocalFile("C:/Numora/Tipp.txt");
}

void QtPlatformTest::targetsOpenAsAddressOrFile() {
  QFETCH(QString, target);
  QFETCH(QUrl, expected);
  QCOMPARE(desktopUrl(target.toStdString()), expected);
}

void QtPlatformTest::dayCountsMatchTheCalendar_data() {
  QTest::addColumn<QDateTime>("dateTime");
  QTest::addColumn<double>("dayCount");
  QTest::newRow("day zero") << QDateTime(QDate(1899, 12, 30), QTime(0, 0)) << 0.0;
  QTest::newRow("noon of day two") << QDateTime(QDate(1900, 1, 1), QTime(12, 0)) << 2.5;
  QTest::newRow("first Keno Atlantic draw")
      << QDateTime(QDate(2001, 10, 22), QTime(0, 0)) << 37186.0;
  QTest::newRow("evening") << QDateTime(QDate(2023, 5, 5), QTime(18, 0))
                           << encodeDate(2023, 5, 5) + 0.75;
}

void QtPlatformTest::dayCountsMatchTheCalendar() {
  QFETCH(QDateTime, dateTime);
  QFETCH(double, dayCount);
  QCOMPARE(toDayCount(dateTime), dayCount);
  QCOMPARE(toQDate(dayCount), dateTime.date());
  QCOMPARE(toDayCount(dateTime.date()), std::floor(dayCount));
}

void QtPlatformTest::nowIsTheLocalDateAndTime() {
  QtPlatform platform;
  const DayCount before = toDayCount(QDateTime::currentDateTime());
  const DayCount now = platform.now();
  const DayCount after = toDayCount(QDateTime::currentDateTime());
  QVERIFY(before <= now && now <= after);
  QCOMPARE(platform.today(), std::floor(now));
}

void QtPlatformTest::weekdayNamesStartOnSunday() {
  QtPlatform platform;
  const QLocale locale = QLocale::system();
  const WeekdayNames shortNames = platform.shortDayNames();
  const WeekdayNames longNames = platform.longDayNames();
  // Index 0 is Sunday, which Qt counts as day 7.
  QCOMPARE(QString::fromStdString(shortNames[0]), locale.dayName(7, QLocale::ShortFormat));
  QCOMPARE(QString::fromStdString(longNames[0]), locale.dayName(7, QLocale::LongFormat));
  QCOMPARE(QString::fromStdString(shortNames[1]), locale.dayName(1, QLocale::ShortFormat));
  QCOMPARE(QString::fromStdString(longNames[6]), locale.dayName(6, QLocale::LongFormat));
  // 05.05.2023 was a Friday: its weekday index picks Friday's name.
  QCOMPARE(QString::fromStdString(longNames[weekdayIndex(encodeDate(2023, 5, 5))]),
           locale.dayName(5, QLocale::LongFormat));
}

void QtPlatformTest::waitCursorIsNeverStacked() {
  {
    QtPlatform platform;
    platform.setWaitCursor(true);
    platform.setWaitCursor(true);
    QVERIFY(QApplication::overrideCursor());
    QCOMPARE(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    platform.setWaitCursor(false);
    QVERIFY(!QApplication::overrideCursor());
    platform.setWaitCursor(false);
    QVERIFY(!QApplication::overrideCursor());
    platform.setWaitCursor(true);
  }
  // A platform that goes away with the cursor on gives it back.
  QVERIFY(!QApplication::overrideCursor());
}

void QtPlatformTest::messageBoxCarriesTheApplicationTitle() {
  QtPlatform platform;
  QString title;
  QString text;
  answerNextDialog<QMessageBox>([&](QMessageBox* box) {
    title = box->windowTitle();
    text = box->text();
    QCOMPARE(box->standardButtons(), QMessageBox::Ok);
    box->accept();
  });
  platform.showMessage("First read the data of draws");
  // The short name: a narrow box would show the long title cut in the middle.
  QCOMPARE(title, QStringLiteral("Numora"));
  QCOMPARE(text, QStringLiteral("First read the data of draws"));
}

void QtPlatformTest::cancelledInputBoxReturnsThePreset() {
  QtPlatform platform;
  QString label;
  answerNextDialog<QInputDialog>([&](QInputDialog* dialog) {
    label = dialog->labelText();
    dialog->setTextValue(QStringLiteral("typed but cancelled"));
    dialog->reject();
  });
  QCOMPARE(platform.inputBox("Lucky number", "Enter a number", "4711"), std::string("4711"));
  QCOMPARE(label, QStringLiteral("Enter a number"));
}

void QtPlatformTest::acceptedInputBoxReturnsTheAnswer() {
  QtPlatform platform;
  answerNextDialog<QInputDialog>([](QInputDialog* dialog) {
    dialog->setTextValue(QStringLiteral("815"));
    dialog->accept();
  });
  QCOMPARE(platform.inputBox("Lucky number", "Enter a number", "4711"), std::string("815"));
}

void QtPlatformTest::fileDialogUsesFilterAndDefaultExtension() {
  QTemporaryDir folder;
  QVERIFY(folder.isValid());
  QtPlatform platform;
  QStringList filters;
  QString suffix;
  answerNextDialog<QFileDialog>([&](QFileDialog* dialog) {
    filters = dialog->nameFilters();
    suffix = dialog->defaultSuffix();
    dialog->setDirectory(folder.path());
    dialog->selectFile(QStringLiteral("mytips"));
    // QFileDialog::accept is protected; the dialog's own slot is reached through QDialog.
    static_cast<QDialog*>(dialog)->accept();
  });
  const auto path = platform.saveFileDialog({"Tipfile|*.hlt", "hlt", "Tipps"});
  QCOMPARE(filters, QStringList{QStringLiteral("Tipfile (*.hlt)")});
  QCOMPARE(suffix, QStringLiteral("hlt"));
  QVERIFY(path.has_value());
  QCOMPARE(QString::fromStdString(*path), QDir(folder.path()).filePath("mytips.hlt"));
}

void QtPlatformTest::cancelledFileDialogGivesNoPath() {
  QtPlatform platform;
  answerNextDialog<QFileDialog>([](QFileDialog* dialog) { dialog->reject(); });
  QVERIFY(!platform.openFileDialog({"Werteliste|*.hlw", "hlw", ""}).has_value());
}

void QtPlatformTest::numberChoiceDialogWithoutItsModelIsCancelled() {
  // Without the dialog's model nothing can be chosen: cancelled.
  QtPlatform platform;
  QCOMPARE(platform.showNumberChoiceDialog(), ModalResult::Cancel);
}

void QtPlatformTest::numberChoiceDialogReportsHowItClosed_data() {
  QTest::addColumn<QString>("how");
  QTest::addColumn<bool>("editButtons");
  QTest::addColumn<int>("result");
  QTest::newRow("OK") << "BitBtn1" << true << static_cast<int>(ModalResult::Ok);
  QTest::newRow("Enter under Calculate") << "Enter" << false << static_cast<int>(ModalResult::Ok);
  QTest::newRow("Abort") << "BitBtn2" << false << static_cast<int>(ModalResult::Abort);
  QTest::newRow("Calculate") << "BitBtn3" << false << static_cast<int>(ModalResult::Retry);
  QTest::newRow("close box") << "close" << false << static_cast<int>(ModalResult::Cancel);
}

void QtPlatformTest::numberChoiceDialogReportsHowItClosed() {
  QFETCH(QString, how);
  QFETCH(bool, editButtons);
  QFETCH(int, result);
  QWidget window;
  window.show();
  TForm6 model;
  model.useEditButtons(editButtons);
  QtPlatform platform;
  platform.setDialogParent(&window);
  platform.setNumberChoiceDialog(&model);
  // A caller's wait cursor gives way to the normal one while the dialog waits for the user.
  platform.setWaitCursor(true);

  // What the open dialog shows is noted first and compared after it closed: a failed check
  // inside would leave the modal loop running.
  bool answered = false;
  QWidget* parent = nullptr;
  bool normalCursor = false;
  bool randomHidden = false;
  answerNextDialog<ZahlenwahlDialog>([&](ZahlenwahlDialog* dialog) {
    answered = true;
    parent = dialog->parentWidget();
    normalCursor = QApplication::overrideCursor() == nullptr;
    randomHidden = dialog->findChild<QPushButton*>("BitBtn4")->isHidden();
    if (how == "close") {
      dialog->close();
    } else if (how == "Enter") {
      QTest::keyClick(dialog, Qt::Key_Return);
    } else {
      QTest::mouseClick(dialog->findChild<QPushButton*>(how), Qt::LeftButton);
    }
  });
  QCOMPARE(static_cast<int>(platform.showNumberChoiceDialog()), result);
  QVERIFY(answered);
  QCOMPARE(parent, &window);
  QVERIFY(normalCursor);
  QCOMPARE(randomHidden, !editButtons);
  QVERIFY(QApplication::overrideCursor());
  QCOMPARE(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
  platform.setWaitCursor(false);
  QCOMPARE(QApplication::overrideCursor(), nullptr);
}

void QtPlatformTest::repaintAndProcessEventsReachTheirTargets() {
  QtPlatform platform;
  int repaints = 0;
  platform.setRepaintHandler([&repaints] { ++repaints; });
  platform.repaint();
  QCOMPARE(repaints, 1);

  bool posted = false;
  QTimer::singleShot(0, [&posted] { posted = true; });
  platform.processEvents();
  QVERIFY(posted);
}

void QtPlatformTest::soundIsSkippedWithoutFileOrDevice() {
  QTemporaryDir folder;
  QVERIFY(folder.isValid());
  SoundPlayer player;
  QVERIFY(!player.play(QDir(folder.path()).filePath("yippee.wav").toStdString()));

  // A short silent wave file: played only where an audio device exists, never waited for.
  QFile wave(QDir(folder.path()).filePath("yippee.wav"));
  QVERIFY(wave.open(QIODevice::WriteOnly));
  const QByteArray samples(800, '\0');
  QByteArray header("RIFF");
  const auto le32 = [](quint32 v) {
    v = qToLittleEndian(v);
    return QByteArray(reinterpret_cast<const char*>(&v), 4);
  };
  const auto le16 = [](quint16 v) {
    v = qToLittleEndian(v);
    return QByteArray(reinterpret_cast<const char*>(&v), 2);
  };
  header += le32(36 + samples.size()) + "WAVEfmt " + le32(16) + le16(1) + le16(1) + le32(8000) +
            le32(16000) + le16(2) + le16(16) + "data" + le32(samples.size());
  wave.write(header + samples);
  wave.close();
  const bool device = !QMediaDevices::audioOutputs().isEmpty();
  QCOMPARE(player.play(wave.fileName().toStdString()), device);
  // A second start while the first may still play restarts it instead of failing.
  QCOMPARE(player.play(wave.fileName().toStdString()), device);
}

}  // namespace numora

QTEST_MAIN(numora::QtPlatformTest)
#include "qt_platform_test.moc"
