#include "form/form.h"

#include "common/translatable.h"

namespace numora {
Form::Form() {
  RadioGroup1.setCaption(NUMORA_TRANSLATABLE("Numora", "Keno Lottery"));
  Label35.setCaption("");
  Label13.setCaption(NUMORA_TRANSLATABLE("Numora", "Summer cross"));
  SpeedButton10.setHint(
      NUMORA_TRANSLATABLE("Numora", "Updating the lottery numbers from the Internet"));
  StopUpdateButton.setHint(NUMORA_TRANSLATABLE("Numora", "Stop reading"));
  StopUpdateButton.setVisible(false);
  SpeedButton6.setHint(NUMORA_TRANSLATABLE("Numora", "previous draw"));
  SpeedButton7.setHint(NUMORA_TRANSLATABLE("Numora", "next draw"));

  Label25.setCaption(NUMORA_TRANSLATABLE("Numora", "Tip series"));
  Label26.setCaption(NUMORA_TRANSLATABLE("Numora", "properly             "));
  Label61.setCaption(NUMORA_TRANSLATABLE("Numora", "Numbers per Tip"));
  Label16.setCaption(NUMORA_TRANSLATABLE("Numora", "Tips per ticket"));
  Label22.setCaption(NUMORA_TRANSLATABLE("Numora", "Total Tips"));
  Label22.setHint(NUMORA_TRANSLATABLE("Numora", "Wieviele Tipps wollen Sie berechnen?"));
  Label30.setCaption(NUMORA_TRANSLATABLE("Numora", "Cost per Tip"));
  CheckBox28.setCaption(NUMORA_TRANSLATABLE("Numora", "Delete before calculating"));
  CheckBox28.setHint(NUMORA_TRANSLATABLE("Numora", "Delete before calculating"));
  Label23.setCaption(NUMORA_TRANSLATABLE("Numora", "1. ticket"));
  Label24.setCaption(NUMORA_TRANSLATABLE("Numora", "1. tip"));
  Label43.setCaption("w w w . v e l t r i n . e x a m p l e");
  Label44.setCaption("    N U M O R A   C a n a d a     V  2 . 2");
  SpeedEdit.setHint(NUMORA_TRANSLATABLE("Numora", "numbers of the selected editing tips"));
  SpeedButton11.setHint(NUMORA_TRANSLATABLE("Numora", "Delete all tips"));
  auswertung.setHint(NUMORA_TRANSLATABLE("Numora", "Auswertung und Ermittlung der Gewinnsumme"));
  BitBtn4.setCaption(NUMORA_TRANSLATABLE("Numora", "calculate Tips "));
  BitBtn4.setHint(NUMORA_TRANSLATABLE("Numora", "start Tips calculate"));
  SpeedButton13.setCaption(NUMORA_TRANSLATABLE("Numora", "Lucky Number"));
  SpeedButton13.setHint(NUMORA_TRANSLATABLE("Numora", "set lucky number"));
  SpeedButton15.setHint(NUMORA_TRANSLATABLE("Numora", "Saving Tips calculated in a file"));
  SpeedButton16.setHint(NUMORA_TRANSLATABLE("Numora", "Load the file of a Tips"));
  BitBtn7.setCaption(NUMORA_TRANSLATABLE("Numora", "Tip"));
  Button6.setCaption(NUMORA_TRANSLATABLE("Numora", "Tip distribution"));
  Button6.setHint(NUMORA_TRANSLATABLE("Numora", "Tip distribution"));
  PrintButton.setHint(NUMORA_TRANSLATABLE(
      "Numora", "Print or save as PDF: tips, ticket sheet, evaluation, back-test report"));
  SpeedButton4.setHint(NUMORA_TRANSLATABLE("Numora", "DB search tips"));
  CloseButton.setCaption(NUMORA_TRANSLATABLE("Numora", "close"));
  CloseButton.setHint(NUMORA_TRANSLATABLE("Numora", "close"));

  // The "Options" tab. Runs of blanks in a caption leave room for the up-down's edit box (or
  // the combo box) that sits inside the sentence.
  CheckBox2.setCaption(NUMORA_TRANSLATABLE("Numora", "Numbers that were drawn very often"));
  CheckBox10.setCaption(NUMORA_TRANSLATABLE("Numora", "Numbers are the longest overdue"));
  CheckBox14.setCaption(NUMORA_TRANSLATABLE("Numora", "Numbers drawn particularly rare"));
  for (UpDown* band : {&UpDown12, &UpDown13, &UpDown14}) {
    band->setHint(NUMORA_TRANSLATABLE(
        "Numora", "Die erste X Prozent werden mit einer Höheren Wahrscheinlichkeit versehen"));
  }
  CheckBox9.setCaption(NUMORA_TRANSLATABLE(
      "Numora", "Tip must still comply with any               from the database"));
  CheckBox17.setCaption(NUMORA_TRANSLATABLE(
      "Numora", "Tip may not correspond to              in the last                draws"));
  CheckBox4.setCaption(NUMORA_TRANSLATABLE(
      "Numora", "maximum             and minimum              number of the last drawing permit"));
  CheckBox5.setCaption(NUMORA_TRANSLATABLE(
      "Numora",
      "maximum             and minimum              number of penultimate drawing permit"));
  CheckBox23.setCaption(NUMORA_TRANSLATABLE(
      "Numora", "maximum             and minimum              number one before the draw permit"));
  Label62.setCaption(NUMORA_TRANSLATABLE("Numora", "Extra-Option:"));
  CheckBox19.setCaption(NUMORA_TRANSLATABLE("Numora", "adjacent numbers of the last draw, prefer"));
  CheckBox31.setCaption(
      NUMORA_TRANSLATABLE("Numora", "Numbers of the last               contractions using"));
  CheckBox30.setCaption(NUMORA_TRANSLATABLE("Numora", "Number of draws of a date in all years"));
  Label48.setCaption(NUMORA_TRANSLATABLE("Numora", "Zahlen nur von einem Wochentag verwenden"));
  Label48.setVisible(false);
  ComboBox2.setVisible(false);

  CheckBox3.setCaption(
      NUMORA_TRANSLATABLE("Numora", "maximum of                 matches with other tips"));
  CheckBox24.setCaption(
      NUMORA_TRANSLATABLE("Numora", "minimum of                  matches with other tips"));
  CheckBox27.setCaption(NUMORA_TRANSLATABLE(
      "Numora", "Min / Max: Tip meet every need with every entry, this condition"));
  CheckBox8.setCaption(NUMORA_TRANSLATABLE("Numora", "Tip enforcing one pairing per"));
  CheckBox18.setCaption(NUMORA_TRANSLATABLE("Numora", "no threesomes, foursomes ... pairs"));
  CheckBox1.setCaption(
      NUMORA_TRANSLATABLE("Numora", "Numbers with a frequent pairs prefer education"));
  CheckBox11.setCaption(NUMORA_TRANSLATABLE("Numora", "rarest"));
  CheckBox6.setCaption(
      NUMORA_TRANSLATABLE("Numora", "Numbers with a common triad education prefer"));
  CheckBox12.setCaption(NUMORA_TRANSLATABLE("Numora", "rarest"));
  CheckBox7.setCaption(
      NUMORA_TRANSLATABLE("Numora", "Numbers with a frequent four-group prefer formation"));
  CheckBox13.setCaption(NUMORA_TRANSLATABLE("Numora", "rarest"));

  Label42.setCaption(NUMORA_TRANSLATABLE(
      "Numora", " cross sum :                   -                    in the tip allow"));
  CheckBox22.setCaption(
      NUMORA_TRANSLATABLE("Numora", "at least                      prime numbers in any tip"));
  CheckBox25.setCaption(
      NUMORA_TRANSLATABLE("Numora", "at least                      even numbers in any tip"));
  CheckBox26.setCaption(
      NUMORA_TRANSLATABLE("Numora", "at least                      odd numbers in any tip"));

  CheckBox20.setCaption(NUMORA_TRANSLATABLE("Numora", "Edit List for Tip numbers"));
  CheckBox15.setCaption(NUMORA_TRANSLATABLE("Numora", "Tip for the preferred use numbers only!"));
  Label57.setCaption(NUMORA_TRANSLATABLE("Numora", "Max calculation runs"));
  Label58.setCaption(NUMORA_TRANSLATABLE("Numora", "thousand"));

  SpeedButton5.setHint(NUMORA_TRANSLATABLE(
      "Numora", "Ziehungsdaten afür das gewählte Datu aus der Datenbank heraussuchen"));
  BitBtn1.setCaption(NUMORA_TRANSLATABLE("Numora", "update database"));
  BitBtn1.setHint(NUMORA_TRANSLATABLE("Numora", "update database"));
  SpeedButton8.setCaption(NUMORA_TRANSLATABLE("Numora", "Stop reading"));
  SpeedButton8.setHint(NUMORA_TRANSLATABLE("Numora", "Stop reading"));
  SpeedButton8.setVisible(false);
  Label29.setCaption("");
  OddsAllSizesCheckBox.setCaption(NUMORA_TRANSLATABLE("Numora", "every tip size 2..10"));
  OddsAllSizesCheckBox.setHint(NUMORA_TRANSLATABLE(
      "Numora", "Show the odds of every tip size, not only the numbers per tip"));
  ImportButton.setCaption(NUMORA_TRANSLATABLE("Numora", "Import from Text"));
  ImportButton.setHint(NUMORA_TRANSLATABLE("Numora", "Import draws from a text or CSV file"));
  Memo1.setVisible(false);           // the page text of the update run is kept, not shown
  TipExplanation.setVisible(false);  // shows when a calculation ends short
  // The back-test report's window shows once a test has written a report.
  ReportWindow.setCaption(NUMORA_TRANSLATABLE("Numora", "Back-test report"));
  ReportWindow.setVisible(false);
  ReportOpenButton.setCaption(NUMORA_TRANSLATABLE("Numora", "Open in editor"));
  ReportSaveButton.setCaption(NUMORA_TRANSLATABLE("Numora", "Save as…"));
  SweepTest.setCaption(NUMORA_TRANSLATABLE("Numora", "Back-test"));
  SweepButton.setCaption(NUMORA_TRANSLATABLE("Numora", "Sweep"));
  SweepStopButton.setCaption(NUMORA_TRANSLATABLE("Numora", "Stop"));
  SweepApplyButton.setCaption(NUMORA_TRANSLATABLE("Numora", "Apply"));
  SweepSaveButton.setCaption(NUMORA_TRANSLATABLE("Numora", "Save as CSV"));
  DateTimePicker2.setHint(
      NUMORA_TRANSLATABLE("Numora", "With the chosen date starts the evaluation"));
  SpeedButton2.setHint(NUMORA_TRANSLATABLE("Numora", "Distribution of numbers drawn"));
  SpeedButton9.setCaption(NUMORA_TRANSLATABLE("Numora", "Cross sum "));
  SpeedButton9.setHint(NUMORA_TRANSLATABLE("Numora", "Distribution of cross sums"));
  SpeedButton1.setCaption(NUMORA_TRANSLATABLE("Numora", "pairs"));
  SpeedButton1.setHint(NUMORA_TRANSLATABLE(
      "Numora", "How many pairs of which was drawn. Below is the first number of the pair"));
  SpeedButton3.setCaption(NUMORA_TRANSLATABLE("Numora", "three"));
  SpeedButton3.setHint(NUMORA_TRANSLATABLE(
      "Numora", "How often triple what was drawn. Below is the first number of the three"));
  SpeedButton17.setCaption(NUMORA_TRANSLATABLE("Numora", "four"));
  SpeedButton17.setHint(NUMORA_TRANSLATABLE(
      "Numora", "How often which of four was drawn. Below is the first number of the four"));
  SpeedButton19.setCaption(NUMORA_TRANSLATABLE("Numora", "pending"));
  SpeedButton19.setHint(NUMORA_TRANSLATABLE("Numora", "Which number was not drawn the longest?"));
  SaveChartButton.setHint(NUMORA_TRANSLATABLE("Numora", "Save chart as PNG or SVG"));
  Button2.setCaption(NUMORA_TRANSLATABLE("Numora", "pairs seeking"));
  Button3.setCaption(NUMORA_TRANSLATABLE("Numora", "three search"));
  Button4.setCaption(NUMORA_TRANSLATABLE("Numora", "four search"));
  Button5.setCaption(NUMORA_TRANSLATABLE("Numora", "pending"));
  BitBtn6.setCaption(NUMORA_TRANSLATABLE("Numora", "delete"));
  BitBtn8.setCaption(NUMORA_TRANSLATABLE("Numora", "insert/edit"));
  BitBtn3.setCaption(NUMORA_TRANSLATABLE("Numora", "Export to Text"));
  TipTestsLabel.setCaption(NUMORA_TRANSLATABLE(
      "Numora", "Historical analysis of the parameters starting with the selected date above"));
  BitBtn9.setCaption(NUMORA_TRANSLATABLE(
      "Numora", "Tip calculate and test how successful this would have until today"));
  Erfolgstest.setCaption(NUMORA_TRANSLATABLE(
      "Numora", "Tip calculate and test the success of each in the next drawing"));
  RecurrenceTestsLabel.setCaption(
      NUMORA_TRANSLATABLE("Numora", "Historical analysis start date above"));
  Button7.setCaption(NUMORA_TRANSLATABLE(
      "Numora", "Test often occur as the numbers drawn in each of the next draw"));
  Button8.setCaption(
      NUMORA_TRANSLATABLE("Numora", "Test how often the numbers appear in each of the next draw"));
  Button9.setCaption(NUMORA_TRANSLATABLE(
      "Numora", "Test as often occur in the numbers of each of the next contraction"));
  Button10.setCaption(
      NUMORA_TRANSLATABLE("Numora", "Test how often the numbers appear in the next 3 drawings"));
  Button11.setCaption(
      NUMORA_TRANSLATABLE("Numora", "Test how often the numbers appear in the last 3 drawings"));

  Label50.setCaption(NUMORA_TRANSLATABLE("Numora", "Proxy-Server"));
  Label51.setCaption(NUMORA_TRANSLATABLE("Numora", "Porxy-Port"));
  Label60.setCaption(NUMORA_TRANSLATABLE("Numora", "Results site"));
  ResultsSiteEdit.setHint(NUMORA_TRANSLATABLE(
      "Numora", "The address of the results site, for example https://results.example"));
  AnyCertificateCheckBox.setCaption(NUMORA_TRANSLATABLE("Numora", "Accept any certificate"));
  AnyCertificateCheckBox.setHint(NUMORA_TRANSLATABLE(
      "Numora", "Only for a results site you trust that has no valid certificate"));
  URLEdit.setText(kProductPage);
  URLEdit.setVisible(false);
  URLEdit.setEnabled(false);
  Label45.setCaption(
      NUMORA_TRANSLATABLE("Numora", "For updates and the latest version is available from:"));
  Label52.setCaption(kProductPage);
  Label46.setCaption(
      NUMORA_TRANSLATABLE("Numora", "The current draws and rates from Ontario Daily Keno see:"));
  Label53.setCaption(kDailyKenoResultsPath);
  Label47.setCaption(
      NUMORA_TRANSLATABLE("Numora", "The current draws and rates from Atlantic Keno see:"));
  Label54.setCaption(kAtlanticResultsPath);
  Label49.setCaption(
      NUMORA_TRANSLATABLE("Numora", "More programs by Veltrin software can be found at:"));
  Label55.setCaption("https://www.veltrin.example");
  Label56.setCaption("https://www.veltrin.example/numora-lotto");
  Label59.setCaption("https://www.veltrin.example/numora-euro");
}

UpDown* Form::upDown(int number) {
  auto* control = registry.find("UpDown" + std::to_string(number));
  return dynamic_cast<UpDown*>(control);
}

CheckBox* Form::checkBox(int number) {
  auto* control = registry.find("CheckBox" + std::to_string(number));
  return dynamic_cast<CheckBox*>(control);
}

}  // namespace numora
