// Long work beside the window. The window's thread prepares the work (reads the options, asks
// the questions), a worker thread computes from what was prepared without touching the window's
// form, and the window's thread applies the result when the work has ended. Meanwhile the window
// shows the latest progress the work reported, at its own pace.
#pragma once

#include <exception>
#include <functional>
#include <mutex>
#include <optional>
#include <utility>

namespace numora {

// The latest of the values a worker reports. The worker never waits for the window and the
// window never sees a value half written; values in between may be skipped.
template <typename Value>
class LatestValue {
 public:
  void publish(Value value) {
    std::lock_guard lock(mutex_);
    value_ = std::move(value);
  }
  std::optional<Value> latest() const {
    std::lock_guard lock(mutex_);
    return value_;
  }

 private:
  mutable std::mutex mutex_;
  std::optional<Value> value_;
};

// What the platform gives the work while it runs on its thread.
struct WorkPoints {
  // Called where the work may be stopped (once per candidate of a calculation): numora-cli's
  // "after N" commands and the tests act here when the work runs on the calling thread.
  std::function<void()> progressPoint;
  // Called where the work has something new to show (a cycle counted): a script's window shows
  // it at once, a real window at its own pace.
  std::function<void()> showPoint;
  // Whether the window looks at every step: a script does, a window at its own pace.
  bool showsEveryStep = false;
};

struct BackgroundWork {
  // On the worker: touches nothing the window's thread uses and returns soon after its stop
  // token asks it to.
  std::function<void(const WorkPoints& points)> compute;
  // On the window's thread while the work runs, 25 times a second and at every progress point
  // of work run on the calling thread; may be empty.
  std::function<void()> showProgress;
  // On the window's thread once the work has ended; the error the work threw, if any.
  std::function<void(std::exception_ptr failure)> finish;
};

// Runs the work to its end on the calling thread: the platforms without a window (numora-cli,
// the tests, the workers of a sweep) do so, with the progress points where the work sets them.
void runWorkHere(const BackgroundWork& work, const std::function<void()>& atProgressPoint,
                 bool showsEveryStep);

}  // namespace numora
