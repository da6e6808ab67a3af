#include "ui/label.h"

#include <gtest/gtest.h>

#include "ui/scene.h"
#include "ui/test_font.h"

namespace veyra::ui {
namespace {

// The bounding box of the pixels a frame covers.
struct Ink {
  int left = 1'000'000, top = 1'000'000, right = -1, bottom = -1;
};

Ink InkOf(const Bitmap& frame) {
  Ink ink;
  for (int y = 0; y < frame.height(); ++y) {
    for (int x = 0; x < frame.width(); ++x) {
      if (frame.At(x, y) == 0) continue;
      ink.left = std::min(ink.left, x);
      ink.right = std::max(ink.right, x);
      ink.top = std::min(ink.top, y);
      ink.bottom = std::max(ink.bottom, y);
    }
  }
  return ink;
}

TEST(LabelTest, DrawsTheTextCentredInItsColour) {
  Scene scene(400, 100);
  Label& label = scene.Add<Label>(RectF{40, 38, 320, 24},
                                  TextStyle{LoadTestFont(), 12, 0xFFDCDCDC});
  label.SetText("Проверка файлов");
  const Bitmap& frame = scene.Compose();

  const Ink ink = InkOf(frame);
  ASSERT_GE(ink.right, 0) << "nothing drawn";
  EXPECT_NEAR((ink.left + ink.right) / 2.0, 200, 3);
  EXPECT_NEAR((ink.top + ink.bottom) / 2.0, 50, 4);
  EXPECT_GE(ink.top, 38);
  EXPECT_LE(ink.bottom, 61);
  bool foundSolid = false;
  for (const Pixel p : frame.pixels()) foundSolid |= p == 0xFFDCDCDC;
  EXPECT_TRUE(foundSolid);
}

TEST(LabelTest, NewTextReplacesTheOldAndEmptyTextDrawsNothing) {
  Scene scene(100, 30);
  Label& label = scene.Add<Label>(RectF{0, 0, 100, 30}, TextStyle{LoadTestFont(), 12, 0xFFFFFFFF});
  label.SetText("WWWWWWWW");
  const Ink wide = InkOf(scene.Compose());
  label.SetText("i");
  const Ink narrow = InkOf(scene.Compose());
  EXPECT_LT(narrow.right - narrow.left, (wide.right - wide.left) / 4);
  label.SetText("");
  EXPECT_EQ(InkOf(scene.Compose()).right, -1);
}

}  // namespace
}  // namespace veyra::ui
