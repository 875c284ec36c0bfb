#include "form/controls.h"

#include <gtest/gtest.h>

#include <cmath>

#include "form/form.h"

namespace numora {
namespace {

TEST(Controls, UpDownClampsIntoItsRange) {
  UpDown upDown(nullptr, "UpDown18", 2, 10, 10);
  const std::pair<int, int> cases[] = {{5, 5}, {1, 2}, {11, 10}, {-100, 2}, {10, 10}};
  for (const auto& [wanted, shown] : cases) {
    upDown.setPosition(wanted);
    EXPECT_EQ(upDown.position(), shown) << wanted;
  }
  upDown.setMax(20);
  upDown.setPosition(20);
  EXPECT_EQ(upDown.position(), 20);
  upDown.setMax(10);
  EXPECT_EQ(upDown.position(), 10);
}

TEST(Controls, DatePickerRefusesDatesBelowItsLimit) {
  const DayCount limit = encodeDate(2001, 10, 22);
  DatePicker picker(nullptr, "DateTimePicker1", limit, limit);
  EXPECT_FALSE(picker.setDate(limit - 1));
  EXPECT_EQ(picker.date(), limit);
  EXPECT_TRUE(picker.setDate(limit + 10.75));
  EXPECT_EQ(picker.date(), limit + 10);  // date only
  picker.setMinDate(limit - 2000);
  EXPECT_TRUE(picker.setDate(limit - 1000));
  picker.setMinDate(limit);  // raising the limit moves the date up to it
  EXPECT_EQ(picker.date(), limit);
  for (double noDate : {std::nan(""), HUGE_VAL, 1e300, -1e9}) {
    EXPECT_FALSE(picker.setDate(noDate)) << noDate;
  }
  EXPECT_EQ(picker.date(), limit);
}

TEST(Controls, ChangeCountersMoveOnlyOnChange) {
  Label label(nullptr, "Label29");
  const auto before = label.changeCount();
  label.setCaption("x");
  EXPECT_EQ(label.changeCount(), before + 1);
  label.setCaption("x");
  EXPECT_EQ(label.changeCount(), before + 1);

  ListBox list(nullptr, "ListBox1");
  list.add("01,02");
  list.add("03,04");
  const auto afterAdds = list.changeCount();
  list.setItemIndex(1);
  list.erase(1);
  EXPECT_EQ(list.itemIndex(), -1);
  EXPECT_GT(list.changeCount(), afterAdds);
}

TEST(Controls, ComboBoxIndexOutsideItemsSelectsNothingAndKeepsText) {
  ComboBox box(nullptr, "ComboBox1", {"1", "2", "5", "10"}, -1, "1");
  box.setItemIndex(3);
  EXPECT_EQ(box.text(), "10");
  box.setItemIndex(7);
  EXPECT_EQ(box.itemIndex(), -1);
  EXPECT_EQ(box.text(), "10");
}

TEST(Form, ControlsAreFoundByTheirDesignedNames) {
  Form form;
  for (const char* name :
       {"RadioGroup1",   "Label29",       "Label35",      "Label13",         "SpeedButton5",
        "SpeedButton6",  "SpeedButton7",  "SpeedButton8", "SpeedButton10",   "BitBtn1",
        "ListBox1",      "ListBox2",      "StatusBar1",   "DateTimePicker1", "DateTimePicker2",
        "ProxyHostEdit", "ProxyPortEdit", "URLEdit",      "UpDown18",        "UpDown7",
        "CheckBox28",    "Chart1",        "Memo1"}) {
    EXPECT_NE(form.registry.find(name), nullptr) << name;
  }
  EXPECT_EQ(form.upDown(18), &form.UpDown18);
  EXPECT_EQ(form.checkBox(16), nullptr);
  EXPECT_EQ(form.checkBox(28), &form.CheckBox28);
  EXPECT_FALSE(form.SpeedButton8.visible());
  EXPECT_EQ(form.ProxyPortEdit.text(), "80");
  EXPECT_EQ(form.Label13.caption(), "Summer cross");
  EXPECT_EQ(form.SpeedButton10.hint(), "Updating the lottery numbers from the Internet");
  EXPECT_EQ(form.DateTimePicker1.minDate(), encodeDate(2001, 10, 22));
}

}  // namespace
}  // namespace numora
