// The bar-shaped buttons below the tubes: a chamfered plate with a gold rim and a label.
#include <cmath>

#include "ui/assets/painter/pictures.h"
#include "ui/assets/painter/shapes.h"

namespace veyra::painter {
namespace {

constexpr float kCentreX = 76, kCentreY = 20, kHalfWidth = 74, kHalfHeight = 18, kCut = 10;

struct BarColours {
  Rgba top, bottom, rim, text, glow;
};

BarColours ColoursFor(BarLook look) {
  switch (look) {
    case BarLook::Normal:
      return {Hex(0x343a48), Hex(0x12151c), Hex(0xa88a52), Hex(0xdccb9c), Hex(0, 0)};
    case BarLook::Hover:
      return {Hex(0x6a4a1c), Hex(0x2a1a08), Hex(0xf4d68a), Hex(0xffffff), Hex(0xffa838, 0.85f)};
    case BarLook::Press:
      return {Hex(0x200c06), Hex(0x5a2410), Hex(0xd09a48), Hex(0xffd9a0), Hex(0xff6a20, 0.6f)};
  }
  return {};
}

float Plate(float x, float y, float inset) {
  return ChamferBoxDistance(x, y, kCentreX, kCentreY, kHalfWidth - inset, kHalfHeight - inset,
                            kCut - inset * 0.4f);
}

}  // namespace

Canvas PaintBarButton(const Lettering& lettering, const std::string& label, BarLook look) {
  Canvas canvas(152, 40);
  const BarColours colours = ColoursFor(look);
  const float sink = look == BarLook::Press ? 1 : 0;

  canvas.Fill([](float x, float y) { return Coverage(Plate(x, y, 0)); },
              [&](float x, float y) {
                float light = 0.5f + 0.5f * std::cos((x - kCentreX) / kHalfWidth * 1.4f);
                return Scale(Mix(Scale(colours.rim, 0.45f), colours.rim, light),
                             y < kCentreY ? 1.1f : 0.8f);
              });
  canvas.Fill([](float x, float y) { return Coverage(Plate(x, y, 2.5f)); },
              [&](float x, float y) {
                Rgba c = Mix(colours.top, colours.bottom, SmoothStep(3, 37, y));
                return Scale(c, 1 + 0.06f * Fractal(x / 7, y / 7, 11));
              });
  // A thin highlight along the upper inner edge.
  canvas.Fill(
      [](float x, float y) {
        float d = Plate(x, y, 3.5f);
        return y < kCentreY ? 0.35f * Clamp01(1 - std::fabs(d + 0.5f)) : 0.0f;
      },
      [](float, float) { return Hex(0xffffff); });
  if (colours.glow.a > 0) {
    canvas.Fill(
        [](float x, float y) {
          float r = std::hypot((x - kCentreX) / 60, (y - kCentreY) / 14);
          return 0.45f * Clamp01(1 - r) * Coverage(Plate(x, y, 3));
        },
        [&](float, float) { return colours.glow; });
  }

  Mask text = lettering.Render(label, 15, 0.6f);
  if (colours.glow.a > 0)
    DrawCentred(canvas, Blur(text, 2), kCentreX, kCentreY + sink,
                [&](float, float) { return colours.glow; });
  DrawCentred(canvas, Blur(text, 1), kCentreX + 1, kCentreY + 1 + sink,
              [](float, float) { return Hex(0, 0.8f); });
  DrawCentred(canvas, text, kCentreX, kCentreY + sink, [&](float, float) { return colours.text; });
  return canvas;
}

}  // namespace veyra::painter
