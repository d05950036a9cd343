// The ways a timer file reaches the sheet besides File > Load: File > Recent
// Files, a drop on the window and "cvtimer FILE", each through the same
// refusals.

#include <QTimer>
#include <QUrl>
#include <filesystem>

#include "tests/golden.h"
#include "tests/gui/sheet_fixture.h"

namespace cv {
namespace {

class OpenFilesTest : public SheetTest {
protected:
    QStringList RecentItems() const {
        QStringList texts;
        for (QAction* item : sheet->RecentFilesMenu()->actions()) texts << item->text();
        return texts;
    }
    QString Item(int number, const std::string& name) const {
        return QStringLiteral("&%1 %2").arg(number).arg(QString::fromStdString(FolderPath(name)));
    }
    const std::string kDefaultFile = golden::kDefaultTimerFile;
};

TEST_F(OpenFilesTest, RecentFilesListsSavesAndLoadsAndLeavesTheRestOfTheSettingsAlone) {
    const std::string settings =
        "; CV Timer\r\n[SerialComm]\r\nPortNo=3\r\n[Ports]\r\nCOM3 = /dev/serial/by-id/usb-unit \r\n[Kitchen]\r\nWall=left\r\n";
    WriteBytes(SettingsPath(), settings);
    OpenSheet();
    WriteBytes(FolderPath("b.csv"), kDefaultFile);
    Save(FolderPath("a.csv"));
    Load(FolderPath("b.csv"));
    Save(FolderPath("c.csv"));
    Save(FolderPath("a.csv"));

    EXPECT_EQ(RecentItems(), (QStringList{Item(1, "a.csv"), Item(2, "c.csv"), Item(3, "b.csv")}));
    EXPECT_EQ(ReadBytes(SettingsPath()), settings + "[RecentFiles]\r\nFile1=\"" + FolderPath("a.csv") +
                                             "\"\r\nFile2=\"" + FolderPath("c.csv") + "\"\r\nFile3=\"" +
                                             FolderPath("b.csv") + "\"\r\n");

    // Still there after a restart; chosen, it loads.
    OpenSheet();
    ASSERT_EQ(RecentItems().size(), 3);
    sheet->RecentFilesMenu()->actions()[2]->trigger();
    EXPECT_EQ(sheet->windowTitle(), "Corvellan Timers - b.csv[*]");
    EXPECT_EQ(RecentItems().first(), Item(1, "b.csv"));
}

TEST_F(OpenFilesTest, AVanishedRecentFileSaysSoAndLeavesTheList) {
    Save(FolderPath("gone.csv"));
    Save(FolderPath("kept.csv"));
    std::filesystem::remove(FolderPath("gone.csv"));
    prompts.shown.clear();
    sheet->Field(0, TimerField::Name)->setText("Unsaved");
    sheet->RecentFilesMenu()->actions()[1]->trigger();

    ASSERT_EQ(prompts.ShownTexts(), QStringList{"Cannot Load Timer File"});
    EXPECT_TRUE(prompts.shown[0].detail.contains("no longer there")) << prompts.shown[0].detail.toStdString();
    EXPECT_TRUE(prompts.questions.empty());
    EXPECT_EQ(RecentItems(), QStringList{Item(1, "kept.csv")});
    EXPECT_EQ(Text(0, TimerField::Name), "Unsaved");
}

TEST_F(OpenFilesTest, ADroppedFileLoadsOrIsRefused) {
    WriteBytes(FolderPath("bad.csv"), kDefaultFile.substr(0, 41 * 3));
    std::string good = kDefaultFile;
    good.replace(0, 13, "Dropped Name ");
    WriteBytes(FolderPath("good.csv"), good);

    ASSERT_TRUE(DropOn(sheet->Field(2, TimerField::Name), {FileUrl("bad.csv")}));
    EXPECT_EQ(prompts.ShownTexts(), QStringList{"Cannot Load Timer File"});
    EXPECT_EQ(Text(0, TimerField::Name), "Hands Washing");
    EXPECT_EQ(Text(2, TimerField::Name), "Test All Sanitizer");  // the field did not take it for text

    ASSERT_TRUE(DropOn(sheet, {FileUrl("good.csv")}));
    EXPECT_EQ(Text(0, TimerField::Name).trimmed(), "Dropped Name");
    EXPECT_EQ(sheet->windowTitle(), "Corvellan Timers - good.csv[*]");

    EXPECT_FALSE(DropOn(sheet, {FileUrl("good.csv"), FileUrl("good.csv")}));
    EXPECT_FALSE(DropOn(sheet, {QUrl(QStringLiteral("https://example.org/timers.csv"))}));
}

TEST_F(OpenFilesTest, StartingWithAFileLoadsItOrShowsTheRefusalOverTheDefaults) {
    std::string good = kDefaultFile;
    good.replace(0, 13, "From The Arg ");
    WriteBytes(FolderPath("start.csv"), good);
    WriteBytes(FolderPath("bad.csv"), "not a timer file\n");
    const struct {
        std::string file;
        QString firstName;
        QString title;
        QStringList shown;
    } starts[] = {
        {"start.csv", "From The Arg", "Corvellan Timers - start.csv[*]", {}},
        {"bad.csv", "Hands Washing", "Corvellan Timers[*]", {"Cannot Load Timer File"}},
    };
    for (const auto& start : starts) {
        prompts.shown.clear();
        OpenSheet();
        QString firstName, title;
        // Looks at the sheet once it runs, then closes it, as a user would.
        QTimer::singleShot(0, sheet, [this, &firstName, &title] {
            firstName = Text(0, TimerField::Name).trimmed();
            title = sheet->windowTitle();
            sheet->close();
        });
        app.Run(QString::fromStdString(FolderPath(start.file)));
        EXPECT_EQ(firstName, start.firstName) << start.file;
        EXPECT_EQ(title, start.title) << start.file;
        EXPECT_EQ(prompts.ShownTexts(), start.shown) << start.file;
        EXPECT_TRUE(prompts.questions.empty());
    }
}

}  // namespace
}  // namespace cv
