// What a worker may do to the window. Every call is carried out on the UI thread and returns
// only when it has been: the application implements this with synchronous calls into the event
// loop, and tests replace it with a recorder.
#pragma once

#include <string>

namespace veyra {

class WindowPort {
 public:
  // The busy look (the gate closed, greyed Start, Cancel shown) and the idle look.
  virtual void ApplyBusyLook() = 0;
  virtual void ApplyIdleLook() = 0;

  // The progress bars, in pixels of cover over each tube: 260 shows it empty, 0 full.
  virtual void SetFileBar(float height) = 0;
  virtual void SetTotalBar(float height) = 0;
  virtual void StepTotalBar(float amount) = 0;

  // Puts the worker's own text into the status line.
  virtual void ShowText(const std::string& text) = 0;
  // Posts a numbered status message: remembers the id, then shows the status text.
  virtual void PostStatus(int messageId) = 0;
  // A modal message box; returns when the user has closed it.
  virtual void ShowMessage(const std::string& text) = 0;
  // Launches the game client.
  virtual void StartClient() = 0;

 protected:
  ~WindowPort() = default;
};

}  // namespace veyra
