// The undo history of draw deletions: each "delete" keeps what it took out of the draw file,
// and "Undo" for draws puts the newest deletion back through the atomic rewrite. A file that did
// not change since the deletion gets its old bytes back exactly; a file that changed since (an
// update appended draws) gets the deleted draw back in its date's place, never twice.
#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "draws/current_draw.h"

#include "common/translatable.h"

namespace numora {

// What the hint line says when there is nothing to undo (draws or tips).
constexpr const char* kNothingToUndo = NUMORA_TRANSLATABLE("Numora", "Nothing to undo");

class DrawDeletionHistory {
 public:
  // The oldest deletions go beyond this many steps.
  static constexpr std::size_t kSteps = 50;

  // Notes the draw file as it is before a deletion (nothing when there is no readable file).
  void beforeDelete(DrawContext context);
  // Keeps what the deletion took out, when it took anything.
  void afterDelete(DrawContext context);
  std::size_t steps() const { return deletions_.size(); }
  // Puts the newest deletion back and shows its draw; without one the hint line says so and
  // false is returned. A deleted draw whose date and time of day hold another draw stored since
  // stays out, and a message says so. Throws DrawFileError when the file cannot be rewritten (the
  // deletion stays kept).
  bool undo(DrawContext context);

 private:
  struct Deletion {
    std::filesystem::path file;
    bool dailyKeno = false;
    // The records taken out, with their places in the file before the deletion, and the bytes
    // of a torn record after the last one, which the rewrite dropped.
    std::vector<std::pair<std::size_t, DrawRecord>> removed;
    std::string tornTail;
    DayCount shownDate = 0;
    // What the file held right after the deletion.
    std::size_t recordsAfter = 0;
    std::uint64_t fingerprintAfter = 0;
  };

  std::optional<std::filesystem::path> pendingFile_;
  std::shared_ptr<const DrawHistory> pendingBefore_;
  std::string pendingTornTail_;
  DayCount pendingShownDate_ = 0;
  std::deque<Deletion> deletions_;
};

}  // namespace numora
