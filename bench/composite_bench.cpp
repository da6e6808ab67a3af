// One full composite of a 950 x 600 scene: a background with an irregular alpha outline, a
// full-size picture in the middle of a fade and a translucent full-size overlay.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <memory>

#include "ui/image.h"
#include "ui/scene.h"

namespace {

using veyra::ui::Bitmap;
using veyra::ui::Image;
using veyra::ui::Premultiply;
using veyra::ui::RectF;

constexpr int kWidth = 950;
constexpr int kHeight = 600;

// Pseudo-random but repeatable art: alpha 0 in about one pixel in six, soft edges, opaque rest.
std::shared_ptr<const Bitmap> Art(std::uint32_t seed, bool translucent) {
  auto bitmap = std::make_shared<Bitmap>(kWidth, kHeight);
  std::uint32_t state = seed;
  for (int y = 0; y < kHeight; ++y) {
    for (int x = 0; x < kWidth; ++x) {
      state = state * 1664525u + 1013904223u;
      const bool outside = (x * 7 + y * 3 + (state >> 28)) % 6 == 0;
      std::uint32_t alpha = outside ? 0 : (x % 97 < 3 ? 128 : 255);
      if (translucent) alpha = alpha / 3;
      bitmap->Set(x, y, Premultiply(alpha << 24 | (state & 0x00FFFFFF)));
    }
  }
  return bitmap;
}

void BM_ComposeFullFrame(benchmark::State& state) {
  veyra::ui::Scene scene(kWidth, kHeight);
  scene.Add<Image>(RectF{0, 0, kWidth, kHeight}, Art(1, false));
  scene.Add<Image>(RectF{0, 0, kWidth, kHeight}, Art(2, false), 0.5f);
  scene.Add<Image>(RectF{0, 0, kWidth, kHeight}, Art(3, true));
  for (auto _ : state) {
    scene.MarkChanged();
    benchmark::DoNotOptimize(scene.Compose().Row(0));
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_ComposeFullFrame)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
