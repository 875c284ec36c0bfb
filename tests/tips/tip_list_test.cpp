#include "tips/tip_list.h"

#include "evaluation/evaluation_report.h"

#include <gtest/gtest.h>

#include "form/scripted_platform.h"

namespace numora {
namespace {

TEST(TipList, TicketOfAListPosition) {
  struct Case {
    int index;
    int perTicket;
    int ticket;
    int tip;
  };
  const Case cases[] = {{0, 5, 1, 1}, {4, 5, 1, 5},    {5, 5, 2, 1}, {6, 5, 2, 2},
                        {6, 3, 3, 1}, {119, 5, 24, 5}, {3, 1, 4, 1}, {5, 2, 3, 2}};
  for (const auto& c : cases) {
    const TicketPlace place = ticketPlace(c.index, c.perTicket);
    EXPECT_EQ(place.ticket, c.ticket) << c.index << "/" << c.perTicket;
    EXPECT_EQ(place.tip, c.tip) << c.index << "/" << c.perTicket;
  }
}

TEST(TipList, SelectionKeepsBothListsInStepAndShowsTheTicket) {
  Form form;
  form.ListBox1.setLines({"1", "2", "3", "4", "5", "6", "7", "8"});
  form.ListBox2.setLines({"0", "0", "0", "0", "0", "0", "0", "0"});
  form.ListBox1.setItemIndex(6);  // the 7th line
  followTipSelection(form);
  EXPECT_EQ(form.ListBox2.itemIndex(), 6);
  EXPECT_EQ(form.Label23.caption(), "2. ticket");
  EXPECT_EQ(form.Label24.caption(), "2. tip");

  form.UpDown8.setPosition(3);
  form.ListBox2.setItemIndex(6);
  followHitSelection(form);
  EXPECT_EQ(form.ListBox1.itemIndex(), 6);
  EXPECT_EQ(form.Label23.caption(), "3. ticket");
  EXPECT_EQ(form.Label24.caption(), "1. tip");
}

TEST(TipList, SelectionBeyondAShorterHitListSelectsNothingThere) {
  Form form;
  form.ListBox1.setLines({"1", "2", "3"});
  form.ListBox2.setLines({"0"});
  form.ListBox1.setItemIndex(2);
  followTipSelection(form);
  EXPECT_EQ(form.ListBox2.itemIndex(), -1);
  EXPECT_EQ(form.Label24.caption(), "3. tip");
}

TEST(TipList, TotalTipsTextIsKeptANumberFrom1To120) {
  const std::pair<const char*, const char*> cases[] = {
      {"7", "7"},  {"007", "7"},   {"120", "120"}, {"1", "1"},    {"0", "120"}, {"121", "120"},
      {"", "120"}, {"abc", "120"}, {" 5", "120"},  {"-5", "120"}, {"7x", "120"}};
  Form form;
  for (const auto& [typed, shown] : cases) {
    form.Edit1.setText(typed);
    keepTotalTipsNumeric(form);
    EXPECT_EQ(form.Edit1.text(), shown) << typed;
    EXPECT_EQ(form.UpDown9.position(), std::stoi(shown)) << typed;
  }
}

TEST(TipList, LeavingTheTotalTipsFieldScoresTheList) {
  Form form;
  ScriptedPlatform platform;
  form.ListBox1.setLines({"01,02", ""});
  form.Zahl[1] = 1;
  form.sortieren = true;
  leaveTotalTips(form, platform);
  EXPECT_EQ(form.ListBox2.lines(), (std::vector<std::string>{"1"}));
  form.sortieren = false;
  form.ListBox1.add("");
  leaveTotalTips(form, platform);
  EXPECT_EQ(form.ListBox1.count(), 2u);
}

TEST(TipList, DeleteAllEmptiesBothListsAndKeepsTheLabels) {
  Form form;
  form.ListBox1.setLines({"01,02"});
  form.ListBox2.setLines({"1"});
  form.Label23.setCaption("4. ticket");
  deleteAllTips(form);
  EXPECT_TRUE(form.ListBox1.lines().empty());
  EXPECT_TRUE(form.ListBox2.lines().empty());
  EXPECT_EQ(form.Label23.caption(), "4. ticket");
}

TEST(TipList, CostPerTipGivesTheStakeAndThePrice) {
  Form form;
  EXPECT_EQ(stakePerTip(form), 1);  // nothing chosen yet: the shown "1"
  const int stakes[] = {1, 2, 5, 10};
  for (int index = 0; index < 4; ++index) {
    form.ComboBox1.setItemIndex(index);
    EXPECT_EQ(stakePerTip(form), stakes[index]);
  }
  form.UpDown8.setPosition(4);
  form.UpDown9.setPosition(12);
  applyCostPerTip(form);
  EXPECT_EQ(form.Preis, 10.0 * 4 * 12);
}

}  // namespace
}  // namespace numora
