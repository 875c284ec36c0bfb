#include "app/qt/sound_player.h"

#include <QAudioDevice>
#include <QFileInfo>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

namespace numora {

SoundPlayer::SoundPlayer() = default;
SoundPlayer::~SoundPlayer() = default;

bool SoundPlayer::hasAudioOutput() {
  // Asked once: the answer costs a round trip to the sound server.
  if (!audioOutput_) audioOutput_ = !QMediaDevices::audioOutputs().isEmpty();
  return *audioOutput_;
}

bool SoundPlayer::play(const std::string& path) {
  const QString file = QString::fromStdString(path);
  if (!QFileInfo(file).isFile() || !hasAudioOutput()) return false;
  if (!effect_) effect_ = std::make_unique<QSoundEffect>();
  const QUrl source = QUrl::fromLocalFile(file);
  if (effect_->source() != source) effect_->setSource(source);
  if (effect_->isPlaying()) effect_->stop();
  effect_->play();
  return true;
}

}  // namespace numora
