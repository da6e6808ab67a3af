// The program entry: the window, the start-up sequence, the event loop. When the window closes
// the process ends at once, without waiting for a worker that may still run.
#include <exception>

#include "app/form_updater.h"
#include "platform/process.h"
#include "ui/skin/skin_pictures.h"
#include "ui/skin/updater_skin.h"
#include "ui/window.h"

int main() {
  const veyra::skin::SkinPictures pictures = veyra::skin::LoadSkinPictures();
  veyra::ui::Window window(veyra::skin::UpdaterWindowOptions(pictures));
  try {
    veyra::TFormUpdater form(window, pictures, veyra::SystemStartupInputs());
    window.Run();
    veyra::platform::ExitProcess(0);
  } catch (const std::exception& e) {
    // The start-up could not reach the registry: say why instead of vanishing.
    window.ShowMessage(veyra::skin::kWindowCaption, e.what());
    veyra::platform::ExitProcess(1);
  }
}
