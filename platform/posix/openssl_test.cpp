#include "platform/posix/openssl.h"

#include <gtest/gtest.h>

#include "base/error.h"

namespace veyra::platform::posix {
namespace {

TEST(OpenSslTest, MissingLibraryIsReportedWithTheSystemsText) {
  try {
    OpenSsl::Load({"libveyra-no-such-ssl.so.3"});
    FAIL() << "loaded a library that does not exist";
  } catch (const Error& error) {
    EXPECT_STREQ(error.what(), "Could not load SSL library.");
  }
}

TEST(OpenSslTest, TheSystemLibraryHasEveryFunction) {
  const OpenSsl& ssl = OpenSsl::Get();
  EXPECT_NE(ssl.SSL_new, nullptr);
  EXPECT_NE(ssl.ERR_clear_error, nullptr);
}

}  // namespace
}  // namespace veyra::platform::posix
