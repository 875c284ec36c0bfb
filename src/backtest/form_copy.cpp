#include "backtest/form_copy.h"

#include <climits>

namespace numora {
namespace {

void copyControl(const Control& from, Control& to) {
  if (const auto* source = dynamic_cast<const UpDown*>(&from)) {
    auto& target = dynamic_cast<UpDown&>(to);
    // Widest limits first, so no limit clamps the position on the way.
    target.setMin(INT_MIN);
    target.setMax(INT_MAX);
    target.setPosition(source->position());
    target.setMin(source->min());
    target.setMax(source->max());
  } else if (const auto* source = dynamic_cast<const CheckBox*>(&from)) {
    dynamic_cast<CheckBox&>(to).setChecked(source->checked());
  } else if (const auto* source = dynamic_cast<const Edit*>(&from)) {
    dynamic_cast<Edit&>(to).setText(source->text());
  } else if (const auto* source = dynamic_cast<const ComboBox*>(&from)) {
    dynamic_cast<ComboBox&>(to).setItemIndex(source->itemIndex());
  } else if (const auto* source = dynamic_cast<const RadioGroup*>(&from)) {
    dynamic_cast<RadioGroup&>(to).setItemIndex(source->itemIndex());
  } else if (const auto* source = dynamic_cast<const ListBox*>(&from)) {
    auto& target = dynamic_cast<ListBox&>(to);
    target.setLines(source->lines());
    target.setItemIndex(source->itemIndex());
  } else if (const auto* source = dynamic_cast<const DatePicker*>(&from)) {
    auto& target = dynamic_cast<DatePicker&>(to);
    target.setMinDate(source->minDate());
    (void)target.setDate(source->date());
  } else if (const auto* source = dynamic_cast<const StatusBar*>(&from)) {
    auto& target = dynamic_cast<StatusBar&>(to);
    for (std::size_t i = 0; i < StatusBar::kPanels; ++i) target.setPanel(i, source->panel(i));
  }
  to.setEnabled(from.enabled());
  to.setCaption(from.caption());
}

}  // namespace

void copyFormState(const Form& from, Form& to) {
  copyFormState(from, to, [](const Control&) { return false; });
}

void copyFormState(const Form& from, Form& to, const std::function<bool(const Control&)>& keep) {
  const auto& sources = from.registry.all();
  const auto& targets = to.registry.all();
  // Both forms register the same controls in the same order.
  for (std::size_t i = 0; i < sources.size() && i < targets.size(); ++i) {
    if (!keep(*targets[i])) copyControl(*sources[i], *targets[i]);
  }
  to.Datum1 = from.Datum1;
  to.Zahl = from.Zahl;
  to.Zahl5 = from.Zahl5;
  to.Position = from.Position;
  to.aktDatum = from.aktDatum;
  to.Gewinn = from.Gewinn;
  to.Statistik = from.Statistik;
  to.sortieren = from.sortieren;
  to.closing = from.closing;
  to.Home = from.Home;
  to.ZahlenFile = from.ZahlenFile;
  to.SoundName = from.SoundName;
  to.LaufMax = from.LaufMax;
  to.groesse = from.groesse;
  to.random = from.random;
  to.System = from.System;
  to.Preis = from.Preis;
  to.Neuerschein = from.Neuerschein;
  to.Plus5 = from.Plus5;
  to.Land = from.Land;
  to.TippTop = from.TippTop;
  to.TippLeft = from.TippLeft;
}

}  // namespace numora
