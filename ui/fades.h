// Opacity fades: at most one per image, linear in time, advanced by the animation timer.
#pragma once

#include <unordered_map>

#include "ui/backend.h"
#include "ui/image.h"

namespace veyra::ui {

class Fades {
 public:
  // Starts a fade of the image's opacity to target over seconds. A fade still running on the
  // image first ends at once at its own target. The start value is the opacity after that.
  void Start(Image& image, float target, double seconds, Clock::time_point now);

  // One timer tick: each fade's opacity becomes start + (target - start) * elapsed / duration;
  // at the first tick where the elapsed time reaches the duration it becomes exactly the target
  // and the fade ends.
  void Tick(Clock::time_point now);

  bool running() const { return !fades_.empty(); }

 private:
  struct Fade {
    float start;
    float target;
    Clock::time_point begin;
    Clock::duration duration;
  };
  std::unordered_map<Image*, Fade> fades_;
};

}  // namespace veyra::ui
