// Reads the generator settings from the form's controls (the one place that knows which
// control holds which setting).
#include "generator/generator_options.h"

#include "form/form.h"

namespace numora {

namespace {

GeneratorOptions::DrawRange drawRange(const CheckBox& on, const UpDown& max, const UpDown& min) {
  return {on.checked(), max.position(), min.position()};
}

}  // namespace

GeneratorOptions readGeneratorOptions(const Form& form) {
  GeneratorOptions options;
  options.numbersPerTip = form.numbersPerTip();
  options.totalTips = form.totalTips();
  options.deleteBeforeCalculating = form.CheckBox28.checked();
  options.runBudgetThousands = form.UpDown7.position();

  options.frequentNumbers = {form.CheckBox2.checked(), form.UpDown12.position()};
  options.overdueNumbers = {form.CheckBox10.checked(), form.UpDown13.position()};
  options.rareNumbers = {form.CheckBox14.checked(), form.UpDown14.position()};
  options.pairs = {form.CheckBox1.checked(), form.CheckBox11.checked()};
  options.triples = {form.CheckBox6.checked(), form.CheckBox12.checked()};
  options.fourGroups = {form.CheckBox7.checked(), form.CheckBox13.checked()};
  options.adjacentNumbers = form.CheckBox19.checked();
  // Item index 0, 1, 2 = one, two, three draws; no item chosen adds nothing.
  const int lastDrawsItem = form.ComboBox3.itemIndex();
  options.lastDrawsNumbers = {form.CheckBox31.checked(),
                              lastDrawsItem >= 0 && lastDrawsItem <= 2 ? lastDrawsItem + 1 : 0};
  options.dateInAllYears = {form.CheckBox30.checked(), form.DateTimePicker3.date()};
  options.editList = form.CheckBox20.checked();
  options.preferredOnly = form.CheckBox15.checked();

  options.historyFilterOn = form.CheckBox9.checked();
  options.historyHits = form.UpDown6.position();
  options.recentFilterOn = form.CheckBox17.checked();
  options.recentHits = form.UpDown19.position();
  options.recentDraws = form.UpDown20.position();
  options.lastDrawRange = {drawRange(form.CheckBox4, form.UpDown4, form.UpDown21),
                           drawRange(form.CheckBox5, form.UpDown5, form.UpDown22),
                           drawRange(form.CheckBox23, form.UpDown11, form.UpDown23)};

  options.maxMatchesOn = form.CheckBox3.checked();
  options.maxMatches = form.UpDown3.position();
  options.minMatchesOn = form.CheckBox24.checked();
  options.minMatches = form.UpDown1.position();
  options.boundsForEveryTip = form.CheckBox27.checked();
  options.consecutivePairRequired = form.CheckBox8.checked();
  options.noRunsOfThree = form.CheckBox18.checked();

  options.crossSumMin = form.UpDown2.position();
  options.crossSumMax = form.UpDown15.position();
  options.primesOn = form.CheckBox22.checked();
  options.minPrimes = form.UpDown10.position();
  options.evenOn = form.CheckBox25.checked();
  options.minEven = form.UpDown16.position();
  options.oddOn = form.CheckBox26.checked();
  options.minOdd = form.UpDown17.position();
  return options;
}

}  // namespace numora
