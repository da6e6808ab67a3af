#include "ui/x11/x11_resources.h"

#include <X11/Xatom.h>
#include <X11/Xutil.h>

#include "base/error.h"

namespace veyra::ui {

namespace {

// The hint window managers read to draw no frame around a window.
void RemoveDecorations(Display& display, ::Window window) {
  struct {
    unsigned long flags, functions, decorations;
    long inputMode;
    unsigned long status;
  } hints = {2, 0, 0, 0, 0};  // flags: decorations given
  const Atom atom = XInternAtom(&display, "_MOTIF_WM_HINTS", False);
  XChangeProperty(&display, window, atom, atom, 32, PropModeReplace,
                  reinterpret_cast<unsigned char*>(&hints), 5);
}

void SetTitle(Display& display, ::Window window, const std::string& title) {
  XStoreName(&display, window, title.c_str());
  XChangeProperty(&display, window, XInternAtom(&display, "_NET_WM_NAME", False),
                  XInternAtom(&display, "UTF8_STRING", False), 8, PropModeReplace,
                  reinterpret_cast<const unsigned char*>(title.data()),
                  static_cast<int>(title.size()));
}

// A fixed size at a fixed starting place, so the window manager keeps both.
void FixGeometry(Display& display, ::Window window, Point at, int width, int height) {
  XSizeHints hints{};
  hints.flags = PPosition | PMinSize | PMaxSize;
  hints.x = at.x;
  hints.y = at.y;
  hints.min_width = hints.max_width = width;
  hints.min_height = hints.max_height = height;
  XSetWMNormalHints(&display, window, &hints);
}

}  // namespace

X11Window::X11Window(Display& display, const Style& style)
    : display_(display), deleteAtom_(XInternAtom(&display, "WM_DELETE_WINDOW", False)) {
  const int screen = DefaultScreen(&display);
  const ::Window root = RootWindow(&display, screen);
  XVisualInfo info{};
  if (style.argb) {
    if (!XMatchVisualInfo(&display, screen, 32, TrueColor, &info)) {
      throw Error("The X server offers no 32-bit ARGB visual.");
    }
    visual_ = info.visual;
    depth_ = 32;
  } else {
    visual_ = DefaultVisual(&display, screen);
    depth_ = DefaultDepth(&display, screen);
  }
  colormap_ = XCreateColormap(&display, root, visual_, AllocNone);
  position_ = {(DisplayWidth(&display, screen) - style.width) / 2,
               (DisplayHeight(&display, screen) - style.height) / 2};

  XSetWindowAttributes attributes{};
  attributes.colormap = colormap_;
  attributes.border_pixel = 0;
  attributes.background_pixel = 0;
  attributes.event_mask = style.eventMask;
  id_ = XCreateWindow(&display, root, position_.x, position_.y, style.width, style.height, 0,
                      depth_, InputOutput, visual_,
                      CWColormap | CWBorderPixel | CWBackPixel | CWEventMask, &attributes);
  gc_ = XCreateGC(&display, id_, 0, nullptr);
  SetTitle(display, id_, style.title);
  FixGeometry(display, id_, position_, style.width, style.height);
  if (style.argb) RemoveDecorations(display, id_);
  Atom protocols[] = {deleteAtom_};
  XSetWMProtocols(&display, id_, protocols, 1);
}

X11Window::~X11Window() {
  XFreeGC(&display_, gc_);
  XDestroyWindow(&display_, id_);
  XFreeColormap(&display_, colormap_);
  XFlush(&display_);
}

void X11Window::Put(const Bitmap& bitmap) {
  // The image borrows the bitmap's pixels; they match a 32-bit-per-pixel TrueColor visual.
  XImage* image = XCreateImage(&display_, visual_, depth_, ZPixmap, 0,
                               reinterpret_cast<char*>(const_cast<Pixel*>(bitmap.Row(0))),
                               bitmap.width(), bitmap.height(), 32, bitmap.width() * 4);
  if (image == nullptr) return;
  XPutImage(&display_, id_, gc_, image, 0, 0, 0, 0, bitmap.width(), bitmap.height());
  image->data = nullptr;  // not ours to free
  XDestroyImage(image);
}

void X11Window::MoveTo(Point topLeft) {
  position_ = topLeft;
  XMoveWindow(&display_, id_, topLeft.x, topLeft.y);
}

void X11Window::Show() { XMapWindow(&display_, id_); }

bool X11Window::IsCloseRequest(const XClientMessageEvent& message) const {
  return message.window == id_ && message.format == 32 &&
         static_cast<Atom>(message.data.l[0]) == deleteAtom_;
}

}  // namespace veyra::ui
