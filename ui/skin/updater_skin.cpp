#include "ui/skin/updater_skin.h"

#include "ui/skin/layout.h"

namespace veyra::skin {
namespace {

ui::RectF ToRect(PixelRect r) {
  return {static_cast<float>(r.x), static_cast<float>(r.y), static_cast<float>(r.width),
          static_cast<float>(r.height)};
}

ui::Image& AddImage(ui::Window& window, PixelRect rect, SkinPictures::Picture picture,
                    float opacity, bool visible = true) {
  ui::Image& image = window.scene().Add<ui::Image>(ToRect(rect), std::move(picture), opacity);
  image.SetVisible(visible);
  return image;
}

ui::TiledRect& AddBar(ui::Window& window, PixelRect rect, SkinPictures::Picture fill) {
  return window.scene().Add<ui::TiledRect>(ToRect(rect), std::move(fill));
}

ui::Label& AddStatus(ui::Window& window, const SkinPictures& pictures) {
  ui::TextStyle style{pictures.statusFont, 12, 0xFFDCDCDC};
  return window.scene().Add<ui::Label>(ToRect(kStatusRect), style);
}

void Run(const std::function<void()>& action) {
  if (action) action();
}

}  // namespace

ui::WindowOptions UpdaterWindowOptions(const SkinPictures& pictures) {
  return {kWindowCaption, kWindowWidth, kWindowHeight, pictures.statusFont};
}

UpdaterSkin::UpdaterSkin(ui::Window& window, const SkinPictures& p, bool& canUpdate,
                         SkinActions actions)
    : window_(window),
      canUpdate_(canUpdate),
      actions_(std::move(actions)),
      MainForm(AddImage(window, {0, 0, kWindowWidth, kWindowHeight}, p.mainForm, 1)),
      Status(AddStatus(window, p)),
      StartDisabled(AddImage(window, kStartRect, p.startDisabled, 1, false)),
      StartHover(AddImage(window, kStartRect, p.startHover, 0)),
      StartPress(AddImage(window, kStartRect, p.startPress, 0)),
      StartNormal(AddImage(window, kStartRect, nullptr, 1)),
      UpdateHover(AddImage(window, kUpdateRect, p.updateHover, 0)),
      UpdatePress(AddImage(window, kUpdateRect, p.updatePress, 0)),
      UpdateNormal(AddImage(window, kUpdateRect, p.updateNormal, 1)),
      CancelHover(AddImage(window, kUpdateRect, p.cancelHover, 0, false)),
      CancelPress(AddImage(window, kUpdateRect, p.cancelPress, 0, false)),
      CancelNormal(AddImage(window, kUpdateRect, p.cancelNormal, 1, false)),
      CloseHover(AddImage(window, kCloseRect, p.closeHighlight, 0)),
      ClosePress(AddImage(window, kCloseRect, p.closeHighlight, 0)),
      CloseNormal(AddImage(window, kCloseRect, nullptr, 1)),
      MinimizeHover(AddImage(window, kMinimizeRect, p.minimizeHighlight, 0)),
      MinimizePress(AddImage(window, kMinimizeRect, p.minimizeHighlight, 0)),
      MinimizeNormal(AddImage(window, kMinimizeRect, nullptr, 1)),
      FileProgress(AddBar(window, kFileBarRect, p.fileProgressFill)),
      TotalProgress(AddBar(window, kTotalBarRect, p.totalProgressFill)),
      SiteHover(AddImage(window, kSiteRect, p.siteHover, 0)),
      SitePress(AddImage(window, kSiteRect, p.sitePress, 0)),
      SiteNormal(AddImage(window, kSiteRect, p.siteNormal, 1)),
      bars_(FileProgress, TotalProgress),
      drag_(window) {
  WireBackground();
  WireStart();
  WireBarButton(UpdateNormal, UpdateHover, UpdatePress, kButtonFade, actions_.update, nullptr);
  WireBarButton(CancelNormal, CancelHover, CancelPress, kButtonFade, nullptr, actions_.cancel);
  WireBarButton(SiteNormal, SiteHover, SitePress, kButtonSnap, actions_.site, nullptr);
  WireGlyphButton(CloseNormal, CloseHover, ClosePress, actions_.close);
  WireGlyphButton(MinimizeNormal, MinimizeHover, MinimizePress, [this] { Minimise(); });
}

void UpdaterSkin::Fade(std::initializer_list<FadeStep> steps) {
  for (const FadeStep& step : steps) window_.FadeTo(step.image, step.target, step.seconds);
}

void UpdaterSkin::WireBackground() {
  auto& on = MainForm.handlers;
  on.press = [this](const ui::PointerEvent& e) { drag_.Press(e.position); };
  on.move = [this](const ui::PointerEvent& e) { drag_.Move(e.position); };
  on.release = [this](const ui::PointerEvent&) { drag_.Release(); };
}

// The background shows Start at rest, so its Normal image is an empty hit area.
void UpdaterSkin::WireStart() {
  auto& on = StartNormal.handlers;
  on.enter = [this](const ui::PointerEvent&) {
    Fade({{StartNormal, 0, kButtonFade}, {StartHover, 1, kButtonFade}});
  };
  on.leave = [this](const ui::PointerEvent&) {
    Fade({{StartNormal, 1, kButtonFade},
          {StartHover, 0, kButtonFade},
          {StartPress, 0, kButtonFade}});
  };
  on.press = [this](const ui::PointerEvent&) { Fade({{StartPress, 1, kButtonFade}}); };
  on.release = [this](const ui::PointerEvent&) { Fade({{StartPress, 0, kButtonFade}}); };
  on.click = [this](const ui::PointerEvent&) {
    Run(actions_.start);
    Fade({{StartPress, 0, kButtonFade}});
  };
}

// Update, Cancel and Site: the Normal image carries the resting picture, so entering cross-fades
// it out while the hover picture snaps in, and leaving snaps it back.
void UpdaterSkin::WireBarButton(ui::Image& normal, ui::Image& hover, ui::Image& press,
                                double pressFadeOnRelease, const std::function<void()>& onRelease,
                                const std::function<void()>& onClick) {
  auto& on = normal.handlers;
  on.enter = [this, &normal, &hover](const ui::PointerEvent&) {
    Fade({{normal, 0, kButtonFade}, {hover, 1, kButtonSnap}});
  };
  on.leave = [this, &normal, &hover, &press](const ui::PointerEvent&) {
    Fade({{normal, 1, kButtonSnap}, {hover, 0, kButtonFade}, {press, 0, kButtonFade}});
  };
  on.press = [this, &press](const ui::PointerEvent&) { Fade({{press, 1, kButtonFade}}); };
  on.release = [this, &press, pressFadeOnRelease, onRelease](const ui::PointerEvent&) {
    Fade({{press, 0, pressFadeOnRelease}});
    Run(onRelease);
  };
  if (onClick) on.click = [onClick](const ui::PointerEvent&) { onClick(); };
}

// Close and Minimize: the background shows them at rest; only the highlight fades.
void UpdaterSkin::WireGlyphButton(ui::Image& normal, ui::Image& hover, ui::Image& press,
                                  std::function<void()> onRelease) {
  auto& on = normal.handlers;
  on.enter = [this, &hover](const ui::PointerEvent&) { Fade({{hover, 1, kButtonFade}}); };
  on.leave = [this, &hover, &press](const ui::PointerEvent&) {
    Fade({{hover, 0, kButtonFade}, {press, 0, kButtonFade}});
  };
  on.press = [this, &press](const ui::PointerEvent&) { Fade({{press, 1, kButtonFade}}); };
  on.release = [this, &press, onRelease = std::move(onRelease)](const ui::PointerEvent&) {
    Fade({{press, 0, kButtonFade}});
    Run(onRelease);
  };
}

void UpdaterSkin::ApplyBusyLook() {
  canUpdate_ = false;
  SetLook(true);
}

void UpdaterSkin::ApplyIdleLook() {
  canUpdate_ = true;
  SetLook(false);
}

void UpdaterSkin::SetLook(bool busy) {
  StartDisabled.SetVisible(busy);
  CancelNormal.SetVisible(busy);
  CancelHover.SetVisible(busy);
  CancelPress.SetVisible(busy);
  for (ui::Image* idleOnly :
       {&StartNormal, &StartHover, &StartPress, &UpdateNormal, &UpdateHover, &UpdatePress})
    idleOnly->SetVisible(!busy);
}

}  // namespace veyra::skin
