// The main window as data: every named control and field of TForm1. Handlers in the subsystem
// folders read and change it; the Qt view and numora-cli only show it and forward events.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "common/day_date.h"
#include "common/random.h"
#include "form/controls.h"

namespace numora {

// Design date of the date pickers and their lower limit until the lottery is switched.
inline const DayCount kDesignPickerDate = encodeDate(2001, 10, 22);

// The index of the "Chart" tab in PageControl1, which the statistics show.
constexpr int kChartPage = 2;

struct Form {
  Form();
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;

  // Declared first: every control below registers itself here.
  ControlRegistry registry;

  PageControl PageControl1{
      &registry, "PageControl1", {"Keno-Tips", "Options", "Chart", "Database", "Internet-Options"}};
  StatusBar StatusBar1{&registry, "StatusBar1"};

  // "Keno-Tips" tab: lottery and current draw.
  RadioGroup RadioGroup1{&registry, "RadioGroup1", {"Keno Atlantic", "Daily Keno"}, 1};
  Label Label35{&registry, "Label35"};
  Label Label13{&registry, "Label13"};
  Button SpeedButton6{&registry, "SpeedButton6"};
  Button SpeedButton7{&registry, "SpeedButton7"};
  Button SpeedButton10{&registry, "SpeedButton10"};

  // "Keno-Tips" tab: tip list, hit list and their settings.
  Label Label25{&registry, "Label25"};  // "Tip series"
  Label Label26{&registry, "Label26"};  // "properly             "
  ListBox ListBox1{&registry, "ListBox1"};
  ListBox ListBox2{&registry, "ListBox2"};
  Label Label61{&registry, "Label61"};
  UpDown UpDown18{&registry, "UpDown18", 2, 10, 10};
  Label Label16{&registry, "Label16"};
  UpDown UpDown8{&registry, "UpDown8", 1, 5, 5};
  Label Label22{&registry, "Label22"};
  UpDown UpDown9{&registry, "UpDown9", 1, 120, 5};
  Edit Edit1{&registry, "Edit1", "5"};  // the total-tips field of UpDown9
  Label Label30{&registry, "Label30"};
  ComboBox ComboBox1{&registry, "ComboBox1", {"1", "2", "5", "10"}, -1, "1"};
  CheckBox CheckBox28{&registry, "CheckBox28", true};
  Label Label23{&registry, "Label23"};
  Label Label24{&registry, "Label24"};
  Label Label43{&registry, "Label43"};  // banner: the maker's address, spaced out
  Label Label44{&registry, "Label44"};  // banner: the product name and version
  Button CloseButton{&registry, "CloseButton"};
  Button SpeedEdit{&registry, "SpeedEdit"};
  Button SpeedButton11{&registry, "SpeedButton11"};
  Button auswertung{&registry, "auswertung"};

  // "Options" tab: the generator options with their design states.
  UpDown UpDown1{&registry, "UpDown1", 0, 9, 1};
  UpDown UpDown2{&registry, "UpDown2", 1, 750, 100};
  UpDown UpDown3{&registry, "UpDown3", 0, 9, 4};
  UpDown UpDown4{&registry, "UpDown4", 0, 10, 0};
  UpDown UpDown5{&registry, "UpDown5", 0, 10, 1};
  UpDown UpDown6{&registry, "UpDown6", 1, 10, 8};
  UpDown UpDown7{&registry, "UpDown7", 1, 10000, 10};
  UpDown UpDown10{&registry, "UpDown10", 0, 6, 2};
  UpDown UpDown11{&registry, "UpDown11", 0, 10, 2};
  UpDown UpDown12{&registry, "UpDown12", 5, 75, 30};
  UpDown UpDown13{&registry, "UpDown13", 5, 75, 30};
  UpDown UpDown14{&registry, "UpDown14", 5, 75, 30};
  UpDown UpDown15{&registry, "UpDown15", 750, 1400, 1200};
  UpDown UpDown16{&registry, "UpDown16", 0, 6, 2};
  UpDown UpDown17{&registry, "UpDown17", 0, 6, 2};
  UpDown UpDown19{&registry, "UpDown19", 1, 10, 5};
  UpDown UpDown20{&registry, "UpDown20", 1, 356, 12};
  UpDown UpDown21{&registry, "UpDown21", 0, 10, 0};
  UpDown UpDown22{&registry, "UpDown22", 0, 10, 0};
  UpDown UpDown23{&registry, "UpDown23", 0, 10, 0};
  CheckBox CheckBox1{&registry, "CheckBox1", false};
  CheckBox CheckBox2{&registry, "CheckBox2", false};
  CheckBox CheckBox3{&registry, "CheckBox3", true};
  CheckBox CheckBox4{&registry, "CheckBox4", true};
  CheckBox CheckBox5{&registry, "CheckBox5", true};
  CheckBox CheckBox6{&registry, "CheckBox6", false};
  CheckBox CheckBox7{&registry, "CheckBox7", false};
  CheckBox CheckBox8{&registry, "CheckBox8", false};
  CheckBox CheckBox9{&registry, "CheckBox9", true};
  CheckBox CheckBox10{&registry, "CheckBox10", true};
  CheckBox CheckBox11{&registry, "CheckBox11", false};
  CheckBox CheckBox12{&registry, "CheckBox12", false};
  CheckBox CheckBox13{&registry, "CheckBox13", false};
  CheckBox CheckBox14{&registry, "CheckBox14", true};
  CheckBox CheckBox15{&registry, "CheckBox15", false};
  CheckBox CheckBox17{&registry, "CheckBox17", true};
  CheckBox CheckBox18{&registry, "CheckBox18", true};
  CheckBox CheckBox19{&registry, "CheckBox19", false};
  CheckBox CheckBox20{&registry, "CheckBox20", false};
  CheckBox CheckBox22{&registry, "CheckBox22", false};
  CheckBox CheckBox23{&registry, "CheckBox23", true};
  CheckBox CheckBox24{&registry, "CheckBox24", true};
  CheckBox CheckBox25{&registry, "CheckBox25", false};
  CheckBox CheckBox26{&registry, "CheckBox26", false};
  CheckBox CheckBox27{&registry, "CheckBox27", true};
  CheckBox CheckBox30{&registry, "CheckBox30", false};
  CheckBox CheckBox31{&registry, "CheckBox31", false};

  ComboBox ComboBox2{&registry,
                     "ComboBox2",
                     {"alle Tage verwenden", "Montag", "Dienstag", "Mittwoch", "Donnerstag",
                      "Freitag", "Sonnabend", "Sonntag"},
                     -1,
                     "Nein alle Tage verwenden"};
  ComboBox ComboBox3{&registry, "ComboBox3", {"1", "2", "3"}, -1, ""};
  DatePicker DateTimePicker3{&registry, "DateTimePicker3", kDesignPickerDate, 0};

  // "Chart" tab: the row of statistics buttons above the chart.
  Button SpeedButton2{&registry, "SpeedButton2"};
  Button SpeedButton9{&registry, "SpeedButton9"};
  Button SpeedButton1{&registry, "SpeedButton1"};
  Button SpeedButton3{&registry, "SpeedButton3"};
  Button SpeedButton17{&registry, "SpeedButton17"};
  Button SpeedButton19{&registry, "SpeedButton19"};
  Chart Chart1{&registry, "Chart1"};
  DatePicker DateTimePicker2{&registry, "DateTimePicker2", kDesignPickerDate, kDesignPickerDate};

  // "Database" tab.
  DatePicker DateTimePicker1{&registry, "DateTimePicker1", kDesignPickerDate, kDesignPickerDate};
  Button SpeedButton5{&registry, "SpeedButton5"};
  Label Label29{&registry, "Label29"};
  Button BitBtn1{&registry, "BitBtn1"};
  Button SpeedButton8{&registry, "SpeedButton8"};
  Memo Memo1{&registry, "Memo1"};
  Button Button2{&registry, "Button2"};
  Button Button3{&registry, "Button3"};
  Button Button4{&registry, "Button4"};
  Button Button5{&registry, "Button5"};

  // "Internet-Options" tab.
  Label Label50{&registry, "Label50"};  // "Proxy-Server"
  Edit ProxyHostEdit{&registry, "ProxyHostEdit"};
  Label Label51{&registry, "Label51"};  // "Porxy-Port"
  Edit ProxyPortEdit{&registry, "ProxyPortEdit", "80"};
  Edit URLEdit{&registry, "URLEdit"};
  Label Label60{&registry, "Label60"};  // "Results site"
  Edit ResultsSiteEdit{&registry, "ResultsSiteEdit"};
  CheckBox AnyCertificateCheckBox{&registry, "AnyCertificateCheckBox", false};
  Label Label45{&registry, "Label45"};  // explanatory texts of the address labels
  Label Label46{&registry, "Label46"};
  Label Label47{&registry, "Label47"};
  Label Label49{&registry, "Label49"};
  Label Label52{&registry, "Label52"};  // web addresses, opened on a click
  Label Label53{&registry, "Label53"};
  Label Label54{&registry, "Label54"};
  Label Label55{&registry, "Label55"};
  Label Label56{&registry, "Label56"};
  Label Label59{&registry, "Label59"};

  // The current draw.
  DayCount Datum1 = 0;
  std::array<int, 21> Zahl{};  // Zahl[1..20]; [0] unused
  std::array<int, 6> Zahl5{};  // Zahl5[1..5]; [0] unused
  int Position = 0;
  DayCount aktDatum = 0;

  // Tip matching.
  std::uint8_t Gewinn = 0;
  std::array<int, 21> Statistik{};
  bool sortieren = false;

  // Set when the main window closes: long operations still running end without further output.
  bool closing = false;

  // Start-up state.
  std::string Home;
  std::string ZahlenFile;
  std::string SoundName;
  int LaufMax = 100000;
  int groesse = 0;
  Random random;

  // Values only the settings store keeps.
  int System = 0;
  double Preis = 0;
  int Neuerschein = 0;
  bool Plus5 = true;
  int Land = 1;
  int TippTop = 39;
  int TippLeft = 47;

  // The up-down controls 1..23 by number (the settings store walks them in this order).
  UpDown* upDown(int number);
  // The check boxes by number; nothing for the numbers that have none (16, 21, 29).
  CheckBox* checkBox(int number);
};

}  // namespace numora
