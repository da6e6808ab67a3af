#include "platform/thread.h"

#include <gtest/gtest.h>

#include <optional>
#include <thread>

namespace veyra::platform {
namespace {

// A lowered thread hands its priority to a helper; the helper ends up lowered on every system,
// although only Linux lets a new thread inherit it.
TEST(ThreadPriority, PassesFromALoweredThreadToItsHelper) {
  std::thread([] {
    const ThreadPriority normal = ThreadPriority::OfCurrentThread();
    LowerCurrentThreadPriority();
    const ThreadPriority lowered = ThreadPriority::OfCurrentThread();
    ASSERT_FALSE(lowered == normal);
    std::optional<ThreadPriority> helper;
    std::thread([&] {
      lowered.ApplyToCurrentThread();
      helper = ThreadPriority::OfCurrentThread();
    }).join();
    EXPECT_TRUE(helper == lowered);
  }).join();
}

}  // namespace
}  // namespace veyra::platform
