#include "platform/mutex.h"

#include <gtest/gtest.h>

#include <random>
#include <thread>

namespace veyra::platform {
namespace {

std::string UniqueName() {
  std::random_device random;
  return "VeyraUpdaterTest-" + std::to_string(random()) + std::to_string(random());
}

// A second owner from another thread: Windows lets the owning thread wait on its mutex again.
WaitResult TryWaitOnAnotherThread(const std::string& name) {
  WaitResult result = WaitResult::Other;
  std::thread([&] { result = NamedMutex(name).TryWait(); }).join();
  return result;
}

TEST(NamedMutex, FirstCreatorOwnsIt) {
  NamedMutex mutex(UniqueName());
  EXPECT_EQ(mutex.TryWait(), WaitResult::Object0);
  EXPECT_EQ(mutex.TryWait(), WaitResult::Object0);
}

TEST(NamedMutex, SecondOwnerIsRefusedWhileTheFirstLives) {
  const std::string name = UniqueName();
  {
    NamedMutex first(name);
    ASSERT_EQ(first.TryWait(), WaitResult::Object0);
    EXPECT_EQ(TryWaitOnAnotherThread(name), WaitResult::Other);
    EXPECT_EQ(TryWaitOnAnotherThread(UniqueName()), WaitResult::Object0);
  }
  EXPECT_EQ(TryWaitOnAnotherThread(name), WaitResult::Object0);
}

TEST(NamedMutex, MutexThatCannotBeCreatedIsNeverOwned) {
  // Windows refuses the unknown namespace prefix, POSIX a lock file name this long.
  NamedMutex mutex("NoSuchNamespace\\" + std::string(300, 'm'));
  EXPECT_EQ(mutex.TryWait(), WaitResult::Other);
}

TEST(NamedMutex, NameWithBackslashesWorks) {
  const std::string name = "Local\\" + UniqueName();
  NamedMutex first(name);
  EXPECT_EQ(first.TryWait(), WaitResult::Object0);
  EXPECT_EQ(TryWaitOnAnotherThread(name), WaitResult::Other);
}

}  // namespace
}  // namespace veyra::platform
