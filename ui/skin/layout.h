// Where everything sits in the updater's window, in client pixels. The skin builds its components
// from these rectangles and the art painter draws the background around them, so a button, a
// progress tube and the picture under it always line up.
#pragma once

namespace veyra::skin {

struct PixelRect {
  int x, y, width, height;
};

inline constexpr int kWindowWidth = 950;
inline constexpr int kWindowHeight = 600;

inline constexpr PixelRect kStatusRect{320, 385, 320, 24};
inline constexpr PixelRect kStartRect{385, 413, 192, 165};
// Update and Cancel share one rectangle; Cancel lies above Update.
inline constexpr PixelRect kUpdateRect{235, 470, 152, 40};
inline constexpr PixelRect kSiteRect{575, 470, 152, 40};
inline constexpr PixelRect kCloseRect{827, 42, 45, 45};
inline constexpr PixelRect kMinimizeRect{775, 42, 45, 45};
inline constexpr PixelRect kFileBarRect{256, 161, 32, 260};
inline constexpr PixelRect kTotalBarRect{665, 161, 32, 260};

}  // namespace veyra::skin
