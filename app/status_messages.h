// The fourteen numbered status messages, each in Russian (language 0) and English (language 1),
// and the controller's part of showing them: a worker posts a number with setStatus, the UI
// thread turns it into text with getStatus.
#pragma once

#include <atomic>
#include <optional>
#include <string>
#include <string_view>

namespace veyra {

inline constexpr int kLanguageRussian = 0;
inline constexpr int kLanguageEnglish = 1;
inline constexpr int kNoStatusMessage = -1;

// The text of message id in the language, or nothing for an id outside 0..13 or a language other
// than 0 and 1.
std::optional<std::string_view> StatusMessageText(int language, int id);

class StatusMessages {
 public:
  // messageId starts at 0, so the first getStatus shows message 0.
  explicit StatusMessages(int language = kLanguageEnglish) : language_(language) {}

  void setLanguage(int language) { language_ = language; }
  // Any thread: remembers the message to show; nothing is shown yet.
  void setStatus(int id) { messageId_.store(id, std::memory_order_release); }
  // Any thread.
  int getLanguage() const { return language_; }
  int messageId() const { return messageId_.load(std::memory_order_acquire); }
  // UI thread: recomputes msg from the posted id and the language; an id or language that selects
  // no text keeps the previous msg.
  void getStatus();
  const std::string& msg() const { return msg_; }

 private:
  int language_;
  std::atomic<int> messageId_{0};
  std::string msg_;
};

}  // namespace veyra
