#include "ui/skin/skin_pictures.h"

#include <string>

#include "ui/assets/embedded_files.h"

namespace veyra::skin {
namespace {

SkinPictures::Picture Decode(const std::string& name) {
  return std::make_shared<const ui::Bitmap>(
      ui::Bitmap::FromPng(assets::EmbeddedFile(name + ".png")));
}

}  // namespace

SkinPictures LoadSkinPictures() {
  SkinPictures p;
  p.mainForm = Decode("main_form");
  p.startDisabled = Decode("start_disabled");
  p.startHover = Decode("start_hover");
  p.startPress = Decode("start_press");
  p.updateNormal = Decode("update_normal");
  p.updateHover = Decode("update_hover");
  p.updatePress = Decode("update_press");
  p.cancelNormal = Decode("cancel_normal");
  p.cancelHover = Decode("cancel_hover");
  p.cancelPress = Decode("cancel_press");
  p.siteNormal = Decode("site_normal");
  p.siteHover = Decode("site_hover");
  p.sitePress = Decode("site_press");
  p.closeHighlight = Decode("close_highlight");
  p.minimizeHighlight = Decode("minimize_highlight");
  p.fileProgressFill = Decode("file_progress_fill");
  p.totalProgressFill = Decode("total_progress_fill");
  p.statusFont = ui::Font::FromTrueType(assets::EmbeddedFile("status_font.ttf"));
  return p;
}

}  // namespace veyra::skin
