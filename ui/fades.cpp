#include "ui/fades.h"

#include <cmath>

namespace veyra::ui {

void Fades::Start(Image& image, float target, double seconds, Clock::time_point now) {
  if (const auto running = fades_.find(&image); running != fades_.end()) {
    image.SetOpacity(running->second.target);
    fades_.erase(running);
  }
  const double clamped = std::isfinite(seconds) && seconds > 0 ? seconds : 0;
  const auto duration =
      std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(clamped));
  fades_.emplace(&image, Fade{image.opacity(), target, now, duration});
}

void Fades::Tick(Clock::time_point now) {
  std::erase_if(fades_, [now](auto& entry) {
    auto& [image, fade] = entry;
    const auto elapsed = now - fade.begin;
    if (elapsed >= fade.duration) {
      image->SetOpacity(fade.target);
      return true;
    }
    const double progress = std::chrono::duration<double>(elapsed) / fade.duration;
    image->SetOpacity(static_cast<float>(fade.start + (fade.target - fade.start) * progress));
    return false;
  });
}

}  // namespace veyra::ui
