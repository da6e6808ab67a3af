// The pictures of the updater's skin. Each returns a finished canvas at the exact pixel size of
// the component that shows it.
#pragma once

#include <string>

#include "ui/assets/painter/canvas.h"
#include "ui/assets/painter/lettering.h"

namespace veyra::painter {

enum class StartLook { Rest, Lit, Pressed, Disabled };
enum class BarLook { Normal, Hover, Press };
enum class Glyph { Close, Minimize };
enum class Tube { File, Total };

// 192 x 165, the round "Start game" button.
Canvas PaintStartButton(const Lettering& lettering, StartLook look);
// 152 x 40, a bar-shaped button with its label.
Canvas PaintBarButton(const Lettering& lettering, const std::string& label, BarLook look);
// 45 x 45, the close or minimise glyph in its round bezel.
Canvas PaintGlyphButton(Glyph glyph, bool highlighted);
// 32 x 260, a glass progress tube, lit (full) or unlit (empty).
Canvas PaintTube(Tube tube, bool lit);
// 950 x 600, the whole window art with its irregular outline.
Canvas PaintMainForm(const Lettering& lettering);

}  // namespace veyra::painter
