#include "app/status_messages.h"

#include <gtest/gtest.h>

namespace veyra {
namespace {

struct Row {
  int id;
  const char* russian;
  const char* english;
};

// The whole vocabulary, written out independently of the implementation's table.
constexpr Row kVocabulary[] = {
    {0, "Updater готов к работе.", "Updater is ready to work."},
    {1, "Проверка успешно завершена!", "Checking successfully completed!"},
    {2, "Произошла ошибка, попробуйте позже.", "An error occurred, try again later."},
    {3, "Идет проверка файлов, пожалуйста подождите.", "Scan of files, please wait."},
    {4, "Все файлы успешно обновлены, приятной игры!", "All files were successfully updated!"},
    {5, "Отмена", "Cancel"},
    {6, "Вы отменили выполнение обновлений.", "You canceled Updates."},
    {7, "Клиент не нуждается в обновлении.", "Your patch is up to date."},
    {8, "Ошибка, пожайлуйста попробуйте позже!", "Error, please try late again!"},
    {9, "Обновляю", "Updating"},
    {10, "Проверка версии программы...", "Checking program version..."},
    {11, "Произошла ошибка обновления программы.", "An error occurred while trying to update."},
    {12, "Дождитесь обновления программы!", "Wait for the software update!"},
    {13, "Сейчас программа перезагрузится.", "The program restart now."},
};

TEST(StatusMessagesTest, AllTwentyEightTextsAsWritten) {
  for (const Row& row : kVocabulary) {
    for (const auto& [language, expected] :
         {std::pair{kLanguageRussian, row.russian}, std::pair{kLanguageEnglish, row.english}}) {
      StatusMessages status(language);
      status.setStatus(row.id);
      status.getStatus();
      EXPECT_EQ(status.msg(), expected) << "id " << row.id << " language " << language;
    }
  }
}

TEST(StatusMessagesTest, FirstGetStatusShowsMessageZero) {
  StatusMessages status(kLanguageEnglish);
  status.getStatus();
  EXPECT_EQ(status.msg(), "Updater is ready to work.");
}

TEST(StatusMessagesTest, IdsThatSelectNoTextKeepThePreviousText) {
  for (int id : {-1, 14, 100, -7}) {
    StatusMessages status(kLanguageEnglish);
    status.setStatus(7);
    status.getStatus();
    status.setStatus(id);
    status.getStatus();
    EXPECT_EQ(status.msg(), "Your patch is up to date.") << "id " << id;
  }
}

TEST(StatusMessagesTest, LanguagesOtherThanRussianAndEnglishNeverSelectText) {
  for (int language : {2, 7, -1}) {
    StatusMessages status(language);
    for (int id = 0; id <= 13; ++id) {
      status.setStatus(id);
      status.getStatus();
    }
    EXPECT_EQ(status.msg(), "") << "language " << language;
    EXPECT_EQ(status.getLanguage(), language);
  }
}

}  // namespace
}  // namespace veyra
