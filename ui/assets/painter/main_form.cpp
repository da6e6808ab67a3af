// The background picture of the whole window: an irregular bronze-rimmed frame, a night vista,
// the lit tubes in their housings, and the resting looks of the Start, minimise and close buttons.
#include <algorithm>
#include <cmath>

#include "ui/assets/painter/pictures.h"
#include "ui/assets/painter/shapes.h"
#include "ui/skin/layout.h"

namespace veyra::painter {
namespace {

using skin::PixelRect;

constexpr float kStartCentreX = skin::kStartRect.x + skin::kStartRect.width / 2.0f;
constexpr float kStartCentreY = skin::kStartRect.y + skin::kStartRect.height / 2.0f;
constexpr PixelRect kVista{314, 86, 322, 280};

// Signed distance to the window's outline: a weathered plate, the title crest above it, the
// medallion of the Start button below it and the plate of the top-right buttons.
float OutlineDistance(float x, float y) {
  float body = RoundBoxDistance(x, y, 475, 300, 439, 258, 38) +
               4.2f * Fractal(x / 34, y / 34, 5, 2) + 0.8f * Fractal(x / 5, y / 5, 6, 1);
  float crest = ChamferBoxDistance(x, y, 475, 32, 128, 28, 22);
  float medallion = CircleDistance(x, y, kStartCentreX, kStartCentreY, 97);
  float corner = RoundBoxDistance(x, y, 823, 62, 64, 32, 16);
  float shape = std::min({body, crest, medallion, corner});
  // Notches bitten out of the left and right edges.
  float notch = std::min({CircleDistance(x, y, 30, 300, 22), CircleDistance(x, y, 920, 300, 22),
                          CircleDistance(x, y, 36, 160, 10), CircleDistance(x, y, 914, 440, 10)});
  return std::max(shape, -notch);
}

Rgba Stone(float x, float y) {
  Rgba base = Mix(Hex(0x1a1f29), Hex(0x0b0d12), y / 600);
  float grain = 0.5f * Fractal(x / 40, y / 40, 2) + 0.25f * Fractal(x / 6, y / 6, 9, 2);
  return Scale(base, 1 + 0.18f * grain);
}

Rgba Bronze(float x, float y, float depth) {
  float light = 0.5f + 0.5f * std::sin(depth * 0.45f + 0.7f);
  Rgba c = Mix(Hex(0x3c2810), Hex(0xe6c27a), light);
  return Scale(c, 1 + 0.1f * Fractal(x / 5, y / 5, 4, 2));
}

void PaintFrame(Canvas& canvas) {
  canvas.Fill([](float x, float y) { return Coverage(OutlineDistance(x, y)); },
              [](float x, float y) {
                float depth = -OutlineDistance(x, y);
                Rgba stone = Stone(x, y);
                if (depth < 13) return Bronze(x, y, depth);
                if (depth < 16) return Hex(0x080604);
                if (depth < 17.5f) return Hex(0x9a7a44);
                return Scale(stone, 0.7f + 0.3f * SmoothStep(17, 60, depth));
              });
  // Rivets along the straight parts of the rim, where nothing else covers it.
  auto rivet = [&canvas](float rx, float ry) {
    float d = OutlineDistance(rx, ry);
    if (d > -4 || d < -11) return;
    canvas.Fill([=](float x, float y) { return Coverage(CircleDistance(x, y, rx, ry, 2.6f)); },
                [=](float x, float y) {
                  return Mix(Hex(0xfff0c0), Hex(0x4a3418), Clamp01((x - rx + y - ry + 2) / 5));
                });
  };
  for (float x = 90; x < 870; x += 58) {
    if (std::fabs(x - 475) > 150 && x < 740) rivet(x, 49);
    if (std::fabs(x - kStartCentreX) > 110) rivet(x, 551);
  }
  for (float y = 100; y < 520; y += 58) {
    if (std::fabs(y - 300) < 45) continue;
    rivet(43, y);
    rivet(907, y);
  }
}

void PaintVista(Canvas& canvas) {
  const float left = kVista.x, top = kVista.y, w = kVista.width, h = kVista.height;
  auto inside = [=](float x, float y) {
    return Coverage(RoundBoxDistance(x, y, left + w / 2, top + h / 2, w / 2, h / 2, 12));
  };
  auto ridge = [=](float x, float base, float amplitude, float scale, int seed) {
    return top + h * base + amplitude * Fractal((x - left) / scale, 0.37f * seed, seed, 5);
  };
  const float moonX = left + w * 0.72f, moonY = top + h * 0.26f;
  canvas.Fill(inside, [=](float x, float y) {
    float v = (y - top) / h;
    Rgba sky = v < 0.55f ? Mix(Hex(0x060a1e), Hex(0x2a2458), v / 0.55f)
                         : Mix(Hex(0x2a2458), Hex(0xd8744a), SmoothStep(0.55f, 0.8f, v));
    float moon = std::hypot(x - moonX, y - moonY);
    sky = Mix(sky, Hex(0xf6d9a8), 0.45f * std::exp(-std::max(0.0f, moon - 22) / 26));
    if (Hash(static_cast<int>(x), static_cast<int>(y), 77) > 0.9965f && v < 0.5f)
      sky =
          Mix(sky, Hex(0xffffff), 0.5f + 0.5f * Hash(static_cast<int>(y), static_cast<int>(x), 5));
    if (moon < 22)
      sky = Scale(
          Mix(Hex(0xfff3d6), Hex(0xd8c8a8), Clamp01(0.5f + 0.6f * Fractal(x / 6, y / 6, 8))), 1);
    struct Layer {
      float base, amplitude, scale;
      int seed;
      unsigned colour;
    };
    const Layer layers[] = {
        {0.58f, 26, 70, 1, 0x4a3a6a}, {0.70f, 22, 45, 2, 0x2a2240}, {0.84f, 18, 30, 3, 0x0f0d1a}};
    for (const Layer& layer : layers) {
      if (y > ridge(x, layer.base, layer.amplitude, layer.scale, layer.seed)) {
        sky = Hex(layer.colour);
        sky = Mix(sky, Hex(0xd8744a),
                  0.18f * SmoothStep(top + h * layer.base + 30, top + h * layer.base - 20, y));
      }
    }
    // A keep on the middle ridge, its windows lit.
    float keepX = left + w * 0.3f, keepBase = ridge(keepX, 0.70f, 22, 45, 2) + 4;
    bool tower = (std::fabs(x - keepX) < 7 && y > keepBase - 46) ||
                 (std::fabs(x - keepX - 20) < 5 && y > keepBase - 32) ||
                 (std::fabs(x - keepX + 18) < 5 && y > keepBase - 28) ||
                 (std::fabs(x - keepX) < 24 && y > keepBase - 16);
    bool roof = (y > keepBase - 62 + std::fabs(x - keepX) * 2.2f && y <= keepBase - 46) ||
                (y > keepBase - 44 + std::fabs(x - keepX - 20) * 2.4f && y <= keepBase - 32);
    if ((tower || roof) && y < keepBase + 8) {
      sky = Hex(0x120f1e);
      int wx = static_cast<int>(x), wy = static_cast<int>(y);
      if (tower && (wy % 9 < 3) && (wx % 6 < 2) && Hash(wx / 6, wy / 9, 4) > 0.55f &&
          y < keepBase - 4)
        sky = Hex(0xffc25a);
    }
    // Mist in the valleys.
    float mist = SmoothStep(0.6f, 0.95f, v) * (0.5f + 0.5f * Fractal(x / 50, y / 12, 12));
    return Mix(sky, Hex(0x8a7aa8), 0.22f * mist);
  });
  // Inner shadow and a thin gold frame.
  canvas.Fill(
      [=](float x, float y) {
        float d = RoundBoxDistance(x, y, left + w / 2, top + h / 2, w / 2, h / 2, 12);
        return d < 0 ? 0.55f * Clamp01(1 + d / 10) : 0.0f;
      },
      [](float, float) { return Hex(0x000000); });
  canvas.Fill(
      [=](float x, float y) {
        float d = RoundBoxDistance(x, y, left + w / 2, top + h / 2, w / 2 + 2, h / 2 + 2, 14);
        return Coverage(std::fabs(d) - 1.2f);
      },
      [](float x, float y) { return Bronze(x, y, 6 + (y - 86) / 60); });
}

void PaintTubeHousing(Canvas& canvas, const Lettering& lettering, PixelRect rect, Tube tube,
                      const char* caption) {
  const float cx = rect.x + rect.width / 2.0f, cy = rect.y + rect.height / 2.0f;
  const float hw = rect.width / 2.0f + 8, hh = rect.height / 2.0f + 18;
  canvas.Fill(
      [=](float x, float y) {
        return 0.6f * Coverage(RoundBoxDistance(x, y, cx + 2, cy + 3, hw + 2, hh + 2, 12), 5);
      },
      [](float, float) { return Hex(0); });
  canvas.Fill(
      [=](float x, float y) { return Coverage(RoundBoxDistance(x, y, cx, cy, hw, hh, 10)); },
      [=](float x, float y) { return Bronze(x, y, (x - cx) / 4 + 1.5f); });
  canvas.Fill(
      [=](float x, float y) { return Coverage(RoundBoxDistance(x, y, cx, cy, hw - 4, hh - 4, 7)); },
      [](float, float) { return Hex(0x0a0806); });
  // Caps above and below the glass.
  for (float capY : {rect.y - 9.0f, rect.y + rect.height + 9.0f})
    canvas.Fill(
        [=](float x, float y) { return Coverage(RoundBoxDistance(x, y, cx, capY, hw - 2, 6, 3)); },
        [=](float x, float y) { return Bronze(x, y, (y - capY) / 2 + 2); });
  canvas.Draw(PaintTube(tube, true), rect.x, rect.y);
  Mask text = lettering.Render(caption, 11, 2);
  DrawCentred(canvas, text, cx, rect.y + rect.height + 28,
              [](float, float) { return Hex(0xa89266); });
}

void PaintTitle(Canvas& canvas, const Lettering& lettering) {
  Mask title = lettering.Render("VEYRA", 30, 7);
  DrawCentred(canvas, Blur(title, 4), 475, 33, [](float, float) { return Hex(0xff9a30, 0.8f); });
  DrawCentred(canvas, Blur(title, 1), 476, 35, [](float, float) { return Hex(0, 0.9f); });
  DrawCentred(canvas, title, 475, 33, [](float, float y) {
    return Mix(Hex(0xfff2c4), Hex(0xc08a3a), SmoothStep(20, 46, y));
  });
}

void PaintSocket(Canvas& canvas, PixelRect rect) {
  const float cx = rect.x + rect.width / 2.0f, cy = rect.y + rect.height / 2.0f;
  canvas.Fill(
      [=](float x, float y) {
        return Coverage(
            ChamferBoxDistance(x, y, cx, cy + 1, rect.width / 2.0f + 3, rect.height / 2.0f + 3, 13),
            2);
      },
      [](float, float) { return Hex(0x050403, 0.85f); });
}

void PaintStatusPlate(Canvas& canvas) {
  const PixelRect r = skin::kStatusRect;
  const float cx = r.x + r.width / 2.0f, cy = r.y + r.height / 2.0f;
  canvas.Fill(
      [=](float x, float y) {
        return Coverage(
            ChamferBoxDistance(x, y, cx, cy, r.width / 2.0f + 6, r.height / 2.0f + 4, 8));
      },
      [=](float x, float) {
        return Hex(0x040507, 0.75f * (1 - 0.6f * SmoothStep(100, 170, std::fabs(x - cx))));
      });
  for (float lineY : {r.y - 4.5f, r.y + r.height + 4.5f})
    canvas.Fill(
        [=](float x, float y) {
          return Coverage(std::fabs(y - lineY) - 0.5f) *
                 (1 - SmoothStep(60, 170, std::fabs(x - cx)));
        },
        [](float, float) { return Hex(0xc8a060); });
}

}  // namespace

Canvas PaintMainForm(const Lettering& lettering) {
  Canvas canvas(skin::kWindowWidth, skin::kWindowHeight);
  PaintFrame(canvas);
  PaintTitle(canvas, lettering);
  PaintVista(canvas);
  PaintTubeHousing(canvas, lettering, skin::kFileBarRect, Tube::File, "FILE");
  PaintTubeHousing(canvas, lettering, skin::kTotalBarRect, Tube::Total, "TOTAL");
  PaintStatusPlate(canvas);
  PaintSocket(canvas, skin::kUpdateRect);
  PaintSocket(canvas, skin::kSiteRect);
  canvas.Draw(PaintStartButton(lettering, StartLook::Rest), skin::kStartRect.x, skin::kStartRect.y);
  canvas.Draw(PaintGlyphButton(Glyph::Minimize, false), skin::kMinimizeRect.x,
              skin::kMinimizeRect.y);
  canvas.Draw(PaintGlyphButton(Glyph::Close, false), skin::kCloseRect.x, skin::kCloseRect.y);
  // A dark halo just outside the outline softens the edge against any desktop.
  Canvas framed(skin::kWindowWidth, skin::kWindowHeight);
  framed.Fill(
      [](float x, float y) {
        float d = OutlineDistance(x, y);
        return d > 0 ? 0.5f * (1 - SmoothStep(0, 4, d)) : 0.0f;
      },
      [](float, float) { return Hex(0x000000); });
  framed.Draw(canvas, 0, 0);
  return framed;
}

}  // namespace veyra::painter
