// The two progress bars. Each is a cover laid over a lit tube of the background: its height in
// pixels hides that many rows from the top, so 260 shows the tube empty and 0 shows it full.
// Heights are single-precision and never rounded; below 0 they are stored as 0, and nothing caps
// them above 260.
#pragma once

#include "ui/tiled_rect.h"

namespace veyra::skin {

inline constexpr float kProgressEmpty = 260;

class ProgressBars {
 public:
  ProgressBars(ui::TiledRect& fileBar, ui::TiledRect& totalBar)
      : fileBar_(fileBar), totalBar_(totalBar) {}

  void SetFileBar(float height) { fileBar_.SetHeight(height); }
  void SetTotalBar(float height) { totalBar_.SetHeight(height); }
  // Moves the total bar by amount, but only while its height is at most 260.
  void StepTotalBar(float amount);

  float fileBar() const { return fileBar_.height(); }
  float totalBar() const { return totalBar_.height(); }

 private:
  ui::TiledRect& fileBar_;
  ui::TiledRect& totalBar_;
};

}  // namespace veyra::skin
