#include "ui/x11/message_box.h"

#include <X11/Xatom.h>
#include <X11/Xutil.h>
#include <X11/keysym.h>

#include <memory>

#include "ui/image.h"
#include "ui/label.h"
#include "ui/scene.h"
#include "ui/x11/x11_resources.h"

namespace veyra::ui {

namespace {

constexpr int kWidth = 380;
constexpr int kHeight = 150;
constexpr RectF kTextBox{16, 12, kWidth - 32, 86};
constexpr RectF kOkButton{(kWidth - 88) / 2.0f, 108, 88, 28};
constexpr Pixel kBackground = 0xFFF0F0F0;
constexpr Pixel kButtonFace = 0xFFE1E1E1;
constexpr Pixel kButtonEdge = 0xFF7A7A7A;
constexpr std::uint32_t kTextColour = 0xFF000000;

std::shared_ptr<const Bitmap> Filled(int width, int height, Pixel colour) {
  auto bitmap = std::make_shared<Bitmap>(width, height);
  bitmap->Fill(colour);
  return bitmap;
}

std::shared_ptr<const Bitmap> ButtonFace() {
  const int width = static_cast<int>(kOkButton.width);
  const int height = static_cast<int>(kOkButton.height);
  auto face = std::make_shared<Bitmap>(width, height);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const bool edge = x == 0 || y == 0 || x == width - 1 || y == height - 1;
      face->Set(x, y, edge ? kButtonEdge : kButtonFace);
    }
  }
  return face;
}

Bitmap DrawBox(const std::shared_ptr<const Font>& font, const std::string& text) {
  Scene scene(kWidth, kHeight);
  scene.Add<Image>(RectF{0, 0, kWidth, kHeight}, Filled(kWidth, kHeight, kBackground));
  scene.Add<Label>(kTextBox, TextStyle{font, 10, kTextColour}).SetText(text);
  scene.Add<Image>(kOkButton, ButtonFace());
  scene.Add<Label>(kOkButton, TextStyle{font, 10, kTextColour}).SetText("OK");
  return scene.Compose();
}

void MakeDialogOf(Display& display, ::Window box, ::Window owner) {
  XSetTransientForHint(&display, box, owner);
  const Atom type = XInternAtom(&display, "_NET_WM_WINDOW_TYPE", False);
  const Atom dialog = XInternAtom(&display, "_NET_WM_WINDOW_TYPE_DIALOG", False);
  XChangeProperty(&display, box, type, XA_ATOM, 32, PropModeReplace,
                  reinterpret_cast<const unsigned char*>(&dialog), 1);
}

bool EndsTheBox(const XEvent& event, const X11Window& box) {
  switch (event.type) {
    case ButtonRelease:
      return kOkButton.Contains({double(event.xbutton.x), double(event.xbutton.y)});
    case KeyPress: {
      const KeySym key = XLookupKeysym(const_cast<XKeyEvent*>(&event.xkey), 0);
      return key == XK_Return || key == XK_KP_Enter || key == XK_Escape || key == XK_space;
    }
    case ClientMessage:
      return box.IsCloseRequest(event.xclient);
    default:
      return false;
  }
}

}  // namespace

void ShowMessageBox(Display& display, ::Window owner, const std::shared_ptr<const Font>& font,
                    const std::string& caption, const std::string& text,
                    const std::function<bool()>& serveOwner) {
  const Bitmap picture = DrawBox(font, text);
  X11Window box(display, {caption, kWidth, kHeight, false,
                          ExposureMask | ButtonReleaseMask | KeyPressMask});
  MakeDialogOf(display, box.id(), owner);
  box.Show();
  for (;;) {
    while (XPending(&display) > 0) {
      XEvent event;
      XPeekEvent(&display, &event);
      if (event.xany.window == owner) break;
      XNextEvent(&display, &event);
      if (event.xany.window != box.id()) continue;
      if (event.type == Expose && event.xexpose.count == 0) box.Put(picture);
      if (EndsTheBox(event, box)) return;
    }
    if (!serveOwner()) return;
  }
}

}  // namespace veyra::ui
