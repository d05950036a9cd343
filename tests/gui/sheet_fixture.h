#pragma once
// A sheet built the way the program builds it, with its settings file in a
// fresh temporary folder and prompts that tests answer.

#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

#include "gui/timer_app.h"
#include "gui/timer_sheet.h"
#include "tests/gui/recording_prompts.h"
#include "tests/temp_folder.h"

namespace cv {

class SheetTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_FALSE(folder.Path().empty());
        OpenSheet();
    }

    // (Re)builds the sheet, as a program start would.
    void OpenSheet() {
        sheet = &app.CreateSheet();
        sheet->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(sheet));
    }

    std::string FolderPath(const std::string& name) const { return folder.File(name); }
    std::string SettingsPath() const { return FolderPath("CVTimerSystem.ini"); }

    QString Text(int timer, TimerField field) const { return sheet->Field(timer, field)->text(); }

    TempFolder folder;
    RecordingPrompts prompts;
    TimerApp app{prompts, folder.Path()};
    TimerSheetDialog* sheet = nullptr;
};

}  // namespace cv
