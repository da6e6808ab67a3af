#include "app/ui_window_port.h"

#include "app/form_updater.h"
#include "ui/skin/updater_skin.h"

namespace veyra {

void UiWindowPort::ApplyBusyLook() {
  window_.InvokeSync([this] { form_.skin().ApplyBusyLook(); });
}

void UiWindowPort::ApplyIdleLook() {
  window_.InvokeSync([this] { form_.skin().ApplyIdleLook(); });
}

void UiWindowPort::SetFileBar(float height) {
  window_.InvokeSync([this, height] { form_.skin().bars().SetFileBar(height); });
}

void UiWindowPort::SetTotalBar(float height) {
  window_.InvokeSync([this, height] { form_.skin().bars().SetTotalBar(height); });
}

void UiWindowPort::StepTotalBar(float amount) {
  window_.InvokeSync([this, amount] { form_.skin().bars().StepTotalBar(amount); });
}

void UiWindowPort::ShowText(const std::string& text) {
  window_.InvokeSync([this, &text] { form_.skin().Status.SetText(text); });
}

void UiWindowPort::PostStatus(int messageId) {
  form_.setStatus(messageId);
  window_.InvokeSync([this] { form_.showStatus(); });
}

void UiWindowPort::ShowMessage(const std::string& text) {
  window_.InvokeSync([this, &text] { window_.ShowMessage(skin::kWindowCaption, text); });
}

void UiWindowPort::StartClient() {
  window_.InvokeSync([this] { form_.StartClient(); });
}

}  // namespace veyra
