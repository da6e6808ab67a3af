#include "app/status_messages.h"

#include <array>

namespace veyra {
namespace {

struct Texts {
  std::string_view russian;
  std::string_view english;
};

constexpr std::array<Texts, 14> kMessages = {{
    {"Updater готов к работе.", "Updater is ready to work."},
    {"Проверка успешно завершена!", "Checking successfully completed!"},
    {"Произошла ошибка, попробуйте позже.", "An error occurred, try again later."},
    {"Идет проверка файлов, пожалуйста подождите.", "Scan of files, please wait."},
    {"Все файлы успешно обновлены, приятной игры!", "All files were successfully updated!"},
    {"Отмена", "Cancel"},
    {"Вы отменили выполнение обновлений.", "You canceled Updates."},
    {"Клиент не нуждается в обновлении.", "Your patch is up to date."},
    {"Ошибка, пожайлуйста попробуйте позже!", "Error, please try late again!"},
    {"Обновляю", "Updating"},
    {"Проверка версии программы...", "Checking program version..."},
    {"Произошла ошибка обновления программы.", "An error occurred while trying to update."},
    {"Дождитесь обновления программы!", "Wait for the software update!"},
    {"Сейчас программа перезагрузится.", "The program restart now."},
}};

}  // namespace

std::optional<std::string_view> StatusMessageText(int language, int id) {
  if (id < 0 || id >= static_cast<int>(kMessages.size())) return std::nullopt;
  if (language == kLanguageRussian) return kMessages[id].russian;
  if (language == kLanguageEnglish) return kMessages[id].english;
  return std::nullopt;
}

void StatusMessages::getStatus() {
  if (const auto text = StatusMessageText(language_, messageId())) msg_ = *text;
}

}  // namespace veyra
