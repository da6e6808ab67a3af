// The font the toolkit's tests draw with: DejaVu Sans Bold from the system (fonts-dejavu-core).
#pragma once

#include <memory>

#include "ui/font.h"

namespace veyra::ui {

std::shared_ptr<const Font> LoadTestFont();

}  // namespace veyra::ui
