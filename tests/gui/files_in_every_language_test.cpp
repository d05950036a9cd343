// The files the window writes are data: a timer file and the settings file
// come out the same, byte for byte, whatever language the window speaks.

#include <QLineEdit>
#include <gtest/gtest.h>
#include <filesystem>

#include "core/settings/port_setting.h"
#include "gui/timer_app.h"
#include "tests/gui/catalogue_text.h"
#include "tests/gui/recording_prompts.h"
#include "tests/temp_folder.h"

namespace cv {
namespace {

TEST(FilesInEveryLanguage, ATimerFileAndTheSettingsFileAreTheSameBytes) {
    TempFolder folder;
    const std::string timerFile = folder.File("lunch.csv");
    const std::string settingsFile = SettingsPathIn(folder.Path());
    std::vector<std::pair<std::string, std::string>> written;
    for (Language language : {Language::English, Language::Spanish, Language::French}) {
        std::filesystem::remove(PathFromUtf8(timerFile));
        std::filesystem::remove(PathFromUtf8(settingsFile));
        InstallLanguage(language);
        const CatalogueText catalogue(language);
        ASSERT_TRUE(catalogue.Loaded()) << LanguageCode(language);
        RecordingPrompts prompts;
        TimerApp app(prompts, folder.Path());
        TimerSheetDialog& sheet = app.CreateSheet();
        // A name with letters beyond ASCII, a typed time, a port chosen, a file
        // saved (and so remembered among the recent files).
        sheet.Field(0, TimerField::Name)->setText(QStringLiteral("Cr\u00e8me br\u00fbl\u00e9e"));
        sheet.Field(1, TimerField::StartTime)->setText(QStringLiteral("7:15 AM"));
        sheet.PortAction(3)->trigger();
        QAction* save = FileMenuItem(sheet, catalogue("cv::TimerSheetDialog", "&Save"));
        ASSERT_NE(save, nullptr) << LanguageCode(language);
        prompts.nextPaths << QString::fromStdString(timerFile);
        save->trigger();
        EXPECT_EQ(prompts.ShownTexts(), QStringList{catalogue("cv::TimerApp", "Corvellan Timers Saved")});
        written.emplace_back(ReadBytes(timerFile), ReadBytes(settingsFile));
    }
    InstallLanguage(Language::English);
    ASSERT_FALSE(written[0].first.empty());
    ASSERT_NE(written[0].second.find("lunch.csv"), std::string::npos) << written[0].second;
    for (std::size_t i = 1; i < written.size(); ++i) {
        EXPECT_EQ(written[i].first, written[0].first) << "timer file, language " << i;
        EXPECT_EQ(written[i].second, written[0].second) << "settings file, language " << i;
    }
}

}  // namespace
}  // namespace cv
