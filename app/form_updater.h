// The main window object: the controller state, the start-up sequence that fills it, and the
// controller's own operations on the window.
#pragma once

#include <optional>
#include <string>

#include "app/settings.h"
#include "app/status_messages.h"
#include "app/ui_window_port.h"
#include "platform/registry.h"
#include "ui/skin/skin_pictures.h"
#include "ui/skin/updater_skin.h"
#include "ui/window.h"

namespace veyra {

inline constexpr char kUpdaterRegistryKey[] = "Software\\VeyraUpdater";
inline constexpr int kCurrentUpdaterVersion = 4;
// The name under which a newer updater replaces this one, whatever the running file is called.
inline constexpr char kUpdaterExeName[] = "VeyraUpdater.exe";

// What the start-up sequence takes from the system.
struct StartupInputs {
  std::string commandLine;
  std::optional<std::string> userProfile;  // USERPROFILE, if set
  std::string registryKey = kUpdaterRegistryKey;
};

// The inputs of this process: its command line, its environment, the updater's registry key.
StartupInputs SystemStartupInputs();

// Written during start-up, before any worker exists, and read by the workers without locking.
// The drag anchor lives with the skin's WindowDrag.
struct ControllerState {
  StatusMessages status;  // language, messageId and msg
  bool canUpdate = false;
  Settings settings;
  int currentUpdaterVersion = 0;
  std::string exeName;
  std::string dirUserProfile;
  bool runnedFromExe = false;
  std::optional<platform::RegistryKey> RegistreU;  // the updater's key
  std::optional<platform::RegistryKey> RegistreD;  // its Settings section; none if it failed
};

class TFormUpdater {
 public:
  // Builds the skin into the window (whose scene must be empty) and runs FormCreate.
  TFormUpdater(ui::Window& window, const skin::SkinPictures& pictures, StartupInputs inputs);
  TFormUpdater(const TFormUpdater&) = delete;
  TFormUpdater& operator=(const TFormUpdater&) = delete;

  // UI thread: sets the language, stores it in the registry and shows the status text.
  void setLanguage(int language);
  // Any thread: remembers the status message to show next.
  void setStatus(int messageId) { state_.status.setStatus(messageId); }
  // UI thread: shows the status text of the last message posted.
  void showStatus();
  // UI thread: launches the game client with "-updater", minimises the window and closes it when
  // the settings ask for that.
  void StartClient();

  const ControllerState& state() const { return state_; }
  skin::UpdaterSkin& skin() { return skin_; }
  // What workers use to reach the window.
  WindowPort& port() { return port_; }

 private:
  skin::SkinActions ButtonActions();
  void FormCreate();
  void CloseNormalMouseUp() { window_.Close(); }

  ui::Window& window_;
  const StartupInputs inputs_;
  ControllerState state_;
  skin::UpdaterSkin skin_;
  UiWindowPort port_;
};

}  // namespace veyra
