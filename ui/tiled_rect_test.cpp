#include "ui/tiled_rect.h"

#include <gtest/gtest.h>

#include "ui/scene.h"

namespace veyra::ui {
namespace {

// A 2 x 2 tile with four different opaque pixels.
std::shared_ptr<const Bitmap> Tile() {
  auto tile = std::make_shared<Bitmap>(2, 2);
  tile->Set(0, 0, 0xFF000001);
  tile->Set(1, 0, 0xFF000002);
  tile->Set(0, 1, 0xFF000003);
  tile->Set(1, 1, 0xFF000004);
  return tile;
}

TEST(TiledRectTest, RepeatsTheTileFromTheTopLeftCornerAndClipsAtTheRectangle) {
  Scene scene(8, 8);
  scene.Add<TiledRect>(RectF{1, 1, 3, 5}, Tile());
  const Bitmap& frame = scene.Compose();
  const Pixel expected[6][5] = {
      {0, 0, 0, 0, 0},
      {0, 0xFF000001, 0xFF000002, 0xFF000001, 0},
      {0, 0xFF000003, 0xFF000004, 0xFF000003, 0},
      {0, 0xFF000001, 0xFF000002, 0xFF000001, 0},
      {0, 0xFF000003, 0xFF000004, 0xFF000003, 0},
      {0, 0xFF000001, 0xFF000002, 0xFF000001, 0},
  };
  for (int y = 0; y < 6; ++y) {
    for (int x = 0; x < 5; ++x) EXPECT_EQ(frame.At(x, y), expected[y][x]) << x << "," << y;
  }
  EXPECT_EQ(frame.At(1, 6), 0u);
}

TEST(TiledRectTest, HeightKeepsFractionsAndNeverGoesBelowZero) {
  Scene scene(4, 8);
  auto tile = std::make_shared<Bitmap>(1, 1);
  tile->Fill(0xFFFFFFFF);
  TiledRect& bar = scene.Add<TiledRect>(RectF{0, 0, 1, 8}, tile);

  bar.SetHeight(2.5f);
  EXPECT_EQ(bar.height(), 2.5f);
  const Bitmap& frame = scene.Compose();
  EXPECT_EQ(frame.At(0, 1), 0xFFFFFFFFu);
  EXPECT_EQ(frame.At(0, 2), 0x80808080u);  // the half-covered row at half alpha
  EXPECT_EQ(frame.At(0, 3), 0u);

  bar.SetHeight(-5);
  EXPECT_EQ(bar.height(), 0.0f);
  EXPECT_EQ(scene.Compose().At(0, 0), 0u);
  bar.SetHeight(300);
  EXPECT_EQ(bar.height(), 300.0f);
}

}  // namespace
}  // namespace veyra::ui
