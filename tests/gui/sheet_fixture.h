#pragma once
// A sheet built the way the program builds it, with its settings file in a
// fresh temporary folder and prompts that tests answer.

#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <fstream>
#include <sstream>

#include "app/timer_app.h"
#include "sheet/timer_sheet.h"
#include "tests/gui/recording_prompts.h"

namespace cv {

class SheetTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        OpenSheet();
    }

    // (Re)builds the sheet, as a program start would.
    void OpenSheet() {
        sheet = &app.CreateSheet();
        sheet->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(sheet));
    }

    std::string FolderPath(const std::string& name) const { return folder.filePath(QString::fromStdString(name)).toStdString(); }
    std::string SettingsPath() const { return FolderPath("CVTimerSystem.ini"); }

    static std::string ReadFile(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        std::ostringstream out;
        out << in.rdbuf();
        return out.str();
    }
    static void WriteFile(const std::string& path, const std::string& bytes) {
        std::ofstream(path, std::ios::binary) << bytes;
    }

    QString Text(int timer, TimerField field) const { return sheet->Field(timer, field)->text(); }

    QTemporaryDir folder;
    RecordingPrompts prompts;
    TimerApp app{prompts, folder.path().toStdString()};
    TimerSheetDialog* sheet = nullptr;
};

}  // namespace cv
