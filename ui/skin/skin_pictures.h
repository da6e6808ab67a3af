// The skin's pictures and the status line's font, decoded from the files compiled into the
// program.
#pragma once

#include <memory>

#include "ui/bitmap.h"
#include "ui/font.h"

namespace veyra::skin {

struct SkinPictures {
  using Picture = std::shared_ptr<const ui::Bitmap>;
  Picture mainForm;
  Picture startDisabled, startHover, startPress;
  Picture updateNormal, updateHover, updatePress;
  Picture cancelNormal, cancelHover, cancelPress;
  Picture siteNormal, siteHover, sitePress;
  Picture closeHighlight, minimizeHighlight;
  Picture fileProgressFill, totalProgressFill;
  std::shared_ptr<const ui::Font> statusFont;
};

// Decodes everything once; throws veyra::Error when an embedded file is broken.
SkinPictures LoadSkinPictures();

}  // namespace veyra::skin
