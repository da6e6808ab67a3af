// Renders the updater's window in its idle and busy looks to PNG files, on the headless backend.
// Usage: veyra-skin-snapshot OUTPUT_FOLDER
#include <cstdio>
#include <exception>
#include <memory>
#include <string>

#include "ui/headless/headless_backend.h"
#include "ui/skin/updater_skin.h"

namespace {

using namespace veyra;

void Snapshot(const std::string& folder) {
  const skin::SkinPictures pictures = skin::LoadSkinPictures();
  ui::Window window(skin::UpdaterWindowOptions(pictures),
                    std::make_unique<ui::HeadlessBackend>(skin::UpdaterWindowOptions(pictures)));
  bool canUpdate = true;
  skin::UpdaterSkin skin(window, pictures, canUpdate, {});

  skin.Status.SetText("Updater is ready to work.");
  ui::SavePng(window.scene().Compose(), folder + "/skin-idle.png");

  skin.ApplyBusyLook();
  skin.Status.SetText("Идет проверка файлов, пожалуйста подождите.");
  skin.bars().SetFileBar(95.5f);
  skin.bars().SetTotalBar(182);
  ui::SavePng(window.scene().Compose(), folder + "/skin-busy.png");
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s OUTPUT_FOLDER\n", argv[0]);
    return 2;
  }
  try {
    Snapshot(argv[1]);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "%s\n", e.what());
    return 1;
  }
  return 0;
}
