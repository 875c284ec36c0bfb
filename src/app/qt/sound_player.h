// Plays the hit sound without waiting. Without an audio device Qt's sound effect never finishes,
// so the device check comes first and playing is skipped when there is none.
#pragma once

#include <memory>
#include <optional>
#include <string>

class QSoundEffect;

namespace numora {

class SoundPlayer {
 public:
  SoundPlayer();
  ~SoundPlayer();
  SoundPlayer(const SoundPlayer&) = delete;
  SoundPlayer& operator=(const SoundPlayer&) = delete;

  // Starts the ".wav" file; a start while it plays restarts it. A missing file or a machine
  // without audio output plays nothing. Returns whether playback was started.
  bool play(const std::string& path);

 private:
  bool hasAudioOutput();

  std::optional<bool> audioOutput_;
  std::unique_ptr<QSoundEffect> effect_;
};

}  // namespace numora
