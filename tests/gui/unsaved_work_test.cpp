// Unsaved work on the sheet: the question before closing or loading, its
// three answers, and the title that shows the file and the modified marker.

#include <filesystem>

#include "core/settings/recent_files.h"
#include "tests/golden.h"
#include "tests/gui/sheet_fixture.h"

namespace cv {
namespace {

enum class Way { Exit, CloseBox, Load, Recent, Drop };
enum class Reply { Save, SaveCancelled, SaveFails, Discard, Cancel };

class UnsavedWorkTest : public SheetTest {
protected:
    void SetUp() override {
        SheetTest::SetUp();
        std::string other = golden::kDefaultTimerFile;
        other.replace(0, 13, "Other Timer  ");
        WriteBytes(OtherFile(), other);
    }
    std::string OtherFile() const { return FolderPath("other.csv"); }

    void Leave(Way way) {
        switch (way) {
            case Way::Exit: FileItem("Exit")->trigger(); break;
            case Way::CloseBox: sheet->close(); break;
            case Way::Load: Load(OtherFile()); break;
            case Way::Recent:
                RememberRecentFile(SettingsPath(), OtherFile());
                sheet->RefreshRecentFiles();
                sheet->RecentFilesMenu()->actions().constFirst()->trigger();
                break;
            case Way::Drop: ASSERT_TRUE(DropOn(sheet, {FileUrl("other.csv")})); break;
        }
    }
};

TEST_F(UnsavedWorkTest, EveryWayOutOrInAsksAndHonoursTheAnswer) {
    const Way ways[] = {Way::Exit, Way::CloseBox, Way::Load, Way::Recent, Way::Drop};
    const Reply replies[] = {Reply::Save, Reply::SaveCancelled, Reply::SaveFails, Reply::Discard, Reply::Cancel};
    std::filesystem::create_directory(FolderPath("a-folder"));
    for (Way way : ways) {
        for (Reply reply : replies) {
            const std::string where = "way " + std::to_string(static_cast<int>(way)) + ", reply " +
                                      std::to_string(static_cast<int>(reply));
            OpenSheet();
            sheet->Field(0, TimerField::Name)->setText("Edited");
            prompts.questions.clear();
            prompts.nextPaths.clear();
            std::filesystem::remove(FolderPath("saved.csv"));
            prompts.nextAnswers = {reply == Reply::Discard  ? SaveChangesAnswer::Discard
                                   : reply == Reply::Cancel ? SaveChangesAnswer::Cancel
                                                            : SaveChangesAnswer::Save};
            if (reply == Reply::Save) prompts.nextPaths << QString::fromStdString(FolderPath("saved.csv"));
            if (reply == Reply::SaveCancelled) prompts.nextPaths << QString();
            if (reply == Reply::SaveFails) prompts.nextPaths << QString::fromStdString(FolderPath("a-folder"));

            Leave(way);

            const bool goesOn = reply == Reply::Save || reply == Reply::Discard;
            ASSERT_EQ(prompts.questions.size(), 1u) << where;
            EXPECT_EQ(prompts.questions[0].text, "Save changes to the timers?");
            if (way == Way::Exit || way == Way::CloseBox) {
                EXPECT_EQ(sheet->isVisible(), !goesOn) << where;
            } else {
                EXPECT_EQ(Text(0, TimerField::Name).trimmed(), goesOn ? "Other Timer" : "Edited") << where;
            }
            EXPECT_EQ(std::filesystem::exists(FolderPath("saved.csv")), reply == Reply::Save) << where;
            if (reply == Reply::Save) {
                EXPECT_TRUE(ReadBytes(FolderPath("saved.csv")).starts_with("Edited  ")) << where;
            }
        }
    }
}

TEST_F(UnsavedWorkTest, NoQuestionWhenNothingIsLost) {
    // Typed and typed back: the fields are what was shown at start.
    sheet->Field(3, TimerField::StartTime)->setText("7:00");
    sheet->Field(3, TimerField::StartTime)->setText("6:30 AM");
    Load(OtherFile());
    EXPECT_EQ(Text(0, TimerField::Name).trimmed(), "Other Timer");
    Load(FolderPath("other.csv"));                          // after a load...
    sheet->Field(3, TimerField::Name)->setText("Edited");
    Save(FolderPath("saved.csv"));                          // ...and after a save
    EXPECT_TRUE(sheet->close());
    EXPECT_TRUE(prompts.questions.empty());
}

TEST_F(UnsavedWorkTest, TheTitleNamesTheFileAndMarksChanges) {
    EXPECT_EQ(sheet->windowTitle(), "Corvellan Timers[*]");
    Load(OtherFile());
    EXPECT_EQ(sheet->windowTitle(), "Corvellan Timers - other.csv[*]");
    EXPECT_FALSE(sheet->isWindowModified());
    QTest::keyClicks(sheet->Field(2, TimerField::RepeatInterval), "5");
    EXPECT_TRUE(sheet->isWindowModified());
    Save(FolderPath("lunch.csv"));
    EXPECT_EQ(sheet->windowTitle(), "Corvellan Timers - lunch.csv[*]");
    EXPECT_FALSE(sheet->isWindowModified());
}

}  // namespace
}  // namespace cv
