#include "app/form_updater.h"

#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <thread>

#include "platform/registry.h"
#include "ui/headless/headless_backend.h"

namespace veyra {
namespace {

const skin::SkinPictures& Pictures() {
  static const skin::SkinPictures pictures = skin::LoadSkinPictures();
  return pictures;
}

// Each test starts the window on a headless backend with a registry key of its own, deleted
// afterwards.
class FormUpdaterTest : public ::testing::Test {
 protected:
  FormUpdaterTest() : key_("Software\\VeyraUpdaterTest\\" + RandomName()) {}
  ~FormUpdaterTest() override { platform::RegistryKey::DeleteTree(key_); }

  static std::string RandomName() {
    std::random_device random;
    return "form" + std::to_string(random()) + std::to_string(random());
  }

  void StoreLanguage(const std::string& text) {
    platform::RegistryKey::OpenOrCreate(key_ + "\\Settings").WriteString("language", text);
  }
  std::optional<std::string> StoredLanguage() {
    auto settings = platform::RegistryKey::OpenExisting(key_ + "\\Settings");
    return settings ? settings->ReadString("LANGUAGE") : std::nullopt;
  }

  TFormUpdater& Start(std::string commandLine = "VeyraUpdater.exe",
                      std::optional<std::string> userProfile = "C:\\Users\\player") {
    auto backend = std::make_unique<ui::HeadlessBackend>(skin::UpdaterWindowOptions(Pictures()));
    backend_ = backend.get();
    window_ =
        std::make_unique<ui::Window>(skin::UpdaterWindowOptions(Pictures()), std::move(backend));
    form_ = std::make_unique<TFormUpdater>(
        *window_, Pictures(), StartupInputs{std::move(commandLine), std::move(userProfile), key_});
    return *form_;
  }

  const std::string key_;
  ui::HeadlessBackend* backend_ = nullptr;
  std::unique_ptr<ui::Window> window_;
  std::unique_ptr<TFormUpdater> form_;
};

TEST_F(FormUpdaterTest, FirstStartCreatesTheKeysAndShowsReadyInEnglish) {
  const ControllerState& state = Start().state();
  EXPECT_EQ(state.status.getLanguage(), 1);
  EXPECT_EQ(form_->skin().Status.text(), "Updater is ready to work.");
  EXPECT_EQ(StoredLanguage(), "1");
  EXPECT_TRUE(state.RegistreU.has_value());
  EXPECT_TRUE(state.RegistreD.has_value());
  EXPECT_EQ(state.status.messageId(), -1);
  EXPECT_TRUE(state.canUpdate);
  EXPECT_EQ(state.currentUpdaterVersion, 4);
  EXPECT_EQ(state.exeName, "VeyraUpdater.exe");
  EXPECT_EQ(state.dirUserProfile, "C:\\Users\\player");
  EXPECT_FALSE(state.runnedFromExe);
  EXPECT_EQ(state.settings, Settings{});
}

TEST_F(FormUpdaterTest, LanguageFromTheRegistryIsWrittenBack) {
  const struct {
    std::optional<std::string> stored;
    int language;
    const char* label;
    const char* written;
  } cases[] = {
      {"0", 0, "Updater готов к работе.", "0"},
      {"7", 7, "", "7"},
      {" 1", 1, "Updater is ready to work.", "1"},
      {"1x", 1, "Updater is ready to work.", "1"},
      {"$0", 0, "Updater готов к работе.", "0"},
      {"", 1, "Updater is ready to work.", "1"},
      {std::nullopt, 1, "Updater is ready to work.", "1"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.stored.value_or("(missing)"));
    platform::RegistryKey::DeleteTree(key_);
    platform::RegistryKey::OpenOrCreate(key_ + "\\Settings");
    if (c.stored) StoreLanguage(*c.stored);
    form_.reset();
    window_.reset();
    const ControllerState& state = Start().state();
    EXPECT_EQ(state.status.getLanguage(), c.language);
    EXPECT_EQ(form_->skin().Status.text(), c.label);
    EXPECT_EQ(StoredLanguage(), c.written);
  }
}

TEST_F(FormUpdaterTest, ALanguageValueThatIsNotTextReadsAsEnglish) {
  platform::RegistryKey::OpenOrCreate(key_ + "\\Settings").WriteInteger("language", 0);
  EXPECT_EQ(Start().state().status.getLanguage(), 1);
  EXPECT_EQ(StoredLanguage(), "1");
}

TEST_F(FormUpdaterTest, OnlyTheWordAloneMarksAStartByTheClient) {
  const struct {
    const char* commandLine;
    bool runnedFromExe;
  } cases[] = {{"-client", true},
               {"-CLIENT", true},
               {"C:\\Game\\VeyraUpdater.exe -client", false},
               {"", false}};
  for (const auto& c : cases) {
    form_.reset();
    window_.reset();
    EXPECT_EQ(Start(c.commandLine).state().runnedFromExe, c.runnedFromExe) << c.commandLine;
  }
}

TEST_F(FormUpdaterTest, AMissingUserProfileIsEmpty) {
  EXPECT_EQ(Start("", std::nullopt).state().dirUserProfile, "");
}

TEST_F(FormUpdaterTest, TheCloseButtonClosesTheWindow) {
  Start();
  backend_->Press({850, 60}, ui::MouseButton::kRight);
  EXPECT_FALSE(backend_->closed());
  backend_->Release({850, 60}, ui::MouseButton::kRight);
  EXPECT_TRUE(backend_->closed());
}

// A worker's calls through the port happen on the UI thread, which serves them in its loop.
TEST_F(FormUpdaterTest, AWorkerReachesTheWindowThroughThePort) {
  TFormUpdater& form = Start();
  WindowPort& port = form.port();
  std::thread worker([&] {
    port.ApplyBusyLook();
    port.SetFileBar(-5);
    port.SetTotalBar(260);
    port.StepTotalBar(-60.5f);
    port.PostStatus(7);
    port.ShowText("Checking system\\l2.exe");
    port.ShowMessage("The list cannot be read.");
    window_->InvokeSync([&] { window_->Close(); });
  });
  window_->Run();
  worker.join();

  EXPECT_FALSE(form.state().canUpdate);
  EXPECT_TRUE(form.skin().CancelNormal.visible());
  EXPECT_EQ(form.skin().bars().fileBar(), 0);
  EXPECT_EQ(form.skin().bars().totalBar(), 199.5f);
  EXPECT_EQ(form.skin().Status.text(), "Checking system\\l2.exe");
  ASSERT_EQ(backend_->messages().size(), 1u);
  EXPECT_EQ(backend_->messages()[0].caption, "Veyra Updater");
  EXPECT_EQ(backend_->messages()[0].text, "The list cannot be read.");
  EXPECT_EQ(form.state().status.messageId(), 7);
}

TEST_F(FormUpdaterTest, PostingNoMessageShowsTheLastStatusAgain) {
  TFormUpdater& form = Start();
  form.port().ShowText("a text of the worker's own");
  form.port().PostStatus(-1);
  EXPECT_EQ(form.skin().Status.text(), "Updater is ready to work.");
  form.port().PostStatus(7);
  form.port().PostStatus(14);
  EXPECT_EQ(form.skin().Status.text(), "Your patch is up to date.");
}

}  // namespace
}  // namespace veyra
