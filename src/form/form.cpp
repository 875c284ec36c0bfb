#include "form/form.h"

namespace numora {
Form::Form() {
  RadioGroup1.setCaption("Keno Lottery");
  Label35.setCaption("");
  Label13.setCaption("Summer cross");
  SpeedButton10.setHint("Updating the lottery numbers from the Internet");
  StopUpdateButton.setHint("Stop reading");
  StopUpdateButton.setVisible(false);
  SpeedButton6.setHint("previous draw");
  SpeedButton7.setHint("next draw");

  Label25.setCaption("Tip series");
  Label26.setCaption("properly             ");
  Label61.setCaption("Numbers per Tip");
  Label16.setCaption("Tips per ticket");
  Label22.setCaption("Total Tips");
  Label22.setHint("Wieviele Tipps wollen Sie berechnen?");
  Label30.setCaption("Cost per Tip");
  CheckBox28.setCaption("Delete before calculating");
  CheckBox28.setHint("Delete before calculating");
  Label23.setCaption("1. ticket");
  Label24.setCaption("1. tip");
  Label43.setCaption("w w w . v e l t r i n . e x a m p l e");
  Label44.setCaption("    N U M O R A   C a n a d a     V  2 . 2");
  SpeedEdit.setHint("numbers of the selected editing tips");
  SpeedButton11.setHint("Delete all tips");
  auswertung.setHint("Auswertung und Ermittlung der Gewinnsumme");
  BitBtn4.setCaption("calculate Tips ");
  BitBtn4.setHint("start Tips calculate");
  SpeedButton13.setCaption("Lucky Number");
  SpeedButton13.setHint("set lucky number");
  SpeedButton15.setHint("Saving Tips calculated in a file");
  SpeedButton16.setHint("Load the file of a Tips");
  BitBtn7.setCaption("Tip");
  Button6.setCaption("Tip distribution");
  Button6.setHint("Tip distribution");
  PrintButton.setHint("Print or save as PDF: tips, ticket sheet, evaluation, back-test report");
  SpeedButton4.setHint("DB search tips");
  CloseButton.setCaption("close");
  CloseButton.setHint("close");

  // The "Options" tab. Runs of blanks in a caption leave room for the up-down's edit box (or
  // the combo box) that sits inside the sentence.
  CheckBox2.setCaption("Numbers that were drawn very often");
  CheckBox10.setCaption("Numbers are the longest overdue");
  CheckBox14.setCaption("Numbers drawn particularly rare");
  for (UpDown* band : {&UpDown12, &UpDown13, &UpDown14}) {
    band->setHint("Die erste X Prozent werden mit einer Höheren Wahrscheinlichkeit versehen");
  }
  CheckBox9.setCaption("Tip must still comply with any               from the database");
  CheckBox17.setCaption("Tip may not correspond to              in the last                draws");
  CheckBox4.setCaption(
      "maximum             and minimum              number of the last drawing permit");
  CheckBox5.setCaption(
      "maximum             and minimum              number of penultimate drawing permit");
  CheckBox23.setCaption(
      "maximum             and minimum              number one before the draw permit");
  Label62.setCaption("Extra-Option:");
  CheckBox19.setCaption("adjacent numbers of the last draw, prefer");
  CheckBox31.setCaption("Numbers of the last               contractions using");
  CheckBox30.setCaption("Number of draws of a date in all years");
  Label48.setCaption("Zahlen nur von einem Wochentag verwenden");
  Label48.setVisible(false);
  ComboBox2.setVisible(false);

  CheckBox3.setCaption("maximum of                 matches with other tips");
  CheckBox24.setCaption("minimum of                  matches with other tips");
  CheckBox27.setCaption("Min / Max: Tip meet every need with every entry, this condition");
  CheckBox8.setCaption("Tip enforcing one pairing per");
  CheckBox18.setCaption("no threesomes, foursomes ... pairs");
  CheckBox1.setCaption("Numbers with a frequent pairs prefer education");
  CheckBox11.setCaption("rarest");
  CheckBox6.setCaption("Numbers with a common triad education prefer");
  CheckBox12.setCaption("rarest");
  CheckBox7.setCaption("Numbers with a frequent four-group prefer formation");
  CheckBox13.setCaption("rarest");

  Label42.setCaption(" cross sum :                   -                    in the tip allow");
  CheckBox22.setCaption("at least                      prime numbers in any tip");
  CheckBox25.setCaption("at least                      even numbers in any tip");
  CheckBox26.setCaption("at least                      odd numbers in any tip");

  CheckBox20.setCaption("Edit List for Tip numbers");
  CheckBox15.setCaption("Tip for the preferred use numbers only!");
  Label57.setCaption("Max calculation runs");
  Label58.setCaption("thousand");

  SpeedButton5.setHint("Ziehungsdaten afür das gewählte Datu aus der Datenbank heraussuchen");
  BitBtn1.setCaption("update database");
  BitBtn1.setHint("update database");
  SpeedButton8.setCaption("Stop reading");
  SpeedButton8.setHint("Stop reading");
  SpeedButton8.setVisible(false);
  Label29.setCaption("");
  OddsAllSizesCheckBox.setCaption("every tip size 2..10");
  OddsAllSizesCheckBox.setHint("Show the odds of every tip size, not only the numbers per tip");
  ImportButton.setCaption("Import from Text");
  ImportButton.setHint("Import draws from a text or CSV file");
  Memo1.setVisible(false);           // the page text of the update run is kept, not shown
  TipExplanation.setVisible(false);  // shows when a calculation ends short
  // The back-test report's window shows once a test has written a report.
  ReportWindow.setCaption("Back-test report");
  ReportWindow.setVisible(false);
  ReportOpenButton.setCaption("Open in editor");
  ReportSaveButton.setCaption("Save as…");
  SweepTest.setCaption("Back-test");
  SweepButton.setCaption("Sweep");
  SweepStopButton.setCaption("Stop");
  SweepApplyButton.setCaption("Apply");
  SweepSaveButton.setCaption("Save as CSV");
  DateTimePicker2.setHint("With the chosen date starts the evaluation");
  SpeedButton2.setHint("Distribution of numbers drawn");
  SpeedButton9.setCaption("Cross sum ");
  SpeedButton9.setHint("Distribution of cross sums");
  SpeedButton1.setCaption("pairs");
  SpeedButton1.setHint("How many pairs of which was drawn. Below is the first number of the pair");
  SpeedButton3.setCaption("three");
  SpeedButton3.setHint("How often triple what was drawn. Below is the first number of the three");
  SpeedButton17.setCaption("four");
  SpeedButton17.setHint("How often which of four was drawn. Below is the first number of the four");
  SpeedButton19.setCaption("pending");
  SpeedButton19.setHint("Which number was not drawn the longest?");
  SaveChartButton.setHint("Save chart as PNG or SVG");
  Button2.setCaption("pairs seeking");
  Button3.setCaption("three search");
  Button4.setCaption("four search");
  Button5.setCaption("pending");
  BitBtn6.setCaption("delete");
  BitBtn8.setCaption("insert/edit");
  BitBtn3.setCaption("Export to Text");
  TipTestsLabel.setCaption(
      "Historical analysis of the parameters starting with the selected date above");
  BitBtn9.setCaption("Tip calculate and test how successful this would have until today");
  Erfolgstest.setCaption("Tip calculate and test the success of each in the next drawing");
  RecurrenceTestsLabel.setCaption("Historical analysis start date above");
  Button7.setCaption("Test often occur as the numbers drawn in each of the next draw");
  Button8.setCaption("Test how often the numbers appear in each of the next draw");
  Button9.setCaption("Test as often occur in the numbers of each of the next contraction");
  Button10.setCaption("Test how often the numbers appear in the next 3 drawings");
  Button11.setCaption("Test how often the numbers appear in the last 3 drawings");

  Label50.setCaption("Proxy-Server");
  Label51.setCaption("Porxy-Port");
  Label60.setCaption("Results site");
  ResultsSiteEdit.setHint("The address of the results site, for example https://results.example");
  AnyCertificateCheckBox.setCaption("Accept any certificate");
  AnyCertificateCheckBox.setHint("Only for a results site you trust that has no valid certificate");
  URLEdit.setText(kProductPage);
  URLEdit.setVisible(false);
  URLEdit.setEnabled(false);
  Label45.setCaption("For updates and the latest version is available from:");
  Label52.setCaption(kProductPage);
  Label46.setCaption("The current draws and rates from Ontario Daily Keno see:");
  Label53.setCaption(kDailyKenoResultsPath);
  Label47.setCaption("The current draws and rates from Atlantic Keno see:");
  Label54.setCaption(kAtlanticResultsPath);
  Label49.setCaption("More programs by Veltrin software can be found at:");
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
