// The X11 message box: a small ordinary window centred on the screen with the text and an OK
// button, modal to its owner.
#pragma once

#include <X11/Xlib.h>

#include <functional>
#include <memory>
#include <string>

#include "ui/font.h"

namespace veyra::ui {

// Returns when OK, Enter, Escape or the window's close button ends the box. While it is up,
// serveOwner is called whenever no event for the box is waiting; it must handle the owner's
// events (ignoring its pointer input), wait for the next event and return whether the owner is
// still open. The box ends with its owner.
void ShowMessageBox(Display& display, ::Window owner, const std::shared_ptr<const Font>& font,
                    const std::string& caption, const std::string& text,
                    const std::function<bool()>& serveOwner);

}  // namespace veyra::ui
