#include "tips/tip_list.h"

#include "common/translatable.h"

#include "common/text.h"
#include "evaluation/evaluation_report.h"
#include "evaluation/komplettcheck.h"

namespace numora {
namespace {

constexpr int kMostTips = 120;

void followSelection(ListBox& other, int index, Form& form) {
  other.setItemIndex(index < static_cast<int>(other.count()) ? index : -1);
  const int selected = form.ListBox1.itemIndex();
  // Without a selected tip there is no ticket to show; the labels keep their texts.
  if (selected < 0) return;
  const TicketPlace place = ticketPlace(selected, form.tipsPerTicket());
  form.Label23.setCaption(
      fillPattern(NUMORA_TRANSLATABLE("Numora", "%1. ticket"), {std::to_string(place.ticket)}));
  form.Label24.setCaption(
      fillPattern(NUMORA_TRANSLATABLE("Numora", "%1. tip"), {std::to_string(place.tip)}));
}

}  // namespace

TicketPlace ticketPlace(int index, int tipsPerTicket) {
  return TicketPlace{index / tipsPerTicket + 1, index % tipsPerTicket + 1};
}

void followTipSelection(Form& form) {
  followSelection(form.ListBox2, form.ListBox1.itemIndex(), form);
}
void followHitSelection(Form& form) {
  followSelection(form.ListBox1, form.ListBox2.itemIndex(), form);
}

void keepTotalTipsNumeric(Form& form) {
  const auto value = parseStrictInt(form.Edit1.text());
  const int total = value && *value >= 1 && *value <= kMostTips ? *value : kMostTips;
  form.Edit1.setText(std::to_string(total));
  form.UpDown9.setPosition(total);
}

void leaveTotalTips(Form& form, Platform& platform) {
  if (form.sortieren) Komplettcheck(form, platform);
}

void applyCostPerTip(Form& form) {
  form.Preis = static_cast<double>(stakePerTip(form)) * form.tipsPerTicket() * form.totalTips();
}

void deleteAllTips(Form& form) {
  form.ListBox1.clear();
  form.ListBox2.clear();
}

}  // namespace numora
