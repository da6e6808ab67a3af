// The round Start button: a bronze ring around a disc that glows when lit.
#include <cmath>

#include "ui/assets/painter/pictures.h"
#include "ui/assets/painter/shapes.h"

namespace veyra::painter {
namespace {

constexpr float kCentreX = 96, kCentreY = 82.5f;
constexpr float kRingOuter = 79, kRingInner = 66, kDisc = 61;

struct DiscColours {
  Rgba centre, edge, text, glow;
};

DiscColours ColoursFor(StartLook look) {
  switch (look) {
    case StartLook::Rest:
      return {Hex(0x6a2a18), Hex(0x1c0806), Hex(0xecd9a6), Hex(0x000000, 0)};
    case StartLook::Lit:
      return {Hex(0xffd27a), Hex(0xb4441a), Hex(0xffffff), Hex(0xff9a30, 0.9f)};
    case StartLook::Pressed:
      return {Hex(0xff5a3a), Hex(0x5a0c10), Hex(0xffe6d0), Hex(0xff3020, 0.8f)};
    case StartLook::Disabled:
      return {Hex(0x4a4a4a), Hex(0x1a1a1a), Hex(0x8c8c8c), Hex(0x000000, 0)};
  }
  return {};
}

Rgba RingColour(float x, float y, bool grey) {
  float angle = std::atan2(y - kCentreY, x - kCentreX);
  float light = 0.5f + 0.5f * std::cos(angle + 2.3f);  // lit from the upper left
  float radius = std::hypot(x - kCentreX, y - kCentreY);
  float bevel = std::sin((radius - kRingInner) / (kRingOuter - kRingInner) * 3.14159f);
  Rgba metal = Mix(Hex(0x3a2610), Hex(0xf2d48c), light * 0.75f + bevel * 0.25f);
  float notch = std::fmod(angle * 24 / 6.28318f + 24, 1.0f);
  if (radius > kRingInner + 3 && radius < kRingOuter - 3 && notch < 0.12f)
    metal = Scale(metal, 0.55f);
  return grey ? Scale(Grey(metal), 0.8f) : metal;
}

}  // namespace

Canvas PaintStartButton(const Lettering& lettering, StartLook look) {
  Canvas canvas(192, 165);
  const DiscColours colours = ColoursFor(look);
  const bool grey = look == StartLook::Disabled;
  const float sink = look == StartLook::Pressed ? 1 : 0;

  // Shadow under the ring.
  canvas.Fill(
      [](float x, float y) {
        return 0.6f * Coverage(CircleDistance(x, y, kCentreX, kCentreY + 2, kRingOuter + 1), 4);
      },
      [](float, float) { return Hex(0x000000); });
  canvas.Fill(
      [](float x, float y) {
        return Coverage(CircleDistance(x, y, kCentreX, kCentreY, kRingOuter));
      },
      [grey](float x, float y) { return RingColour(x, y, grey); });
  canvas.Fill(
      [](float x, float y) {
        return Coverage(CircleDistance(x, y, kCentreX, kCentreY, kRingInner));
      },
      [](float, float) { return Hex(0x0a0604); });
  canvas.Fill(
      [](float x, float y) { return Coverage(CircleDistance(x, y, kCentreX, kCentreY, kDisc)); },
      [&](float x, float y) {
        float r = std::hypot(x - kCentreX, y - kCentreY - 6) / kDisc;
        Rgba c = Mix(colours.centre, colours.edge, SmoothStep(0, 1.1f, r));
        return Scale(c, 1 + 0.08f * Fractal(x / 9, y / 9, 3));
      });
  // Glass reflection on the upper half of the disc.
  canvas.Fill(
      [](float x, float y) {
        float d = std::hypot((x - kCentreX) / 48, (y - kCentreY + 30) / 24) - 1;
        return 0.22f * Clamp01(-d * 2) * SmoothStep(kCentreY + 5, kCentreY - 50, y);
      },
      [](float, float) { return Hex(0xffffff); });

  Mask start = lettering.Render("START", 27, 1.5f);
  Mask game = lettering.Render("GAME", 14, 4);
  if (colours.glow.a > 0) {
    DrawCentred(canvas, Blur(start, 3), kCentreX, kCentreY - 6 + sink,
                [&](float, float) { return colours.glow; });
  }
  DrawCentred(canvas, Blur(start, 1), kCentreX, kCentreY - 5 + sink,
              [](float, float) { return Hex(0x000000, 0.7f); });
  DrawCentred(canvas, start, kCentreX, kCentreY - 6 + sink,
              [&](float, float) { return colours.text; });
  DrawCentred(canvas, game, kCentreX, kCentreY + 18 + sink,
              [&](float, float) { return Scale(colours.text, 0.85f); });
  return canvas;
}

}  // namespace veyra::painter
