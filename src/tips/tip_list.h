// The tip list and hit list on the "Keno-Tips" tab: the selection kept in step between the two
// lists, the ticket and tip labels, the total-tips field, the cost per tip and "Delete all".
#pragma once

#include "form/form.h"
#include "form/platform.h"

namespace numora {

struct TicketPlace {
  int ticket;  // 1-based
  int tip;     // 1-based place in the ticket
};

// The ticket of the tip at list position index (0-based) with tipsPerTicket tips a ticket.
TicketPlace ticketPlace(int index, int tipsPerTicket);

// A line of one list was selected: the other list follows, the labels show ticket and tip.
void followTipSelection(Form& form);
void followHitSelection(Form& form);

// The total-tips text is kept a plain number 1..120; anything else becomes "120".
void keepTotalTipsNumeric(Form& form);
// Leaving the total-tips field scores the list again.
void leaveTotalTips(Form& form, Platform& platform);

// A new cost per tip: the stored price becomes stake x tips per ticket x total tips.
void applyCostPerTip(Form& form);

// "Delete all tips": both lists emptied; the labels keep their texts.
void deleteAllTips(Form& form);

}  // namespace numora
