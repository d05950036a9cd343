// The program for a keyboard user and through a screen reader: what the
// fields answer a screen reader, every command by key, the windows beside the
// sheet, text in place of colour, contrast in a light and a dark palette, and
// a screen too small for the sheet.

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QLoggingCategory>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QTableWidget>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <thread>

#include "core/record/send_log.h"
#include "core/settings/folder_paths.h"
#include "gui/access/line_edit_accessible.h"
#include "gui/access/palette_colours.h"
#include "gui/access/sample_palettes.h"
#include "gui/sheet/sheet_field.h"
#include "gui/windows/about_dialog.h"
#include "gui/windows/day_plan_window.h"
#include "gui/windows/sent_to_unit_window.h"
#include "tests/gui/sheet_fixture.h"

namespace cv {
namespace {

using AccessibilityTest = SheetTest;

// Ends the whole program should the test's thread not say it is done in time:
// a question that never returns cannot fail an assertion.
class Watchdog {
public:
    explicit Watchdog(std::chrono::seconds limit)
        : thread([this, limit] {
              std::unique_lock lock(mutex);
              if (!ended.wait_for(lock, limit, [this] { return done; })) {
                  std::fprintf(stderr, "watchdog: no answer within %lld s, at %s\n",
                               static_cast<long long>(limit.count()), where.c_str());
                  std::fflush(stderr);
                  std::_Exit(3);
              }
          }) {}
    ~Watchdog() {
        {
            std::lock_guard lock(mutex);
            done = true;
        }
        ended.notify_one();
        thread.join();
    }
    void At(std::string place) {
        std::lock_guard lock(mutex);
        where = std::move(place);
    }

private:
    std::mutex mutex;
    std::condition_variable ended;
    bool done = false;
    std::string where = "the start";
    std::thread thread;
};

// A record of one whole send of the default timers to Port 1.
void RecordDefaultSend(const std::string& folder) {
    SendFacts facts;
    facts.report.sentCount = kTimerCount;
    for (int t = 0; t < kTimerCount; ++t) facts.records[t] = RecordFromTexts(DefaultColumnTexts(t));
    facts.portNumber = 1;
    facts.devicePath = "COM1";
    AppendSendEntry(SendLogPathIn(folder), MakeSendEntry(facts, "2026-03-14 05:40:12 +01:00", "anna"));
}

TEST_F(AccessibilityTest, EveryFieldAnswersEveryBoundaryAtEveryOffset) {
    // Texts that trip boundary finders: empty, blanks only, a name ending in
    // blanks (Timer 8's), punctuation, sentences.
    sheet->Field(2, TimerField::Name)->setText("");
    sheet->Field(3, TimerField::Name)->setText("   ");
    sheet->Field(4, TimerField::Name)->setText("Temp Check/PHU. Now!");
    const QAccessible::TextBoundaryType boundaries[] = {QAccessible::CharBoundary, QAccessible::WordBoundary,
                                                        QAccessible::SentenceBoundary, QAccessible::ParagraphBoundary,
                                                        QAccessible::LineBoundary, QAccessible::NoBoundary};
    Watchdog watchdog(std::chrono::seconds(60));
    for (int t = 0; t < kTimerCount; ++t) {
        for (TimerField f : kTimerFields) {
            QLineEdit* edit = sheet->Field(t, f);
            QAccessibleInterface* field = QAccessible::queryAccessibleInterface(edit);
            ASSERT_NE(dynamic_cast<LineEditAccessible*>(field), nullptr) << "Qt's own interface would hang";
            QAccessibleTextInterface* text = field->textInterface();
            const QString whole = edit->text();
            const int length = static_cast<int>(whole.size());
            for (QAccessible::TextBoundaryType boundary : boundaries) {
                for (int offset = -2; offset <= length + 1; ++offset) {
                    watchdog.At(edit->accessibleName().toStdString() + ", boundary " + std::to_string(boundary) +
                                ", offset " + std::to_string(offset));
                    int start = 0;
                    int end = 0;
                    const QString pieces[] = {text->textBeforeOffset(offset, boundary, &start, &end),
                                              text->textAtOffset(offset, boundary, &start, &end),
                                              text->textAfterOffset(offset, boundary, &start, &end)};
                    // The last answer's offsets frame its text.
                    EXPECT_EQ(pieces[2], start < 0 ? QString() : whole.mid(start, end - start));
                    text->textAtOffset(offset, boundary, &start, &end);
                    if (offset >= 0 && offset < length) {
                        EXPECT_TRUE(start <= offset && offset < end);
                    }
                }
            }
            int start = -1;
            int end = -1;
            text->attributes(0, &start, &end);
            EXPECT_EQ(end - start, length) << "one run, or the last letter goes unread";
        }
    }
    // The other text a screen reader reaches by offset: the day plan's clashes.
    app.OnDayPlan();
    QAccessibleTextInterface* clashes =
        QAccessible::queryAccessibleInterface(app.DayPlan()->findChild<QPlainTextEdit*>("planClashes"))->textInterface();
    ASSERT_NE(clashes, nullptr);
    // Qt's own answer for the piece before the first one warns of a cursor at -1, once per question.
    QLoggingCategory::setFilterRules(QStringLiteral("default.warning=false"));
    for (QAccessible::TextBoundaryType boundary : boundaries) {
        for (int offset = 0; offset <= clashes->characterCount(); ++offset) {
            watchdog.At("the day plan's clashes, boundary " + std::to_string(boundary) + ", offset " +
                        std::to_string(offset));
            int start = 0;
            int end = 0;
            clashes->textBeforeOffset(offset, boundary, &start, &end);
            clashes->textAtOffset(offset, boundary, &start, &end);
            clashes->textAfterOffset(offset, boundary, &start, &end);
        }
    }
    QLoggingCategory::setFilterRules(QString());

    int start = 0;
    int end = 0;
    QAccessibleTextInterface* name = QAccessible::queryAccessibleInterface(sheet->Field(0, TimerField::Name))->textInterface();
    EXPECT_EQ(name->textAtOffset(13, QAccessible::WordBoundary, &start, &end), "Washing");
    EXPECT_EQ(name->textBeforeOffset(6, QAccessible::WordBoundary, &start, &end), "Hands ");
    EXPECT_EQ(name->textAfterOffset(0, QAccessible::WordBoundary, &start, &end), "Washing");
}

TEST_F(AccessibilityTest, AKeyTypedIsOneInsertionAndTheLimitRefusesWhatIsOver) {
    QApplication::setActiveWindow(sheet);
    QLineEdit* start = sheet->Field(0, TimerField::StartTime);
    start->setFocus();
    start->end(false);
    QTest::keyClicks(start, "x");
    EXPECT_EQ(start->text(), "6:00 AMx");
    // Putting the whole text back would have cleared the undo history.
    ASSERT_TRUE(start->isUndoAvailable());
    start->undo();
    EXPECT_EQ(start->text(), "6:00 AM");

    QLineEdit* priority = sheet->Field(0, TimerField::Priority);
    priority->setFocus();
    priority->end(false);
    QTest::keyClicks(priority, "5");
    EXPECT_EQ(priority->text(), "1");
}

TEST_F(AccessibilityTest, AltNeverTypesALetter) {
    // That every command has a key of its own, in every language, is
    // language_test's. Sending by key: a name the unit cannot take is refused
    // before anything is sent, so the box shows that the command came.
    auto* bar = sheet->findChild<QMenuBar*>();
    QApplication::setActiveWindow(sheet);
    QLineEdit* name = sheet->Field(0, TimerField::Name);
    name->setText("{Hands}");
    name->setFocus();
    QTest::keyClick(name, Qt::Key_Return, Qt::ControlModifier);
    EXPECT_EQ(prompts.ShownTexts(), QStringList{"Unable to Send Timers to Corvellan"});
    // The button shows itself pressed for a moment, then sends.
    QTest::keyClick(name, Qt::Key_S, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([this] { return prompts.shown.size() == 2; }, 5000));

    name->selectAll();
    QTest::keyClick(name, Qt::Key_E, Qt::AltModifier);
    EXPECT_EQ(name->text(), "{Hands}");
    QMenu* view = bar->actions()[2]->menu();
    QTest::keyClick(name, Qt::Key_V, Qt::AltModifier);
    EXPECT_TRUE(view->isVisible());
    view->close();
}

TEST_F(AccessibilityTest, TheWindowsBesideTheSheetAreWindowsThatTheKeyboardWorksAndEscCloses) {
    RecordDefaultSend(folder.Path());
    app.OnDayPlan();
    app.OnSentToUnit();
    QWidget* plan = app.DayPlan();
    QWidget* sent = app.SentToUnit();
    for (QWidget* window : {plan, sent}) {
        QAccessibleInterface* shown = QAccessible::queryAccessibleInterface(window);
        EXPECT_EQ(shown->role(), QAccessible::Window);
        EXPECT_EQ(shown->text(QAccessible::Name), window->windowTitle());
    }

    QListWidget* reminders = app.DayPlan()->Reminders();
    EXPECT_TRUE(reminders->focusPolicy() & Qt::TabFocus);
    QApplication::setActiveWindow(plan);
    reminders->setFocus();
    QTest::keyClick(reminders, Qt::Key_Down);
    EXPECT_EQ(reminders->currentRow(), 1);
    QTest::keyClick(reminders, Qt::Key_Escape);
    EXPECT_FALSE(plan->isVisible());

    QTableWidget* held = app.SentToUnit()->HeldTable();
    QApplication::setActiveWindow(sent);
    held->setFocus();
    held->setCurrentCell(0, 0);
    QTest::keyClick(held, Qt::Key_Right);
    EXPECT_EQ(held->currentColumn(), 1);
    QTest::keyClick(held, Qt::Key_W, Qt::ControlModifier);
    EXPECT_FALSE(sent->isVisible());
}

TEST_F(AccessibilityTest, ADifferingValueSaysSoInTextToTheEyeAndToAScreenReader) {
    RecordDefaultSend(folder.Path());
    sheet->Field(1, TimerField::StartTime)->setText("6:15 AM");
    app.OnSentToUnit();
    SentToUnitWindow& window = *app.SentToUnit();
    QTableWidget* held = window.HeldTable();
    const int column = static_cast<int>(TimerField::StartTime);
    QAccessibleInterface* cell = QAccessible::queryAccessibleInterface(held)->tableInterface()->cellAt(1, column);
    ASSERT_NE(cell, nullptr);
    EXPECT_EQ(cell->text(QAccessible::Name), "06:10 AM");
    EXPECT_EQ(cell->text(QAccessible::Description), "Differs from the sheet, which has 06:15 AM.");
    EXPECT_EQ(held->item(1, column)->text(), QStringLiteral("\u2260 06:10 AM"));
    held->setCurrentCell(1, column);
    EXPECT_EQ(window.CellDetail(), "Timer 2, Start Time: the unit holds 06:10 AM; the sheet has 06:15 AM.");
}

TEST_F(AccessibilityTest, TheDayPlanSaysInTextWhatItsPictureShows) {
    app.OnDayPlan();
    DayPlanWindow& plan = *app.DayPlan();
    EXPECT_EQ(plan.Reminders()->item(0)->text(), "06:00 AM  Hands Washing");
    EXPECT_EQ(plan.Reminders()->item(1)->text(), "06:10 AM  Beef Cookout Check");
    EXPECT_FALSE(plan.Reminders()->item(2)->font().bold());
    EXPECT_TRUE(plan.Reminders()->item(3)->font().bold()) << "06:30 AM: three timers at once";
    QAccessibleInterface* picture = QAccessible::queryAccessibleInterface(plan.Picture());
    EXPECT_EQ(picture->role(), QAccessible::Graphic);
    EXPECT_EQ(picture->text(QAccessible::Name), "Day plan picture");
    EXPECT_TRUE(picture->text(QAccessible::Description).contains("taller ticks"));
    auto* clashes = plan.findChild<QPlainTextEdit*>("planClashes");
    EXPECT_EQ(QAccessible::queryAccessibleInterface(clashes)->text(QAccessible::Name), "Clashes");
    EXPECT_EQ(QAccessible::queryAccessibleInterface(plan.Reminders())->text(QAccessible::Name), "Reminders by time");
}

TEST_F(AccessibilityTest, OwnColoursKeepTheirContrastInALightAndADarkPalette) {
    EXPECT_DOUBLE_EQ(ContrastRatio(Qt::black, Qt::white), 21.0);
    RecordDefaultSend(folder.Path());
    sheet->SelectPort(1);
    const QPalette before = QApplication::palette();
    for (const QPalette& palette : {QApplication::style()->standardPalette(), sample_palettes::Dark()}) {
        QApplication::setPalette(palette);
        // Windows take a new application palette from a posted event.
        QCoreApplication::processEvents();
        const std::string which = palette.color(QPalette::Base).lightness() > 128 ? "light" : "dark";
        // A doubtful field: its text on its tint, its mark on the tint.
        sheet->Field(2, TimerField::StartTime)->setText("six");
        auto* doubtful = static_cast<SheetField*>(sheet->Field(2, TimerField::StartTime));
        const QColor ground = doubtful->palette().color(QPalette::Base);
        EXPECT_NE(ground, palette.color(QPalette::Base)) << which;
        EXPECT_GE(ContrastRatio(doubtful->palette().color(QPalette::Text), ground), kTextContrast) << which;
        EXPECT_GE(ContrastRatio(doubtful->DoubtMark(), ground), kMarkContrast) << which;

        // Sent to Unit: a differing value and one not known, as the cells hold them.
        sheet->Field(1, TimerField::StartTime)->setText("6:15 AM");
        sheet->SelectPort(3);
        app.OnSentToUnit();
        QTableWidget* held = app.SentToUnit()->HeldTable();
        const QTableWidgetItem* unknown = held->item(0, 0);
        EXPECT_GE(ContrastRatio(unknown->foreground().color(), held->palette().color(QPalette::Base)), kTextContrast)
            << which;
        sheet->SelectPort(1);
        const QTableWidgetItem* differs = held->item(1, static_cast<int>(TimerField::StartTime));
        EXPECT_GE(ContrastRatio(differs->foreground().color(), differs->background().color()), kTextContrast) << which;

        // The day plan draws on the palette's own ground.
        const MarkColours plan = MarkColoursFor(palette);
        EXPECT_EQ(plan.canvas, palette.color(QPalette::Base));
        for (const QColor& ground : {plan.canvas, plan.rowShade}) {
            EXPECT_GE(ContrastRatio(plan.ink, ground), kTextContrast) << which;
            EXPECT_GE(ContrastRatio(plan.quiet, ground), kTextContrast) << which;
            EXPECT_GE(ContrastRatio(plan.tick, ground), kMarkContrast) << which;
            EXPECT_GE(ContrastRatio(plan.clashTick, ground), kMarkContrast) << which;
        }
        EXPECT_GE(ContrastRatio(plan.clashTick, plan.clashBand), kMarkContrast) << which;
        for (QPalette::ColorRole around : {QPalette::Window, QPalette::Base})
            EXPECT_GE(ContrastRatio(plan.focusRing, palette.color(around)), kMarkContrast) << which;
        app.SentToUnit()->close();
    }
    QApplication::setPalette(before);
    QCoreApplication::processEvents();
}

TEST_F(AccessibilityTest, OnAScreenTooSmallTheSheetScrollsToTheFieldInFocus) {
    // 1600 x 900 at 200 %, less a taskbar: 800 x 430 in Qt's units.
    const QRect available(0, 0, 800, 430);
    sheet->FitToScreen(available);
    // The window system resizes the window, then the scroll area.
    QCoreApplication::processEvents();
    EXPECT_TRUE(available.contains(sheet->frameGeometry())) << sheet->frameGeometry().width() << "x"
                                                           << sheet->frameGeometry().height();
    ASSERT_NE(sheet->Scroller(), nullptr);
    QApplication::setActiveWindow(sheet);
    QLineEdit* last = sheet->Field(9, TimerField::Priority);
    last->setFocus();
    QWidget* viewport = sheet->Scroller()->viewport();
    const QRect seen(last->mapTo(viewport, QPoint(0, 0)), last->size());
    EXPECT_TRUE(viewport->rect().contains(seen));
}

TEST_F(AccessibilityTest, BoxesSayWhatTheyAreToAScreenReader) {
    const auto box = MakeMessageBox(sheet, {"Serial Communications", "Timers Sent to Corvellan", "",
                                            PromptMessage::Icon::Information}, QMessageBox::Ok);
    auto* icon = box->findChild<QLabel*>("qt_msgboxex_icon_label");
    ASSERT_NE(icon, nullptr);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(icon)->text(QAccessible::Name), "Information");
    AboutDialog about({folder.Path(), WorkFolder::Reason::StartFolder, folder.Path()}, sheet);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(&about)->text(QAccessible::Name), "About CV Timer");
}

}  // namespace
}  // namespace cv
