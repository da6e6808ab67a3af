#include "ui/blend.h"

#include <gtest/gtest.h>

namespace veyra::ui {
namespace {

struct OverCase {
  Pixel src;
  std::uint32_t alpha;
  Pixel dst;
  Pixel expected;
};

class OverTest : public ::testing::TestWithParam<OverCase> {};

TEST_P(OverTest, BlendsPremultipliedSourceOver) {
  const OverCase& c = GetParam();
  Bitmap src(1, 1);
  src.Set(0, 0, c.src);
  Bitmap dst(1, 1);
  dst.Set(0, 0, c.dst);
  BlendBitmap(Canvas::Whole(dst), src, {0, 0}, c.alpha);
  EXPECT_EQ(dst.At(0, 0), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, OverTest,
    ::testing::Values(OverCase{0xFFFF0000, 255, 0xFF0000FF, 0xFFFF0000},   // opaque covers
                      OverCase{0x00000000, 255, 0xFF0000FF, 0xFF0000FF},   // clear keeps
                      OverCase{0x80800000, 255, 0xFF0000FF, 0xFF80007F},   // half red on blue
                      OverCase{0xFFFF0000, 128, 0xFF0000FF, 0xFF80007F},   // opacity halves
                      OverCase{0xFFFFFFFF, 0, 0xFF0000FF, 0xFF0000FF},     // opacity 0
                      OverCase{0x80808080, 128, 0x00000000, 0x40404040},   // both scale
                      OverCase{0xFFFFFFFF, 255, 0x00000000, 0xFFFFFFFF}));

TEST(BlendTest, ClipsAtEveryEdge) {
  Bitmap src(3, 3);
  src.Fill(0xFF00FF00);
  Bitmap dst(4, 4);
  BlendBitmap(Canvas::Whole(dst), src, {-2, 2}, 255);
  BlendBitmap(Canvas::Whole(dst), src, {3, -2}, 255);
  const char* expected[] = {"...#", "....", "#...", "#..."};
  for (int y = 0; y < 4; ++y) {
    for (int x = 0; x < 4; ++x) {
      EXPECT_EQ(dst.At(x, y) != 0, expected[y][x] == '#') << x << "," << y;
    }
  }
}

TEST(BlendTest, DrawsOnlyIntoTheCanvasBand) {
  Bitmap src(2, 4);
  src.Fill(0xFF00FF00);
  Bitmap dst(3, 5);
  BlendBitmap(Canvas{dst, 2, 4}, src, {1, 1}, 255);
  const char* expected[] = {"...", "...", ".##", ".##", "..."};
  for (int y = 0; y < 5; ++y) {
    for (int x = 0; x < 3; ++x) {
      EXPECT_EQ(dst.At(x, y) != 0, expected[y][x] == '#') << x << "," << y;
    }
  }
}

TEST(BlendTest, PremultiplyScalesColourByAlpha) {
  EXPECT_EQ(Premultiply(0x80FF8000), 0x80804000u);
  EXPECT_EQ(Premultiply(0xFFDCDCDC), 0xFFDCDCDCu);
  EXPECT_EQ(Premultiply(0x00FFFFFF), 0u);
}

TEST(BlendTest, OpacityToAlphaRoundsAndClamps) {
  EXPECT_EQ(OpacityToAlpha(0.5f), 128u);
  EXPECT_EQ(OpacityToAlpha(-1.0f), 0u);
  EXPECT_EQ(OpacityToAlpha(2.0f), 255u);
}

}  // namespace
}  // namespace veyra::ui
