// The updater's window built from the toolkit: the background picture, the status line, six skin
// buttons made of stacked images that fade on hover and press, and the two progress bars. It
// also carries the busy and idle looks, window dragging and minimising. What the buttons do is the
// application's, handed in as actions.
#pragma once

#include <functional>
#include <initializer_list>

#include "ui/image.h"
#include "ui/label.h"
#include "ui/skin/progress_bars.h"
#include "ui/skin/skin_pictures.h"
#include "ui/skin/window_drag.h"
#include "ui/tiled_rect.h"
#include "ui/window.h"

namespace veyra::skin {

inline constexpr char kWindowCaption[] = "Veyra Updater";
inline constexpr double kButtonFade = 0.2;
inline constexpr double kButtonSnap = 0.005;

// The options of the updater's window: caption, size and the message box font.
ui::WindowOptions UpdaterWindowOptions(const SkinPictures& pictures);

// Each runs on the UI thread; an empty action does nothing.
struct SkinActions {
  std::function<void()> start;   // click on Start, before Start's own fade
  std::function<void()> update;  // release on Update, after its fade
  std::function<void()> cancel;  // click on Cancel
  std::function<void()> site;    // release on Site, after its fade
  std::function<void()> close;   // release on Close, after its fade
};

class UpdaterSkin {
 public:
  // Adds the components to the window's scene, which must be empty. canUpdate is the
  // application's gate, which the looks set.
  UpdaterSkin(ui::Window& window, const SkinPictures& pictures, bool& canUpdate,
              SkinActions actions);
  UpdaterSkin(const UpdaterSkin&) = delete;
  UpdaterSkin& operator=(const UpdaterSkin&) = delete;

  // Busy: canUpdate false, the greyed Start and the Cancel button shown. Idle: canUpdate true,
  // Start and Update shown. Opacities are left as they are.
  void ApplyBusyLook();
  void ApplyIdleLook();
  void Minimise() { window_.Minimise(); }

  ProgressBars& bars() { return bars_; }
  WindowDrag& drag() { return drag_; }

 private:
  ui::Window& window_;
  bool& canUpdate_;
  SkinActions actions_;

 public:
  // The components, bottom-most first: declared in z-order, which is the order they are added.
  ui::Image& MainForm;
  ui::Label& Status;
  ui::Image& StartDisabled;
  ui::Image& StartHover;
  ui::Image& StartPress;
  ui::Image& StartNormal;
  ui::Image& UpdateHover;
  ui::Image& UpdatePress;
  ui::Image& UpdateNormal;
  ui::Image& CancelHover;
  ui::Image& CancelPress;
  ui::Image& CancelNormal;
  ui::Image& CloseHover;
  ui::Image& ClosePress;
  ui::Image& CloseNormal;
  ui::Image& MinimizeHover;
  ui::Image& MinimizePress;
  ui::Image& MinimizeNormal;
  ui::TiledRect& FileProgress;
  ui::TiledRect& TotalProgress;
  ui::Image& SiteHover;
  ui::Image& SitePress;
  ui::Image& SiteNormal;

 private:
  struct FadeStep {
    ui::Image& image;
    float target;
    double seconds;
  };
  void Fade(std::initializer_list<FadeStep> steps);
  void SetLook(bool busy);
  void WireBackground();
  void WireStart();
  void WireBarButton(ui::Image& normal, ui::Image& hover, ui::Image& press,
                     double pressFadeOnRelease, const std::function<void()>& onRelease,
                     const std::function<void()>& onClick);
  void WireGlyphButton(ui::Image& normal, ui::Image& hover, ui::Image& press,
                       std::function<void()> onRelease);

  ProgressBars bars_;
  WindowDrag drag_;
};

}  // namespace veyra::skin
