// File > Save and File > Load on the running sheet.

#include <QAction>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <filesystem>

#include "gui/windows/about_dialog.h"
#include "tests/gui/sheet_fixture.h"
#include "tests/golden.h"

namespace cv {
namespace {

const std::string kDefaultFile = golden::kDefaultTimerFile;

class TimerFileMenuTest : public SheetTest {
protected:
    std::vector<ColumnTexts> AllColumns() const {
        std::vector<ColumnTexts> columns;
        for (int t = 0; t < kTimerCount; ++t) columns.push_back(sheet->ColumnOnSheet(t));
        return columns;
    }
};

TEST_F(TimerFileMenuTest, SavingTheDefaultSheetWritesTheTenLinesExactly) {
    Save(FolderPath("default.csv"));
    EXPECT_EQ(ReadBytes(FolderPath("default.csv")), kDefaultFile);
    ASSERT_EQ(prompts.ShownTexts(), QStringList{"Corvellan Timers Saved"});
    EXPECT_EQ(prompts.shown[0].caption, "File Save");
    ASSERT_EQ(prompts.fileRequests.size(), 1u);
    EXPECT_EQ(prompts.fileRequests[0].filter, "CV Timer (*.csv)");
    EXPECT_EQ(prompts.fileRequests[0].defaultSuffix, "csv");
}

TEST_F(TimerFileMenuTest, DialogsOpenInTheWorkFolderThenWhereTheLastFileWas) {
    TempFolder elsewhere;
    Save(elsewhere.File("lunch.csv"));
    prompts.nextPaths << QString();
    FileItem("Load")->trigger();
    ASSERT_EQ(prompts.fileRequests.size(), 2u);
    EXPECT_EQ(prompts.fileRequests[0].folder.toStdString(), folder.Path());
    EXPECT_EQ(QDir(prompts.fileRequests[1].folder), QDir(QString::fromStdString(elsewhere.Path())));
    // The About box says where the settings are, whatever folder the dialogs are in.
    AboutDialog about({folder.Path(), WorkFolder::Reason::Asked, "/x"}, sheet);
    EXPECT_EQ(about.findChild<QLabel*>("workFolder")->text(), QDir::toNativeSeparators(QString::fromStdString(folder.Path())));
}

TEST_F(TimerFileMenuTest, SaveThenLoadShowsTimesInTheirFormattedForm) {
    sheet->Field(2, TimerField::RepeatInterval)->setText("2:00");
    sheet->Field(4, TimerField::Name)->setText("Fries, large");
    sheet->Field(5, TimerField::Name)->setText(QString(20, QLatin1Char(' ')));
    Save(FolderPath("t.csv"));
    sheet->Field(4, TimerField::Name)->setText("changed");
    prompts.nextAnswers = {SaveChangesAnswer::Discard};
    Load(FolderPath("t.csv"));
    EXPECT_EQ(Text(2, TimerField::RepeatInterval), "02:00 AM");
    EXPECT_EQ(Text(0, TimerField::StartTime), "06:00 AM");
    EXPECT_EQ(Text(0, TimerField::SnoozeTime), "00:03 AM");
    EXPECT_EQ(Text(4, TimerField::Name), "Fries, large        ");
    EXPECT_EQ(Text(5, TimerField::Name), QString(20, QLatin1Char(' ')));
    EXPECT_EQ(sheet->records[4].name, "Fries, large        ");
}

TEST_F(TimerFileMenuTest, TypographicPunctuationIsSavedPlainAndAnotherCharacterIsMarkedAndRefused) {
    sheet->Field(3, TimerField::Name)->setText(QStringLiteral("Chef\u2019s Check"));
    QLineEdit* eggs = sheet->Field(4, TimerField::Name);
    const QColor plain = eggs->palette().color(QPalette::Base);
    eggs->setText(QStringLiteral("\u0152ufs"));
    EXPECT_TRUE(eggs->toolTip().contains("Character 1 of the name is \"\u0152\" (U+0152)")) << eggs->toolTip().toStdString();
    EXPECT_NE(eggs->palette().color(QPalette::Base), plain);

    Save(FolderPath("t.csv"));
    ASSERT_EQ(prompts.ShownTexts(), QStringList{"Could Not Save Timers"});
    EXPECT_TRUE(prompts.shown[0].detail.startsWith("Timer 5's name holds \"\u0152\" (U+0152) at character 1"));
    EXPECT_TRUE(prompts.fileRequests.empty());
    EXPECT_FALSE(std::filesystem::exists(FolderPath("t.csv")));

    eggs->setText("Oeufs");
    Save(FolderPath("t.csv"));
    EXPECT_NE(ReadBytes(FolderPath("t.csv")).find("\nChef's Check        ,0390,"), std::string::npos);
}

TEST_F(TimerFileMenuTest, AFileFromAnotherEditorLoadsConvertedAndSaysSoOnce) {
    std::string file = "\xEF\xBB\xBF" + kDefaultFile;
    file.replace(file.find("Hands Washing"), 13, "Caf\xC3\xA9 Check");
    file.replace(file.find("Labor Check"), 11, "\xC5\x92ufs");
    WriteBytes(FolderPath("notepad.csv"), file);
    Load(FolderPath("notepad.csv"));
    EXPECT_EQ(Text(0, TimerField::Name).trimmed(), QStringLiteral("Caf\u00E9 Check"));
    EXPECT_EQ(Text(6, TimerField::Name).trimmed(), QStringLiteral("\u0152ufs"));
    EXPECT_FALSE(sheet->HasUnsavedChanges());
    ASSERT_EQ(prompts.ShownTexts(), QStringList{"Timer File Converted"});
    EXPECT_TRUE(prompts.shown[0].detail.contains("is in UTF-8")) << prompts.shown[0].detail.toStdString();
    EXPECT_TRUE(prompts.shown[0].detail.endsWith("Timer 7's name holds \"\u0152\" (U+0152), which a Corvellan unit "
                                                 "cannot show. Its field is marked: change the name before saving or "
                                                 "sending the timers."))
        << prompts.shown[0].detail.toStdString();
}

TEST_F(TimerFileMenuTest, LoadsUnpaddedAndLongLines) {
    std::string file = kDefaultFile;
    file.replace(0, file.find('\n'), "Labor Check,1,2,3,4");
    file.replace(file.find("Travel Path         "), 20, "Walk-in Freezer Door Seal");
    WriteBytes(FolderPath("hand.csv"), file);
    Load(FolderPath("hand.csv"));
    EXPECT_EQ(sheet->ColumnOnSheet(0), (ColumnTexts{"Labor Check", "00:01 AM", "00:02 AM", "00:03 AM", "4"}));
    EXPECT_EQ(Text(3, TimerField::Name), "Walk-in Freezer Door Seal");
    EXPECT_TRUE(prompts.shown.empty());
}

TEST_F(TimerFileMenuTest, AMalformedFileIsRefusedAndTheSheetStaysAsItWas) {
    sheet->Field(1, TimerField::StartTime)->setText("7:15 pm");  // typed, not yet read
    const std::vector<ColumnTexts> before = AllColumns();
    const TimerRecords recordsBefore = sheet->records;

    std::string longLine = kDefaultFile;
    longLine.replace(longLine.find("Travel Path"), 11, std::string(120, 'T'));
    std::string fewFields = kDefaultFile;
    fewFields.replace(fewFields.find(",0240,0003,0001\nTest"), 5, "");
    const std::pair<std::string, QString> cases[] = {
        {std::string(kDefaultFile).substr(0, 41 * 9), "line 10"},
        {longLine, "line 4"},
        {fewFields, "line 2"},
        {"", "line 1"},
    };
    for (const auto& [content, where] : cases) {
        WriteBytes(FolderPath("bad.csv"), content);
        prompts.shown.clear();
        prompts.nextAnswers = {SaveChangesAnswer::Discard};
        Load(FolderPath("bad.csv"));
        ASSERT_EQ(prompts.ShownTexts(), QStringList{"Cannot Load Timer File"}) << where.toStdString();
        EXPECT_TRUE(prompts.shown[0].detail.contains(where)) << prompts.shown[0].detail.toStdString();
        EXPECT_EQ(AllColumns(), before) << where.toStdString();
        EXPECT_EQ(sheet->records, recordsBefore);
    }
}

TEST_F(TimerFileMenuTest, CancellingEitherDialogDoesNothing) {
    const std::vector<ColumnTexts> before = AllColumns();
    FileItem("Save")->trigger();
    FileItem("Load")->trigger();
    EXPECT_TRUE(prompts.shown.empty());
    EXPECT_EQ(prompts.fileRequests.size(), 2u);
    EXPECT_EQ(AllColumns(), before);
    EXPECT_EQ(folder.Entries(), std::set<std::string>{"CVTimerSystem.ini"});
}

TEST_F(TimerFileMenuTest, AFailedSaveSaysWhyAndLeavesTheOldFile) {
    std::filesystem::create_directory(FolderPath("a-folder"));
    Save(FolderPath("a-folder"));
    ASSERT_EQ(prompts.ShownTexts(), QStringList{"Cannot Create File"});
    EXPECT_TRUE(prompts.shown[0].detail.contains("a-folder")) << prompts.shown[0].detail.toStdString();
    EXPECT_TRUE(std::filesystem::is_directory(FolderPath("a-folder")));

    prompts.shown.clear();
    Save(FolderPath("missing/t.csv"));
    EXPECT_EQ(prompts.ShownTexts(), QStringList{"Cannot Create File"});
    EXPECT_FALSE(std::filesystem::exists(FolderPath("missing")));
}

TEST_F(TimerFileMenuTest, AFileThatLoadsIsNeverSavedSoThatItWouldNotLoad) {
    std::string longNames;
    for (int t = 0; t < kTimerCount; ++t) longNames += std::string(108, 'n') + ",,,,\n";
    WriteBytes(FolderPath("long.csv"), longNames);
    Load(FolderPath("long.csv"));
    ASSERT_TRUE(prompts.shown.empty());
    Save(FolderPath("saved.csv"));
    ASSERT_EQ(prompts.ShownTexts(), QStringList{"Could Not Save Timers"});
    EXPECT_TRUE(prompts.shown[0].detail.startsWith("Timer 1 cannot be saved")) << prompts.shown[0].detail.toStdString();
    EXPECT_FALSE(std::filesystem::exists(FolderPath("saved.csv")));
}

}  // namespace
}  // namespace cv
