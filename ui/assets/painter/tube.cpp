// The glass progress tubes. The lit and the unlit picture come from one function, so the cover a
// progress bar lays over the lit tube lines up with it pixel for pixel.
#include <cmath>

#include "ui/assets/painter/pictures.h"
#include "ui/assets/painter/shapes.h"

namespace veyra::painter {

Canvas PaintTube(Tube tube, bool lit) {
  constexpr int kWidth = 32, kHeight = 260;
  Canvas canvas(kWidth, kHeight);
  const Rgba fluid = tube == Tube::File ? Hex(0x34d6ff) : Hex(0xffae2e);
  const int seed = tube == Tube::File ? 21 : 37;

  canvas.Fill([](float, float) { return 1.0f; },
              [&](float x, float y) {
                if (x < 2 || x > kWidth - 2) return Hex(0x2a2016);  // the metal rails
                float across = (x - kWidth / 2.0f) / (kWidth / 2.0f - 2);
                float shade = std::sqrt(std::max(0.0f, 1 - across * across));
                Rgba glass;
                if (lit) {
                  float swirl = 0.5f + 0.5f * Fractal(x / 7, y / 22, seed);
                  glass = Scale(fluid, 0.3f + 0.75f * shade + 0.25f * swirl);
                  float bubble = Hash(static_cast<int>(x) / 4, static_cast<int>(y) / 4, seed);
                  if (bubble > 0.985f) glass = Mix(glass, Hex(0xffffff), 0.5f);
                  glass = Mix(glass, Hex(0xffffff),
                              0.35f * SmoothStep(0.8f, 1, shade) * SmoothStep(-0.9f, 0, -across));
                } else {
                  glass = Mix(Hex(0x07090d), Scale(fluid, 0.18f), 0.35f * shade);
                }
                // The reflection of the glass, the same in both pictures.
                float streak = std::exp(-std::pow((across + 0.5f) / 0.12f, 2));
                glass = Mix(glass, Hex(0xffffff), (lit ? 0.35f : 0.18f) * streak);
                // Ticks of the scale every 26 pixels.
                if (static_cast<int>(y) % 26 == 12 && (x < 7 || x > kWidth - 7))
                  glass = Mix(glass, Hex(0xd8c48a), 0.6f);
                return glass;
              });
  return canvas;
}

}  // namespace veyra::painter
