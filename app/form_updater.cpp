#include "app/form_updater.h"

#include "app/command_line.h"
#include "app/language_setting.h"
#include "base/error.h"
#include "platform/process.h"

namespace veyra {
namespace {

std::optional<platform::RegistryKey> OpenOrCreateIfPossible(const std::string& path) {
  try {
    return platform::RegistryKey::OpenOrCreate(path);
  } catch (const Error&) {
    return std::nullopt;
  }
}

}  // namespace

StartupInputs SystemStartupInputs() {
  return {platform::CommandLine(), platform::EnvironmentVariable("USERPROFILE"),
          kUpdaterRegistryKey};
}

TFormUpdater::TFormUpdater(ui::Window& window, const skin::SkinPictures& pictures,
                           StartupInputs inputs)
    : window_(window),
      inputs_(std::move(inputs)),
      skin_(window, pictures, state_.canUpdate, ButtonActions()),
      port_(window, *this) {
  FormCreate();
}

// Start, Update, Cancel and Site act once the workers, the client launch and the site link exist.
skin::SkinActions TFormUpdater::ButtonActions() {
  skin::SkinActions actions;
  actions.close = [this] { CloseNormalMouseUp(); };
  return actions;
}

void TFormUpdater::FormCreate() {
  state_.runnedFromExe = IsClientLaunch(inputs_.commandLine);
  state_.currentUpdaterVersion = kCurrentUpdaterVersion;
  state_.exeName = kUpdaterExeName;
  state_.dirUserProfile = inputs_.userProfile.value_or("");
  state_.RegistreU = platform::RegistryKey::OpenOrCreate(inputs_.registryKey);
  // messageId is still 0 here, so this shows the "ready" message in the language read.
  setLanguage(ReadLanguage(inputs_.registryKey));
  // A missing Settings key only matters to the patch worker when it records a critical update.
  state_.RegistreD = OpenOrCreateIfPossible(inputs_.registryKey + "\\Settings");
  state_.status.setStatus(kNoStatusMessage);
  state_.canUpdate = true;
  // The remote settings, the single-instance guard and the first worker come next once the
  // program has them.
}

void TFormUpdater::setLanguage(int language) {
  state_.status.setLanguage(language);
  WriteLanguage(inputs_.registryKey, language);
  showStatus();
}

void TFormUpdater::showStatus() {
  state_.status.getStatus();
  skin_.Status.SetText(state_.status.msg());
}

void TFormUpdater::StartClient() {
  platform::ShellOpen(platform::CurrentDirectory() + "\\system\\l2.exe", "-updater");
  skin_.Minimise();
  if (state_.settings.closeUpdaterAfterStartinGame) window_.Close();
}

}  // namespace veyra
