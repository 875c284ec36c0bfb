#include "app/qt/event_hooks.h"

#include <QEvent>
#include <QMouseEvent>
#include <QWidget>

namespace numora {

void EventHooks::watch(QWidget* widget) {
  if (enter_.count(widget) || leave_.count(widget) || click_.count(widget)) return;
  widget->installEventFilter(this);
  connect(widget, &QObject::destroyed, this, [this](QObject* gone) {
    enter_.erase(gone);
    leave_.erase(gone);
    click_.erase(gone);
  });
}

void EventHooks::onEnter(QWidget* widget, std::function<void()> action) {
  watch(widget);
  enter_[widget] = std::move(action);
}

void EventHooks::onLeave(QWidget* widget, std::function<void()> action) {
  watch(widget);
  leave_[widget] = std::move(action);
}

void EventHooks::onClick(QWidget* widget, std::function<void()> action) {
  watch(widget);
  click_[widget] = std::move(action);
}

bool EventHooks::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Enter || event->type() == QEvent::Leave) {
    auto& actions = event->type() == QEvent::Enter ? enter_ : leave_;
    const auto found = actions.find(watched);
    if (found != actions.end()) {
      // A copy: the action may rebuild the hooks.
      const auto action = found->second;
      action();
    }
  } else if (event->type() == QEvent::MouseButtonRelease) {
    const auto found = click_.find(watched);
    auto* mouse = static_cast<QMouseEvent*>(event);
    auto* widget = qobject_cast<QWidget*>(watched);
    if (found != click_.end() && mouse->button() == Qt::LeftButton && widget &&
        widget->rect().contains(mouse->position().toPoint())) {
      const auto action = found->second;
      action();
      return true;
    }
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace numora
