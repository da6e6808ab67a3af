#include "ui/headless/headless_backend.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "base/error.h"
#include "testing/temp_dir.h"

namespace veyra::ui {
namespace {

TEST(HeadlessPngTest, SavedFrameLoadsBackWithTheSamePixels) {
  Bitmap frame(3, 2);
  frame.Set(0, 0, 0xFFFF0000);
  frame.Set(1, 0, 0x80400000);  // half-transparent dark red, premultiplied
  frame.Set(2, 1, 0xFF00FF00);
  testing::TempDir dir;
  const std::string path = dir.Path("frame.png");
  SavePng(frame, path);

  const std::string bytes = dir.ReadFile("frame.png");
  const Bitmap loaded = Bitmap::FromPng(std::span(
      reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()));
  EXPECT_EQ(loaded, frame);
}

TEST(HeadlessPngTest, GarbageIsNoPng) {
  const std::uint8_t garbage[] = {0x89, 'P', 'N', 'G', 1, 2, 3};
  EXPECT_THROW(Bitmap::FromPng(garbage), Error);
}

TEST(HeadlessBackendTest, TimerTicksEveryTenMillisecondsOfTheInjectedClock) {
  struct Counter : BackendEvents {
    void OnPointerMove(PointF) override {}
    void OnPointerPress(PointF, MouseButton) override {}
    void OnPointerRelease(PointF, MouseButton) override {}
    void OnPointerLeave() override {}
    void OnTimer() override { ++ticks; }
    void OnWake() override {}
    int ticks = 0;
  } counter;
  HeadlessBackend backend(WindowOptions{"", 10, 10, nullptr});
  backend.Attach(counter);
  backend.Advance(std::chrono::milliseconds(50));
  EXPECT_EQ(counter.ticks, 0);
  backend.SetTimerRunning(true);
  backend.Advance(std::chrono::milliseconds(35));
  EXPECT_EQ(counter.ticks, 3);
  backend.Advance(std::chrono::milliseconds(5));
  EXPECT_EQ(counter.ticks, 4);
}

}  // namespace
}  // namespace veyra::ui
