#include "ui/window.h"

#include <gtest/gtest.h>

#include <atomic>
#include <memory>
#include <thread>

#include "base/error.h"
#include "ui/headless/headless_backend.h"
#include "ui/image.h"

namespace veyra::ui {
namespace {

using std::chrono::milliseconds;

class WindowTest : public ::testing::Test {
 protected:
  WindowTest() {
    auto backend = std::make_unique<HeadlessBackend>(options_);
    headless_ = backend.get();
    window_ = std::make_unique<Window>(options_, std::move(backend));
  }

  WindowOptions options_{"window", 8, 8, nullptr};
  HeadlessBackend* headless_;
  std::unique_ptr<Window> window_;
};

TEST_F(WindowTest, InvokeSyncRunsOnTheUiThreadAndWaits) {
  const std::thread::id uiThread = std::this_thread::get_id();
  std::thread::id ranOn;
  int value = 0;
  std::thread worker([&] {
    window_->InvokeSync([&] {
      ranOn = std::this_thread::get_id();
      value = 1;
    });
    // InvokeSync returned, so the call has run: the value is ours to read.
    EXPECT_EQ(value, 1);
    window_->InvokeSync([&] { window_->Close(); });
  });
  window_->Run();
  worker.join();
  EXPECT_EQ(ranOn, uiThread);
}

TEST_F(WindowTest, InvokeSyncHandsTheExceptionBackToTheCaller) {
  std::string caught;
  std::thread worker([&] {
    try {
      window_->InvokeSync([] { throw Error("no settings"); });
    } catch (const Error& e) {
      caught = e.what();
    }
    window_->InvokeSync([&] { window_->Close(); });
  });
  window_->Run();
  worker.join();
  EXPECT_EQ(caught, "no settings");
}

TEST_F(WindowTest, InvokeSyncOnTheUiThreadRunsAtOnce) {
  bool ran = false;
  window_->InvokeSync([&] { ran = true; });
  EXPECT_TRUE(ran);
}

TEST_F(WindowTest, UiThreadServesCallsWhileWaitingForAWorker) {
  std::atomic<bool> finished = false;
  int served = 0;
  std::thread worker([&] {
    for (int i = 0; i < 3; ++i) window_->InvokeSync([&] { ++served; });
    finished = true;
    window_->NotifyCallServer();
  });
  window_->ServeCallsUntil([&] { return finished.load(); });
  worker.join();
  EXPECT_EQ(served, 3);
}

TEST_F(WindowTest, InvokeSyncFailsOnceTheWindowIsClosed) {
  std::thread closer([&] { window_->InvokeSync([&] { window_->Close(); }); });
  window_->Run();
  closer.join();
  std::thread late([&] { EXPECT_THROW(window_->InvokeSync([] {}), Error); });
  late.join();
}

TEST_F(WindowTest, PresentsOnlyChangedFrames) {
  Bitmap red(8, 8);
  red.Fill(0xFFFF0000);
  Image& image = window_->scene().Add<Image>(RectF{0, 0, 8, 8},
                                             std::make_shared<Bitmap>(red), 0.0f);
  window_->PresentIfChanged();
  ASSERT_EQ(headless_->presentCount(), 1);

  headless_->Move({1, 1});
  headless_->Advance(milliseconds(100));
  window_->PresentIfChanged();
  EXPECT_EQ(headless_->presentCount(), 1);

  window_->FadeTo(image, 1.0f, 0.02);
  headless_->Advance(milliseconds(10));
  EXPECT_EQ(headless_->presentCount(), 2);
  EXPECT_EQ(headless_->lastFrame().At(3, 3), 0x80800000u);
  headless_->Advance(milliseconds(100));
  EXPECT_EQ(headless_->presentCount(), 3);
  EXPECT_EQ(headless_->lastFrame().At(3, 3), 0xFFFF0000u);
}

TEST_F(WindowTest, PointerHandlersStartFadesThatTheTimerCarriesOut) {
  // A skin button: a hit area over a hover picture that fades in on enter and out on leave.
  auto lit = std::make_shared<Bitmap>(4, 4);
  lit->Fill(0xFFFFFFFF);
  Image& hover = window_->scene().Add<Image>(RectF{2, 2, 4, 4}, lit, 0.0f);
  Image& button = window_->scene().Add<Image>(RectF{2, 2, 4, 4}, nullptr);
  button.handlers.enter = [&](const PointerEvent&) { window_->FadeTo(hover, 1.0f); };
  button.handlers.leave = [&](const PointerEvent&) { window_->FadeTo(hover, 0.0f); };
  window_->PresentIfChanged();

  headless_->Move({3, 3});
  headless_->Advance(milliseconds(100));
  EXPECT_FLOAT_EQ(hover.opacity(), 0.5f);
  EXPECT_EQ(headless_->lastFrame().At(3, 3), 0x80808080u);
  headless_->LeaveWindow();  // the running fade-in ends at 1 first
  EXPECT_EQ(hover.opacity(), 1.0f);
  headless_->Advance(milliseconds(200));
  EXPECT_EQ(hover.opacity(), 0.0f);
  EXPECT_EQ(headless_->lastFrame().At(3, 3), 0u);
  EXPECT_FALSE(headless_->timerRunning());
}

TEST_F(WindowTest, HandsMessagesMovesAndMinimisingToTheBackend) {
  window_->ShowMessage("Veyra", "Could not load settings");
  window_->MoveTo({100, 100});
  window_->Minimise();
  ASSERT_EQ(headless_->messages().size(), 1u);
  EXPECT_EQ(headless_->messages()[0].text, "Could not load settings");
  EXPECT_EQ(window_->Position(), (Point{100, 100}));
  EXPECT_EQ(headless_->minimiseCount(), 1);
}

}  // namespace
}  // namespace veyra::ui
