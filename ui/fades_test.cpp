#include <gtest/gtest.h>

#include <memory>

#include "ui/headless/headless_backend.h"
#include "ui/image.h"
#include "ui/window.h"

namespace veyra::ui {
namespace {

using std::chrono::milliseconds;

// A window on the headless backend, whose clock moves only when the test says so.
class FadeTest : public ::testing::Test {
 protected:
  FadeTest() {
    auto backend = std::make_unique<HeadlessBackend>(options_);
    headless_ = backend.get();
    window_ = std::make_unique<Window>(options_, std::move(backend));
  }

  Image& AddImage(float opacity) {
    return window_->scene().Add<Image>(RectF{0, 0, 4, 4}, std::make_shared<Bitmap>(4, 4),
                                       opacity);
  }

  WindowOptions options_{"fades", 4, 4, nullptr};
  HeadlessBackend* headless_;
  std::unique_ptr<Window> window_;
};

TEST_F(FadeTest, LinearAtEachTickAndExactAtTheTickThatReachesTheDuration) {
  Image& image = AddImage(0.0f);
  window_->FadeTo(image, 1.0f, 0.05);
  const float expected[] = {0.2f, 0.4f, 0.6f, 0.8f};
  for (float opacity : expected) {
    headless_->Advance(milliseconds(10));
    EXPECT_FLOAT_EQ(image.opacity(), opacity);
    EXPECT_TRUE(headless_->timerRunning());
  }
  headless_->Advance(milliseconds(10));
  EXPECT_EQ(image.opacity(), 1.0f);
  EXPECT_FALSE(headless_->timerRunning());
}

TEST_F(FadeTest, DefaultDurationIsTwentyTicks) {
  Image& image = AddImage(1.0f);
  window_->FadeTo(image, 0.0f);
  headless_->Advance(milliseconds(190));
  EXPECT_NEAR(image.opacity(), 0.05f, 1e-6);
  EXPECT_TRUE(headless_->timerRunning());
  headless_->Advance(milliseconds(10));
  EXPECT_EQ(image.opacity(), 0.0f);
  EXPECT_FALSE(headless_->timerRunning());
}

TEST_F(FadeTest, DurationShorterThanATickEndsAtTheFirstTick) {
  Image& image = AddImage(0.0f);
  window_->FadeTo(image, 1.0f, 0.005);
  EXPECT_EQ(image.opacity(), 0.0f);  // nothing happens before the tick
  headless_->Advance(milliseconds(10));
  EXPECT_EQ(image.opacity(), 1.0f);
  EXPECT_FALSE(headless_->timerRunning());
}

TEST_F(FadeTest, NewFadeFirstJumpsTheRunningOneToItsTarget) {
  // Enter and at once leave: the fade-in ends at 1, then the fade-out runs from 1.
  Image& hover = AddImage(0.0f);
  window_->FadeTo(hover, 1.0f);
  headless_->Advance(milliseconds(20));
  ASSERT_FLOAT_EQ(hover.opacity(), 0.1f);

  window_->FadeTo(hover, 0.0f);
  EXPECT_EQ(hover.opacity(), 1.0f);
  headless_->Advance(milliseconds(100));
  EXPECT_FLOAT_EQ(hover.opacity(), 0.5f);
  headless_->Advance(milliseconds(100));
  EXPECT_EQ(hover.opacity(), 0.0f);
}

TEST_F(FadeTest, SecondFadeToTheSameTargetEndsTheFirstAtOnce) {
  // A click fires release and click, each fading the pressed picture to 0: the second one
  // stops the first at its end value, so the picture vanishes at once.
  Image& press = AddImage(1.0f);
  window_->FadeTo(press, 0.0f);
  window_->FadeTo(press, 0.0f);
  EXPECT_EQ(press.opacity(), 0.0f);
  headless_->Advance(milliseconds(200));
  EXPECT_EQ(press.opacity(), 0.0f);
}

TEST_F(FadeTest, FadesOfDifferentImagesRunSideBySide) {
  Image& a = AddImage(0.0f);
  Image& b = AddImage(1.0f);
  window_->FadeTo(a, 1.0f, 0.1);
  headless_->Advance(milliseconds(50));
  window_->FadeTo(b, 0.0f, 0.1);
  EXPECT_FLOAT_EQ(a.opacity(), 0.5f);  // untouched by b's start
  headless_->Advance(milliseconds(50));
  EXPECT_EQ(a.opacity(), 1.0f);
  EXPECT_FLOAT_EQ(b.opacity(), 0.5f);
  EXPECT_TRUE(headless_->timerRunning());
  headless_->Advance(milliseconds(50));
  EXPECT_EQ(b.opacity(), 0.0f);
  EXPECT_FALSE(headless_->timerRunning());
}

TEST_F(FadeTest, TimerIsIdleWhileNothingAnimates) {
  EXPECT_FALSE(headless_->timerRunning());
  Image& image = AddImage(0.0f);
  window_->FadeTo(image, 1.0f, 0.02);
  EXPECT_TRUE(headless_->timerRunning());
  headless_->Advance(milliseconds(1000));
  EXPECT_FALSE(headless_->timerRunning());
}

}  // namespace
}  // namespace veyra::ui
