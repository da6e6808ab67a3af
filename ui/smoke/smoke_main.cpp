// Shows a toolkit window on the linked backend for a few seconds, so a script can take a
// screenshot of it: a panel with an irregular, soft alpha outline and a hole, a label, a button
// picture fading in, and a worker that closes the window through InvokeSync. With --message,
// another worker shows a message box (Russian and English text), which ends with the window.
//   veyra_ui_smoke FONT.ttf [SECONDS [--message]]
#include <chrono>
#include <algorithm>
#include <cmath>
#include <fstream>
#include <iostream>
#include <iterator>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "base/error.h"
#include "ui/image.h"
#include "ui/label.h"
#include "ui/tiled_rect.h"
#include "ui/window.h"

namespace {

using namespace veyra::ui;

constexpr int kWidth = 640;
constexpr int kHeight = 400;

std::shared_ptr<const Font> ReadFont(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  if (!file) throw veyra::Error("Cannot open " + path);
  const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(file),
                                        std::istreambuf_iterator<char>()};
  return Font::FromTrueType(bytes);
}

// Alpha 0..1 of a rounded panel with wavy edges and a round hole, soft over about 2 pixels.
float PanelCoverage(int x, int y) {
  const double cx = x - kWidth / 2.0 + 0.5;
  const double cy = y - kHeight / 2.0 + 0.5;
  const double wave = 6 * std::sin(std::atan2(cy, cx) * 9);
  const double rx = kWidth / 2.0 - 12 + wave;
  const double ry = kHeight / 2.0 - 12 + wave;
  const double outline = (std::pow(std::abs(cx) / rx, 6) + std::pow(std::abs(cy) / ry, 6));
  const double edge = (1 - outline) * std::min(rx, ry) / 3;  // about pixels inside the edge
  const double hole = std::hypot(cx - 230, cy + 120) - 28;
  return static_cast<float>(std::clamp(std::min(edge, hole) / 2, 0.0, 1.0));
}

std::shared_ptr<const Bitmap> Panel() {
  auto panel = std::make_shared<Bitmap>(kWidth, kHeight);
  for (int y = 0; y < kHeight; ++y) {
    for (int x = 0; x < kWidth; ++x) {
      const auto alpha = static_cast<std::uint32_t>(std::lround(PanelCoverage(x, y) * 255));
      const std::uint32_t shade = 40 + 60 * y / kHeight;
      panel->Set(x, y, Premultiply(alpha << 24 | shade << 16 | (shade / 2 + 20) << 8 | 30));
    }
  }
  return panel;
}

std::shared_ptr<const Bitmap> Plain(int width, int height, std::uint32_t argb) {
  auto bitmap = std::make_shared<Bitmap>(width, height);
  bitmap->Fill(Premultiply(argb));
  return bitmap;
}

std::shared_ptr<const Bitmap> Stripes() {
  auto tile = std::make_shared<Bitmap>(24, 4);
  for (int y = 0; y < 4; ++y) {
    for (int x = 0; x < 24; ++x) tile->Set(x, y, Premultiply(y < 2 ? 0xFF3060C0 : 0xFF2040A0));
  }
  return tile;
}

int Run(const std::string& fontPath, int seconds, bool showMessage) {
  const auto font = ReadFont(fontPath);
  Window window(WindowOptions{"Veyra toolkit smoke", kWidth, kHeight, font});
  Scene& scene = window.scene();
  Image& background = scene.Add<Image>(RectF{0, 0, kWidth, kHeight}, Panel());
  background.handlers.press = [&](const PointerEvent&) { window.Minimise(); };
  scene.Add<Label>(RectF{120, 60, 400, 60}, TextStyle{font, 16, 0xFFDCDCDC})
      .SetText("Veyra toolkit: проверка окна");
  scene.Add<TiledRect>(RectF{80, 160, 24, 180}, Stripes()).SetHeight(120.5f);
  Image& lit = scene.Add<Image>(RectF{240, 260, 160, 44}, Plain(160, 44, 0xFFE0A020), 0.0f);
  scene.Add<Label>(RectF{240, 260, 160, 44}, TextStyle{font, 12, 0xFF202020}).SetText("Start");
  window.FadeTo(lit, 1.0f, 0.5);

  std::thread closer([&window, seconds] {
    std::this_thread::sleep_for(std::chrono::seconds(seconds));
    window.InvokeSync([&window] { window.Close(); });
  });
  std::thread messenger([&window, showMessage] {
    if (!showMessage) return;
    std::this_thread::sleep_for(std::chrono::seconds(1));
    window.InvokeSync([&window] {
      window.ShowMessage("Veyra toolkit", "Сообщение из рабочего потока. A message from a worker.");
    });
  });
  window.Run();
  closer.join();
  messenger.join();
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::cerr << "usage: veyra_ui_smoke FONT.ttf [SECONDS [--message]]\n";
    return 2;
  }
  try {
    return Run(argv[1], argc > 2 ? std::stoi(argv[2]) : 3,
               argc > 3 && std::string(argv[3]) == "--message");
  } catch (const std::exception& e) {
    std::cerr << e.what() << "\n";
    return 1;
  }
}
