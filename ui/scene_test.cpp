#include "ui/scene.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "ui/image.h"
#include "ui/label.h"
#include "ui/tiled_rect.h"

namespace veyra::ui {
namespace {

// A scene that records every handler call as "<name> <event>".
class SceneTest : public ::testing::Test {
 protected:
  Image& AddImage(const std::string& name, RectF rect, float opacity = 1.0f) {
    Image& image = scene_.Add<Image>(rect, nullptr, opacity);
    Record(image, name);
    return image;
  }

  void Record(Component& c, const std::string& name) {
    const auto note = [this, name](const char* event) {
      return [this, name, event](const PointerEvent& e) {
        std::string line = name + " " + event;
        if (e.button == MouseButton::kRight) line += " right";
        log_.push_back(line);
      };
    };
    c.handlers = {note("enter"), note("leave"), note("press"),
                  note("release"), note("click"), note("move")};
  }

  std::vector<std::string> TakeLog() { return std::exchange(log_, {}); }

  Scene scene_{100, 100};
  std::vector<std::string> log_;
};

using Log = std::vector<std::string>;

TEST_F(SceneTest, TopmostVisibleComponentTakesInputWhateverItsOpacity) {
  Image& back = AddImage("back", {0, 0, 100, 100});
  Image& hidden = AddImage("hidden", {10, 10, 20, 20});
  Image& clear = AddImage("clear", {10, 10, 10, 10}, 0.0f);
  hidden.SetVisible(false);

  EXPECT_EQ(scene_.HitTest({15, 15}), &clear);
  EXPECT_EQ(scene_.HitTest({25, 25}), &back);  // the hidden image lets it through
  EXPECT_EQ(scene_.HitTest({150, 15}), nullptr);
}

TEST_F(SceneTest, RectangleEdgesAreHalfOpen) {
  Image& back = AddImage("back", {0, 0, 100, 100});
  Image& left = AddImage("left", {10, 10, 10, 10});
  Image& right = AddImage("right", {19, 10, 10, 10});  // overlaps `left` in column 19

  EXPECT_EQ(scene_.HitTest({9.99, 10}), &back);
  EXPECT_EQ(scene_.HitTest({10, 10}), &left);
  EXPECT_EQ(scene_.HitTest({18.9, 19.9}), &left);
  EXPECT_EQ(scene_.HitTest({19, 15}), &right);
  EXPECT_EQ(scene_.HitTest({28.99, 15}), &right);
  EXPECT_EQ(scene_.HitTest({29, 15}), &back);
  EXPECT_EQ(scene_.HitTest({15, 20}), &back);
}

TEST_F(SceneTest, LabelNeverTakesPointerInput) {
  AddImage("back", {0, 0, 100, 100});
  Label& label = scene_.Add<Label>(RectF{0, 0, 50, 20}, TextStyle{});
  Record(label, "label");

  scene_.PointerPress({5, 5}, MouseButton::kLeft);
  scene_.PointerRelease({5, 5}, MouseButton::kLeft);
  EXPECT_EQ(TakeLog(),
            (Log{"back enter", "back press", "back release", "back click"}));
}

TEST_F(SceneTest, RectanglesTakeInputWithoutHandlers) {
  AddImage("back", {0, 0, 100, 100});
  scene_.Add<TiledRect>(RectF{10, 10, 10, 50}, nullptr);
  scene_.PointerPress({15, 15}, MouseButton::kLeft);
  EXPECT_EQ(TakeLog(), Log{});
}

TEST_F(SceneTest, EnterAndLeaveFollowThePointer) {
  AddImage("back", {0, 0, 100, 100});
  AddImage("button", {10, 10, 10, 10});

  scene_.PointerMove({5, 5});
  scene_.PointerMove({15, 15});
  scene_.PointerMove({16, 16});
  scene_.PointerMove({50, 50});
  scene_.PointerLeave();
  EXPECT_EQ(TakeLog(), (Log{"back enter", "back move", "back leave", "button enter",
                            "button move", "button move", "button leave", "back enter",
                            "back move", "back leave"}));
}

TEST_F(SceneTest, EveryMouseButtonPressesAndClicksAlike) {
  AddImage("button", {10, 10, 10, 10});
  scene_.PointerPress({15, 15}, MouseButton::kRight);
  scene_.PointerRelease({15, 15}, MouseButton::kRight);
  scene_.PointerPress({15, 15}, MouseButton::kMiddle);
  scene_.PointerRelease({15, 15}, MouseButton::kMiddle);
  EXPECT_EQ(TakeLog(), (Log{"button enter", "button press right", "button release right",
                            "button click right", "button press", "button release",
                            "button click"}));
}

TEST_F(SceneTest, ClickNeedsPressAndReleaseOnTheSameComponent) {
  AddImage("a", {0, 0, 10, 10});
  AddImage("b", {10, 0, 10, 10});

  scene_.PointerPress({5, 5}, MouseButton::kLeft);
  scene_.PointerRelease({15, 5}, MouseButton::kLeft);
  // Released over b: the pressed component still gets the release (capture), but no click.
  EXPECT_EQ(TakeLog(), (Log{"a enter", "a press", "a leave", "b enter", "a release"}));

  scene_.PointerRelease({15, 5}, MouseButton::kLeft);  // a release with no press before it
  EXPECT_EQ(TakeLog(), Log{"b release"});
}

TEST_F(SceneTest, PressedComponentKeepsMovesUntilRelease) {
  AddImage("back", {0, 0, 50, 100});
  AddImage("other", {50, 0, 50, 100});

  scene_.PointerPress({10, 10}, MouseButton::kLeft);
  scene_.PointerMove({60, 10});
  scene_.PointerMove({200, 10});  // outside the window
  scene_.PointerRelease({200, 10}, MouseButton::kLeft);
  scene_.PointerMove({60, 10});
  EXPECT_EQ(TakeLog(), (Log{"back enter", "back press", "back leave", "other enter",
                            "back move", "other leave", "back move", "back release",
                            "other enter", "other move"}));
}

TEST_F(SceneTest, OnlyVisibleChangesMarkTheSceneChanged) {
  Image& shown = AddImage("shown", {0, 0, 10, 10});
  Image& hidden = scene_.Add<Image>(RectF{0, 0, 10, 10},
                                    std::make_shared<Bitmap>(10, 10), 0.0f);
  hidden.SetVisible(false);
  scene_.Compose();
  ASSERT_FALSE(scene_.changed());

  hidden.SetOpacity(1.0f);
  EXPECT_FALSE(scene_.changed());
  shown.SetOpacity(0.5f);  // no bitmap: nothing to see
  EXPECT_FALSE(scene_.changed());
  hidden.SetVisible(true);
  EXPECT_TRUE(scene_.changed());
}

}  // namespace
}  // namespace veyra::ui
