// Mouse entries, exits and clicks on widgets that have no signal for them (labels, panels, date
// edits), turned into calls. The hint line and the clickable labels hang on it.
#pragma once

#include <QObject>
#include <functional>
#include <map>

class QWidget;

namespace numora {

class EventHooks : public QObject {
 public:
  using QObject::QObject;

  void onEnter(QWidget* widget, std::function<void()> action);
  void onLeave(QWidget* widget, std::function<void()> action);
  // A left-button press and release inside the widget.
  void onClick(QWidget* widget, std::function<void()> action);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void watch(QWidget* widget);

  std::map<QObject*, std::function<void()>> enter_;
  std::map<QObject*, std::function<void()>> leave_;
  std::map<QObject*, std::function<void()>> click_;
};

}  // namespace numora
