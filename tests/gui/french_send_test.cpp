// A send from the window in French leaves a record of sends that cvtimerctl,
// speaking English, reads whole: the record is data, never the window's words.

#include <QPushButton>
#include <cstdlib>

#include "core/device/serial_link.h"
#include "core/record/send_log.h"
#include "tests/golden.h"
#include "tests/gui/catalogue_text.h"
#include "tests/gui/sheet_fixture.h"
#include "tests/tools/ctl_fixture.h"

namespace cv {
namespace {

// Sets an environment variable for the life of the object.
class ScopedVariable {
public:
    ScopedVariable(const char* name, const char* value) : name_(name) {
        const char* old = std::getenv(name);
        if (old) old_ = old;
        hadOld_ = old != nullptr;
        ::setenv(name, value, 1);
    }
    ~ScopedVariable() { hadOld_ ? ::setenv(name_, old_.c_str(), 1) : ::unsetenv(name_); }

private:
    const char* name_;
    std::string old_;
    bool hadOld_ = false;
};

class FrenchSendTest : public SheetTest {
protected:
    void SetUp() override {
        InstallLanguage(Language::French);
        SheetTest::SetUp();
        std::string error;
        ASSERT_TRUE(unit.Start(&error)) << error;
        link.SetPortResolver([this](int port) { return PortLookup{port == 1, unit.DevicePath(), false, ""}; });
        sheet->SetLink(link);
        WriteBytes(FolderPath("default.csv"), golden::kDefaultTimerFile);
        WriteBytes(FolderPath("lunch.csv"), golden::kLunchTimerFile);
    }
    void TearDown() override { InstallLanguage(Language::English); }

    void SendFile(const std::string& name) {
        prompts.nextPaths << QString::fromStdString(FolderPath(name));
        FileMenuItem(*sheet, french("cv::TimerSheetDialog", "&Load"))->trigger();
        prompts.shown.clear();
        sheet->SendButton()->click();
        ASSERT_FALSE(sheet->IsSending());
    }

    CatalogueText french{Language::French};
    SimulatedUnit unit;
    SerialLink link;
};

TEST_F(FrenchSendTest, EnglishCvtimerctlSentReadsEveryEntry) {
    SendFile("default.csv");
    EXPECT_EQ(prompts.ShownTexts(), QStringList{french("cv::TimerSheetDialog", "Timers Sent to Corvellan")});
    unit.SetBehaviour({.wrongAnswerAt = 20 + 6, .wrongByte = 'x'});
    SendFile("lunch.csv");
    EXPECT_EQ(prompts.ShownTexts(), QStringList{french("cv::TimerSheetDialog", "Unable to Send Timers to Corvellan")});
    const std::vector<SendEntry> record = ReadSendLog(SendLogPathIn(folder.Path())).content.entries;
    ASSERT_EQ(record.size(), 2u);

    const ScopedVariable language("LANGUAGE", "en");
    const ScopedVariable locale("LC_ALL", "en_US.UTF-8");
    const Outcome history = Ctl(folder.Path(), {"sent", "--history"}).Finish();
    EXPECT_EQ(history.status, 0);
    EXPECT_EQ(history.err, "");
    // Newest first, after the heading, and nothing left out: each line begins
    // with the entry's date and holds its outcome as the record keeps it.
    const std::vector<std::string> lines = Lines(history.out);
    ASSERT_GE(lines.size(), 2 + record.size()) << history.out;
    for (std::size_t i = 0; i < record.size(); ++i) {
        const std::string& line = lines[record.size() - i];
        EXPECT_TRUE(line.starts_with(record[i].when)) << line;
        EXPECT_NE(line.find(record[i].outcome), std::string::npos) << line << "\n" << record[i].outcome;
    }
    EXPECT_EQ(lines[1 + record.size()], "") << history.out;
}

}  // namespace
}  // namespace cv
