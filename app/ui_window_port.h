// The window port of the running program: each call is handed to the UI thread and waited for.
#pragma once

#include "app/window_port.h"
#include "ui/window.h"

namespace veyra {

class TFormUpdater;

class UiWindowPort final : public WindowPort {
 public:
  UiWindowPort(ui::Window& window, TFormUpdater& form) : window_(window), form_(form) {}

  void ApplyBusyLook() override;
  void ApplyIdleLook() override;
  void SetFileBar(float height) override;
  void SetTotalBar(float height) override;
  void StepTotalBar(float amount) override;
  void ShowText(const std::string& text) override;
  void PostStatus(int messageId) override;
  void ShowMessage(const std::string& text) override;
  void StartClient() override;

 private:
  ui::Window& window_;
  TFormUpdater& form_;
};

}  // namespace veyra
