#include "ui/skin/progress_bars.h"

namespace veyra::skin {

void ProgressBars::StepTotalBar(float amount) {
  if (totalBar_.height() <= kProgressEmpty) totalBar_.SetHeight(totalBar_.height() + amount);
}

}  // namespace veyra::skin
