#include "tips/ticket_sheet.h"

#include <cstdio>
#include <filesystem>

#include "common/text_file.h"

namespace numora {

std::vector<std::string> ticketSheetLines(const std::vector<std::string>& tips, int totalTips,
                                          int tipsPerTicket, DayCount today,
                                          const WeekdayNames& longDayNames) {
  const CivilDate date = decodeDate(today);
  char heading[96];
  std::snprintf(heading, sizeof heading, "Numora Tip from %s %02d.%02d.%02d",
                longDayNames[static_cast<std::size_t>(weekdayIndex(today))].c_str(), date.day,
                date.month, date.year % 100);
  std::vector<std::string> lines = {heading, std::string(39, '~'), ""};

  const int perTicket = std::max(tipsPerTicket, 1);
  const int tickets = (std::max(totalTips, 0) + perTicket - 1) / perTicket;
  for (int ticket = 0; ticket < tickets; ++ticket) {
    for (int place = 1; place <= perTicket; ++place) {
      const auto index = static_cast<std::size_t>(ticket * perTicket + place - 1);
      if (index >= tips.size()) continue;
      char number[16];
      std::snprintf(number, sizeof number, "%2d", place);
      lines.push_back(std::string(number) + ". Tip:  " + tips[index]);
    }
    lines.emplace_back(" ");
  }
  return lines;
}

void writeTicketSheet(Form& form, Platform& platform) {
  const std::filesystem::path path = std::filesystem::path(form.Home) / kTicketSheetFile;
  writeTextLines(path,
                 ticketSheetLines(form.ListBox1.lines(), form.totalTips(), form.tipsPerTicket(),
                                  platform.today(), platform.longDayNames()));
  platform.shellOpen(path.string());
}

}  // namespace numora
