#include "generator/generator_options.h"

#include <gtest/gtest.h>

#include <functional>

#include "form/form.h"

namespace numora {
namespace {

TEST(GeneratorOptionsTest, DefaultFormGivesTheDesignedDefaults) {
  Form form;
  const GeneratorOptions o = readGeneratorOptions(form);
  EXPECT_EQ(o.numbersPerTip, 10);
  EXPECT_EQ(o.totalTips, 5);
  EXPECT_TRUE(o.deleteBeforeCalculating);
  EXPECT_EQ(o.runBudget(), 10000);
  EXPECT_FALSE(o.frequentNumbers.on);
  EXPECT_TRUE(o.overdueNumbers.on);
  EXPECT_TRUE(o.rareNumbers.on);
  EXPECT_EQ(o.rareNumbers.percent, 30);
  EXPECT_EQ(o.lastDrawRange[0].max, 0);
  EXPECT_EQ(o.lastDrawRange[1].max, 1);
  EXPECT_EQ(o.lastDrawRange[2].max, 2);
  EXPECT_TRUE(o.lastDrawRange[2].on);
  // No item chosen in the how-many-last-draws box adds no draw.
  EXPECT_EQ(o.lastDrawsNumbers.count, 0);
  EXPECT_EQ(o.historyHits, 8);
  EXPECT_EQ(o.recentDraws, 12);
  EXPECT_EQ(o.crossSumMin, 100);
  EXPECT_EQ(o.crossSumMax, 1200);
  EXPECT_TRUE(o.noRunsOfThree);
  EXPECT_FALSE(o.consecutivePairRequired);
}

// Each row changes one control and names the field that must follow it; a row whose control
// feeds the wrong field (or none) fails.
struct MappingCase {
  const char* control;
  std::function<void(Form&)> change;
  std::function<int(const GeneratorOptions&)> field;
  int expected;
};

class GeneratorOptionsMapping : public ::testing::TestWithParam<MappingCase> {};

TEST_P(GeneratorOptionsMapping, FieldFollowsItsControl) {
  Form form;
  const MappingCase& c = GetParam();
  const int before = c.field(readGeneratorOptions(form));
  c.change(form);
  const int after = c.field(readGeneratorOptions(form));
  EXPECT_NE(before, after) << c.control;
  EXPECT_EQ(after, c.expected) << c.control;
}

using O = GeneratorOptions;
const MappingCase kMappingCases[] = {
    {"UpDown18", [](Form& f) { f.UpDown18.setPosition(3); },
     [](const O& o) { return o.numbersPerTip; }, 3},
    {"UpDown9", [](Form& f) { f.UpDown9.setPosition(7); }, [](const O& o) { return o.totalTips; },
     7},
    {"CheckBox28", [](Form& f) { f.CheckBox28.setChecked(false); },
     [](const O& o) { return int(o.deleteBeforeCalculating); }, 0},
    {"UpDown7", [](Form& f) { f.UpDown7.setPosition(10000); },
     [](const O& o) { return o.runBudget(); }, 10000000},
    {"CheckBox2", [](Form& f) { f.CheckBox2.setChecked(true); },
     [](const O& o) { return int(o.frequentNumbers.on); }, 1},
    {"UpDown12", [](Form& f) { f.UpDown12.setPosition(75); },
     [](const O& o) { return o.frequentNumbers.percent; }, 75},
    {"CheckBox10", [](Form& f) { f.CheckBox10.setChecked(false); },
     [](const O& o) { return int(o.overdueNumbers.on); }, 0},
    {"UpDown13", [](Form& f) { f.UpDown13.setPosition(5); },
     [](const O& o) { return o.overdueNumbers.percent; }, 5},
    {"CheckBox14", [](Form& f) { f.CheckBox14.setChecked(false); },
     [](const O& o) { return int(o.rareNumbers.on); }, 0},
    {"UpDown14", [](Form& f) { f.UpDown14.setPosition(40); },
     [](const O& o) { return o.rareNumbers.percent; }, 40},
    {"CheckBox1", [](Form& f) { f.CheckBox1.setChecked(true); },
     [](const O& o) { return int(o.pairs.frequent); }, 1},
    {"CheckBox11", [](Form& f) { f.CheckBox11.setChecked(true); },
     [](const O& o) { return int(o.pairs.rare); }, 1},
    {"CheckBox6", [](Form& f) { f.CheckBox6.setChecked(true); },
     [](const O& o) { return int(o.triples.frequent); }, 1},
    {"CheckBox12", [](Form& f) { f.CheckBox12.setChecked(true); },
     [](const O& o) { return int(o.triples.rare); }, 1},
    {"CheckBox7", [](Form& f) { f.CheckBox7.setChecked(true); },
     [](const O& o) { return int(o.fourGroups.frequent); }, 1},
    {"CheckBox13", [](Form& f) { f.CheckBox13.setChecked(true); },
     [](const O& o) { return int(o.fourGroups.rare); }, 1},
    {"CheckBox19", [](Form& f) { f.CheckBox19.setChecked(true); },
     [](const O& o) { return int(o.adjacentNumbers); }, 1},
    {"CheckBox31", [](Form& f) { f.CheckBox31.setChecked(true); },
     [](const O& o) { return int(o.lastDrawsNumbers.on); }, 1},
    {"ComboBox3 item 0", [](Form& f) { f.ComboBox3.setItemIndex(0); },
     [](const O& o) { return o.lastDrawsNumbers.count; }, 1},
    {"ComboBox3 item 2", [](Form& f) { f.ComboBox3.setItemIndex(2); },
     [](const O& o) { return o.lastDrawsNumbers.count; }, 3},
    {"CheckBox30", [](Form& f) { f.CheckBox30.setChecked(true); },
     [](const O& o) { return int(o.dateInAllYears.on); }, 1},
    {"DateTimePicker3", [](Form& f) { (void)f.DateTimePicker3.setDate(encodeDate(2024, 2, 29)); },
     [](const O& o) { return int(o.dateInAllYears.date); }, int(encodeDate(2024, 2, 29))},
    {"CheckBox20", [](Form& f) { f.CheckBox20.setChecked(true); },
     [](const O& o) { return int(o.editList); }, 1},
    {"CheckBox15", [](Form& f) { f.CheckBox15.setChecked(true); },
     [](const O& o) { return int(o.preferredOnly); }, 1},
    {"CheckBox9", [](Form& f) { f.CheckBox9.setChecked(false); },
     [](const O& o) { return int(o.historyFilterOn); }, 0},
    {"UpDown6", [](Form& f) { f.UpDown6.setPosition(3); }, [](const O& o) { return o.historyHits; },
     3},
    {"CheckBox17", [](Form& f) { f.CheckBox17.setChecked(false); },
     [](const O& o) { return int(o.recentFilterOn); }, 0},
    {"UpDown19", [](Form& f) { f.UpDown19.setPosition(9); },
     [](const O& o) { return o.recentHits; }, 9},
    {"UpDown20", [](Form& f) { f.UpDown20.setPosition(356); },
     [](const O& o) { return o.recentDraws; }, 356},
    {"CheckBox4", [](Form& f) { f.CheckBox4.setChecked(false); },
     [](const O& o) { return int(o.lastDrawRange[0].on); }, 0},
    {"UpDown4", [](Form& f) { f.UpDown4.setPosition(6); },
     [](const O& o) { return o.lastDrawRange[0].max; }, 6},
    {"UpDown21", [](Form& f) { f.UpDown21.setPosition(2); },
     [](const O& o) { return o.lastDrawRange[0].min; }, 2},
    {"CheckBox5", [](Form& f) { f.CheckBox5.setChecked(false); },
     [](const O& o) { return int(o.lastDrawRange[1].on); }, 0},
    {"UpDown5", [](Form& f) { f.UpDown5.setPosition(7); },
     [](const O& o) { return o.lastDrawRange[1].max; }, 7},
    {"UpDown22", [](Form& f) { f.UpDown22.setPosition(3); },
     [](const O& o) { return o.lastDrawRange[1].min; }, 3},
    {"CheckBox23", [](Form& f) { f.CheckBox23.setChecked(false); },
     [](const O& o) { return int(o.lastDrawRange[2].on); }, 0},
    {"UpDown11", [](Form& f) { f.UpDown11.setPosition(8); },
     [](const O& o) { return o.lastDrawRange[2].max; }, 8},
    {"UpDown23", [](Form& f) { f.UpDown23.setPosition(4); },
     [](const O& o) { return o.lastDrawRange[2].min; }, 4},
    {"CheckBox3", [](Form& f) { f.CheckBox3.setChecked(false); },
     [](const O& o) { return int(o.maxMatchesOn); }, 0},
    {"UpDown3", [](Form& f) { f.UpDown3.setPosition(9); }, [](const O& o) { return o.maxMatches; },
     9},
    {"CheckBox24", [](Form& f) { f.CheckBox24.setChecked(false); },
     [](const O& o) { return int(o.minMatchesOn); }, 0},
    {"UpDown1", [](Form& f) { f.UpDown1.setPosition(0); }, [](const O& o) { return o.minMatches; },
     0},
    {"CheckBox27", [](Form& f) { f.CheckBox27.setChecked(false); },
     [](const O& o) { return int(o.boundsForEveryTip); }, 0},
    {"CheckBox8", [](Form& f) { f.CheckBox8.setChecked(true); },
     [](const O& o) { return int(o.consecutivePairRequired); }, 1},
    {"CheckBox18", [](Form& f) { f.CheckBox18.setChecked(false); },
     [](const O& o) { return int(o.noRunsOfThree); }, 0},
    {"UpDown2", [](Form& f) { f.UpDown2.setPosition(750); },
     [](const O& o) { return o.crossSumMin; }, 750},
    {"UpDown15", [](Form& f) { f.UpDown15.setPosition(1400); },
     [](const O& o) { return o.crossSumMax; }, 1400},
    {"CheckBox22", [](Form& f) { f.CheckBox22.setChecked(true); },
     [](const O& o) { return int(o.primesOn); }, 1},
    {"UpDown10", [](Form& f) { f.UpDown10.setPosition(6); }, [](const O& o) { return o.minPrimes; },
     6},
    {"CheckBox25", [](Form& f) { f.CheckBox25.setChecked(true); },
     [](const O& o) { return int(o.evenOn); }, 1},
    {"UpDown16", [](Form& f) { f.UpDown16.setPosition(5); }, [](const O& o) { return o.minEven; },
     5},
    {"CheckBox26", [](Form& f) { f.CheckBox26.setChecked(true); },
     [](const O& o) { return int(o.oddOn); }, 1},
    {"UpDown17", [](Form& f) { f.UpDown17.setPosition(0); }, [](const O& o) { return o.minOdd; },
     0},
};

INSTANTIATE_TEST_SUITE_P(EveryOption, GeneratorOptionsMapping, ::testing::ValuesIn(kMappingCases));

}  // namespace
}  // namespace numora
