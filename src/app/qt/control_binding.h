// Keeps the widgets in step with the form model: each control is shown by the widget bound to
// it, and a widget is updated only when its control's change counter moved since it was shown.
#pragma once

#include <QPointer>
#include <QWidget>
#include <cstdint>
#include <map>
#include <string>

#include "form/controls.h"
#include "form/string_grid.h"

namespace numora {

// The property of a read-only memo that shows a text of the program (an explanation), not the
// user's or a web page's: it is shown in the user's language.
inline constexpr char kShowsModelText[] = "numoraShowsModelText";

// Writes a control's state into its widget by the control's type: caption, hint, visible,
// enabled, and the type's own value (position, text, items, date, panels, ...). Signals of the
// widget are blocked meanwhile, so showing a value never reads as a user's change.
void showControl(const Control& control, QWidget* widget);

class ControlBinding {
 public:
  void bind(const Control& control, QWidget* widget);
  QWidget* widget(const std::string& name) const;

  // Shows every control whose change counter differs from the one shown last.
  void refresh(const ControlRegistry& registry);
  // Shows one control again whatever its counter says (after a widget took a value that the
  // model refused).
  void show(const Control& control);

 private:
  struct Entry {
    QPointer<QWidget> widget;
    std::uint64_t shownCount = 0;
    bool shown = false;
  };
  std::map<std::string, Entry> entries_;
};

// Names a new widget after its control and binds it: `bound(binding, form.Button7, new ...)`.
template <typename Widget>
Widget* bound(ControlBinding& binding, const Control& control, Widget* widget) {
  widget->setObjectName(QString::fromStdString(control.name()));
  binding.bind(control, widget);
  return widget;
}

}  // namespace numora
