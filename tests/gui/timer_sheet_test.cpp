#include "gui/sheet/timer_sheet.h"

#include <QAction>
#include <QApplication>
#include <QIcon>
#include <QImage>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QTest>
#include <gtest/gtest.h>

#include "tests/gui/sheet_fixture.h"

namespace cv {
namespace {

using TimerSheetTest = SheetTest;


TEST_F(TimerSheetTest, OpensWithTheDefaultTimersAndNamedFields) {
    for (int t = 0; t < kTimerCount; ++t) {
        for (TimerField f : kTimerFields) {
            QLineEdit* edit = sheet->Field(t, f);
            EXPECT_EQ(edit->text().toStdString(), DefaultColumnTexts(t)[f]) << t;
            EXPECT_EQ(edit->objectName(), QStringLiteral("field%1").arg(FieldId(t, f)));
            EXPECT_EQ(edit->maxLength(), FieldTypingLimit(f));
            EXPECT_EQ(edit->alignment() & Qt::AlignHCenter, Qt::AlignHCenter);
        }
    }
    EXPECT_EQ(sheet->Field(2, TimerField::StartTime)->accessibleName(), "Timer 3 Start Time");
    EXPECT_EQ(sheet->Field(2, TimerField::Name)->accessibleName(), "Timer 3 Timer Name");
    EXPECT_EQ(sheet->Field(9, TimerField::Priority)->accessibleName(), "Timer 10 Message Priority");
    EXPECT_EQ(sheet->windowTitle(), "Corvellan Timers[*]");
    EXPECT_FALSE(sheet->isWindowModified());
    EXPECT_FALSE(sheet->windowIcon().isNull());
}

// Every size offered is drawn from its own rendering, pixel for pixel; a size
// in between is scaled down from the next larger one.
TEST_F(TimerSheetTest, TheWindowIconIsSharpAtEverySizeAskedFor) {
    const QIcon icon = sheet->windowIcon();
    const QList<QSize> sizes = icon.availableSizes();
    ASSERT_EQ(sizes.size(), 7);
    for (const QSize& size : sizes) {
        const QImage rendered = QImage(QStringLiteral(":/icons/cvtimer-%1.png").arg(size.width()))
                                    .convertToFormat(QImage::Format_ARGB32_Premultiplied);
        EXPECT_EQ(icon.pixmap(size).toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied), rendered)
            << size.width();
    }
    EXPECT_EQ(icon.pixmap(QSize(28, 28)).size(), QSize(28, 28));
}

TEST_F(TimerSheetTest, MenuHoldsEveryCommand) {
    auto* bar = sheet->findChild<QMenuBar*>();
    ASSERT_NE(bar, nullptr);
    QStringList titles;
    for (QAction* a : bar->actions()) titles << a->text();
    EXPECT_EQ(titles, (QStringList{"&File", "&Comm Port", "&View", "&Help"}));

    QStringList fileItems;
    for (QAction* a : bar->actions()[0]->menu()->actions()) fileItems << (a->isSeparator() ? "-" : a->text());
    EXPECT_EQ(fileItems, (QStringList{"&Save", "-", "&Load", "&Recent Files", "-", "Send &Timers", "-", "&Print...",
                                      "Export P&DF...", "Print Re&cord...", "-", "Day P&arts...", "-", "&Exit"}));

    QMenu* ports = bar->actions()[1]->menu();
    ASSERT_EQ(ports, sheet->CommPortMenu());
    // Ports above 12 follow wherever such a port is present, as on the Windows test prefix.
    ASSERT_GE(ports->actions().size(), kPortMenuCount);
    for (int n = 1; n <= kPortMenuCount; ++n) {
        EXPECT_EQ(MenuText(ports->actions()[n - 1]), QStringLiteral("Port %1").arg(n));
        EXPECT_TRUE(ports->actions()[n - 1]->isCheckable());
    }
    EXPECT_EQ(bar->actions()[2]->menu()->actions()[0]->text(), "&Day Plan");
    QStringList helpItems;
    for (QAction* a : bar->actions()[3]->menu()->actions()) helpItems << (a->isSeparator() ? "-" : a->text());
    EXPECT_EQ(helpItems, (QStringList{"&User Guide", "-", "&About"}));
}

TEST_F(TimerSheetTest, ReadsColumnsIntoRecords) {
    sheet->ReadTimerFromSheet(0);
    EXPECT_EQ(sheet->records[0], (TimerRecord{"Hands Washing", 360, 30, 3, 1}));

    sheet->ReadTimerFromSheet(7);
    EXPECT_EQ(sheet->records[7].name, "Guest Trac          ");

    sheet->Field(3, TimerField::Priority)->setText("x");
    sheet->Field(3, TimerField::StartTime)->setText("");
    sheet->ReadTimerFromSheet(3);
    EXPECT_EQ(sheet->records[3].priority, 0);
    EXPECT_EQ(sheet->records[3].startTime, 0);

    const TimerRecords before = sheet->records;
    sheet->ReadTimerFromSheet(10);
    sheet->ReadTimerFromSheet(-1);
    EXPECT_EQ(sheet->records, before);
}

TEST_F(TimerSheetTest, NamesKeepCharactersBeyondAscii) {
    sheet->Field(4, TimerField::Name)->setText(QString::fromLatin1("Cr\xe8me br\xfbl\xe9"));
    sheet->ReadTimerFromSheet(4);
    EXPECT_EQ(sheet->records[4].name, "Cr\xe8me br\xfbl\xe9");
    sheet->ShowTimersOnSheet();
    EXPECT_EQ(Text(4, TimerField::Name), QString::fromLatin1("Cr\xe8me br\xfbl\xe9"));
}

TEST_F(TimerSheetTest, ShowsRecordsInTheirFormattedForm) {
    sheet->records[2] = {"Fryer Oil", 915, 240, 3, 2};
    sheet->records[5] = {"Walk-in Cooler Temperature", 0, 1440, 65535, 1234};
    sheet->ShowTimersOnSheet();
    EXPECT_EQ(Text(2, TimerField::StartTime), "03:15 PM");
    EXPECT_EQ(Text(2, TimerField::RepeatInterval), "04:00 AM");
    EXPECT_EQ(Text(2, TimerField::SnoozeTime), "00:03 AM");
    EXPECT_EQ(Text(2, TimerField::Priority), "2");
    // What the program shows is not cut to the typing limits.
    EXPECT_EQ(Text(5, TimerField::Name), "Walk-in Cooler Temperature");
    EXPECT_EQ(Text(5, TimerField::Priority), "1234");
    EXPECT_EQ(Text(5, TimerField::RepeatInterval), "24:00");
    EXPECT_EQ(Text(5, TimerField::SnoozeTime), "1092:15");

    // Shown then read back gives the same record.
    sheet->ReadTimerFromSheet(5);
    EXPECT_EQ(sheet->records[5], (TimerRecord{"Walk-in Cooler Temperature", 0, 1440, 65535, 1234}));
}

TEST_F(TimerSheetTest, TypingLimitReturnsOnceAShownTextIsShortened) {
    sheet->records[0].priority = 1234;
    sheet->ShowTimersOnSheet();
    QLineEdit* priority = sheet->Field(0, TimerField::Priority);
    priority->setFocus();
    priority->selectAll();
    QTest::keyClicks(priority, "56");
    EXPECT_EQ(priority->text(), "5");
}

TEST_F(TimerSheetTest, TabWalksColumnByColumnStartTimeFirst) {
    QApplication::setActiveWindow(sheet);
    QWidget* focus = QApplication::focusWidget();
    ASSERT_EQ(focus, sheet->Field(0, TimerField::StartTime));

    std::vector<QWidget*> expected;
    for (int t = 0; t < kTimerCount; ++t) {
        expected.push_back(sheet->Field(t, TimerField::StartTime));
        expected.push_back(sheet->Field(t, TimerField::Name));
        expected.push_back(sheet->Field(t, TimerField::RepeatInterval));
        expected.push_back(sheet->Field(t, TimerField::SnoozeTime));
        expected.push_back(sheet->Field(t, TimerField::Priority));
    }
    for (std::size_t i = 1; i < expected.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        ASSERT_EQ(QApplication::focusWidget(), expected[i]) << "step " << i << ", at "
                                                            << QApplication::focusWidget()->accessibleName().toStdString();
    }
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), expected[0]);
}

TEST_F(TimerSheetTest, AFocusedFieldSaysHowItReadsAndADoubtfulTextIsMarked) {
    QApplication::setActiveWindow(sheet);
    QLineEdit* start = sheet->Field(2, TimerField::StartTime);
    start->setFocus();
    const QString reading = "Start Time of Timer 3 reads as 06:20 AM (380 minutes)";
    EXPECT_EQ(sheet->StatusBar()->currentMessage(), reading);
    EXPECT_EQ(start->toolTip(), reading);
    const QColor plain = start->palette().color(QPalette::Base);

    start->selectAll();
    QTest::keyClicks(start, "six");
    EXPECT_TRUE(sheet->StatusBar()->currentMessage().startsWith("Start Time of Timer 3 reads as 12:00 AM (0 minutes)"));
    EXPECT_TRUE(start->toolTip().contains("There is no number in \"six\"")) << start->toolTip().toStdString();
    EXPECT_NE(start->palette().color(QPalette::Base), plain);
    sheet->ReadTimerFromSheet(2);
    EXPECT_EQ(sheet->records[2].startTime, 0);  // a mark only warns

    sheet->Field(2, TimerField::Name)->setFocus();
    EXPECT_TRUE(sheet->StatusBar()->currentMessage().isEmpty());
    start->setText("6:20 AM");
    EXPECT_EQ(start->palette().color(QPalette::Base), plain);
    EXPECT_EQ(start->toolTip(), reading);
}

TEST_F(TimerSheetTest, EnterAndEscapeDoNotCloseTheSheet) {
    QLineEdit* field = sheet->Field(4, TimerField::Name);
    field->setFocus();
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) {
        QTest::keyClick(field, key);
        EXPECT_TRUE(sheet->isVisible()) << key;
    }
    EXPECT_TRUE(prompts.shown.empty());
}

TEST_F(TimerSheetTest, ExitAndCloseBoxEndTheSheetWithoutAPrompt) {
    auto* bar = sheet->findChild<QMenuBar*>();
    bar->actions()[0]->menu()->actions().last()->trigger();
    EXPECT_FALSE(sheet->isVisible());

    OpenSheet();
    EXPECT_TRUE(sheet->close());
    EXPECT_FALSE(sheet->isVisible());
    EXPECT_TRUE(prompts.shown.empty());
}

}  // namespace
}  // namespace cv
