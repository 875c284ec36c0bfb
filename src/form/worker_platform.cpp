#include "form/worker_platform.h"

#include <algorithm>

namespace numora {
namespace {

// The window shows 25 pictures a second at most; work publishes a little more often.
constexpr auto kPublishInterval = std::chrono::milliseconds(20);

}  // namespace

FormProgress FormProgress::of(const Form& form) {
  FormProgress progress;
  progress.barVisible = form.WorkProgress.visible();
  progress.position = form.WorkProgress.position();
  progress.maximum = form.WorkProgress.maximum();
  progress.barCaption = form.WorkProgress.shownCaption();
  progress.replayCaption = form.ReplayProgress.shownCaption();
  for (std::size_t i = 0; i < StatusBar::kPanels; ++i) {
    progress.panels[i] = form.StatusBar1.panel(i);
  }
  progress.tips = form.ListBox1.lines();
  progress.pairRequired = form.CheckBox8.checked();
  return progress;
}

void FormProgress::showOn(Form& form) const {
  form.WorkProgress.setVisible(barVisible);
  form.WorkProgress.setProgress(position, maximum);
  form.WorkProgress.setCaption(barCaption);
  form.ReplayProgress.setCaption(replayCaption);
  for (std::size_t i = 0; i < StatusBar::kPanels; ++i) form.StatusBar1.setPanel(i, panels[i]);
  if (form.ListBox1.lines() != tips) form.ListBox1.setLines(tips);
  form.CheckBox8.setChecked(pairRequired);
}

PlatformMoment PlatformMoment::of(Platform& platform) {
  return PlatformMoment{platform.now(), platform.shortDayNames(), platform.longDayNames()};
}

WorkerPlatform::WorkerPlatform(Form& form, PlatformMoment moment, std::stop_token stop,
                               const WorkPoints& points, LatestValue<FormProgress>& progress)
    : form_(form),
      moment_(std::move(moment)),
      stop_(std::move(stop)),
      points_(points),
      progress_(progress) {}

std::vector<PatternText> WorkerPlatform::messages() const {
  std::lock_guard lock(mutex_);
  return messages_;
}

void WorkerPlatform::showMessage(const PatternText& text) {
  // A message given in every cycle of a back-test is told once, not thousands of times.
  std::lock_guard lock(mutex_);
  const bool told = std::any_of(messages_.begin(), messages_.end(), [&](const PatternText& told) {
    return told.written() == text.written();
  });
  if (!told) messages_.push_back(text);
}

std::vector<std::string> WorkerPlatform::details() const {
  std::lock_guard lock(mutex_);
  return details_;
}

void WorkerPlatform::reportDetails(const std::vector<std::string>& lines) {
  std::lock_guard lock(mutex_);
  details_.insert(details_.end(), lines.begin(), lines.end());
}

void WorkerPlatform::playSound(const std::string& path) {
  std::lock_guard lock(mutex_);
  lastSound_ = path;
}

std::optional<std::string> WorkerPlatform::lastSound() const {
  std::lock_guard lock(mutex_);
  return lastSound_;
}

void WorkerPlatform::publishProgress() {
  progress_.publish(FormProgress::of(form_));
  lastPublished_ = std::chrono::steady_clock::now();
}

void WorkerPlatform::lookForStop() {
  if (stop_.stop_requested()) form_.closing = true;
}

void WorkerPlatform::processEvents() {
  if (points_.showsEveryStep) publishProgress();
  if (points_.progressPoint) points_.progressPoint();
  lookForStop();
}

bool WorkerPlatform::wantsProgress() {
  return points_.showsEveryStep ||
         std::chrono::steady_clock::now() - lastPublished_ >= kPublishInterval;
}

void WorkerPlatform::repaint() {
  // The window takes 25 pictures a second at most; a script looks at every step.
  const auto now = std::chrono::steady_clock::now();
  if (points_.showsEveryStep || now - lastPublished_ >= kPublishInterval) {
    publishProgress();
    if (points_.showPoint) points_.showPoint();
  }
  lookForStop();
}

}  // namespace numora
