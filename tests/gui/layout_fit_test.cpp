// Every window, and the printed page, in the languages longer than English:
// no label, button or column heading wider than the room it is given, and the
// sheet still within a 1366x768 screen at 125 %.

#include <QAbstractButton>
#include <QHeaderView>
#include <QLabel>
#include <QLayout>
#include <QPageSize>
#include <QScrollArea>
#include <QStatusBar>
#include <QStyle>

#include "gui/windows/about_dialog.h"
#include "gui/windows/day_plan_window.h"
#include "gui/windows/print_record_dialog.h"
#include "gui/language/language_setup.h"
#include "gui/language/pseudo_language.h"
#include "gui/sheet/send_progress_dialog.h"
#include "gui/sheet/status_line.h"
#include "gui/windows/sent_to_unit_window.h"
#include "gui/print/timer_page.h"
#include "gui/windows/user_guide_window.h"
#include "tests/gui/sheet_fixture.h"

namespace cv {
namespace {

// What in window is cut short: a label or button narrower than its text (a
// wrapped label lower than its lines), a heading wider than its column.
QStringList Unfitted(QWidget& window) {
    window.show();
    QCoreApplication::processEvents();
    QStringList cut;
    const QString where = window.metaObject()->className() + QStringLiteral(": ");
    for (QLabel* label : window.findChildren<QLabel*>()) {
        if (!label->isVisibleTo(&window) || label->text().isEmpty()) continue;
        const bool fits = label->wordWrap() ? label->heightForWidth(label->width()) <= label->height()
                                            : label->sizeHint().width() <= label->width();
        if (!fits) cut << where + label->text();
    }
    for (QAbstractButton* button : window.findChildren<QAbstractButton*>()) {
        if (button->isVisibleTo(&window) && button->sizeHint().width() > button->width()) cut << where + button->text();
    }
    for (QHeaderView* header : window.findChildren<QHeaderView*>()) {
        if (!header->isVisibleTo(&window)) continue;
        const int margins = 2 * header->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header);
        for (int i = 0; i < header->count(); ++i) {
            const QString text = header->model()->headerData(i, header->orientation()).toString();
            const int room = header->orientation() == Qt::Horizontal ? header->sectionSize(i) : header->width();
            if (header->fontMetrics().horizontalAdvance(text) + margins > room) cut << where + text;
        }
    }
    for (QMenuBar* bar : window.findChildren<QMenuBar*>()) {
        if (bar->sizeHint().width() > bar->width()) cut << where + QStringLiteral("menu bar");
    }
    return cut;
}

class LayoutInLanguage : public SheetTest, public ::testing::WithParamInterface<std::string> {
protected:
    void SetUp() override {
        if (GetParam() == "pseudo")
            InstallPseudoLanguage();
        else
            InstallLanguage(ChooseLanguage(GetParam(), {}).language);
        SheetTest::SetUp();
    }
    void TearDown() override {
        RemovePseudoLanguage();
        InstallLanguage(Language::English);
    }
};

TEST_P(LayoutInLanguage, EveryWindowAndThePrintedPageHoldTheirTexts) {
    QStringList cut = Unfitted(*sheet);
    AboutDialog about({folder.Path(), WorkFolder::Reason::Asked, folder.Path()}, sheet);
    cut << Unfitted(about);
    SendProgressDialog progress(sheet, [] {});
    progress.ShowProgress(QCoreApplication::translate("cv::TimerSheetDialog", "Sending Timer %1 of %2").arg(10).arg(10));
    cut << Unfitted(progress);
    app.OnDayPlan();
    cut << Unfitted(*app.DayPlan());
    app.OnSentToUnit();
    cut << Unfitted(*app.SentToUnit());
    app.OnUserGuide();
    cut << Unfitted(*app.UserGuide());
    app.OnPrintRecord();
    cut << Unfitted(*app.PrintRecord());
    EXPECT_TRUE(cut.isEmpty()) << cut.join(QStringLiteral("\n")).toStdString();

    // A doubtful field's reading and its doubt, within the status bar's lines.
    {
        QApplication::setActiveWindow(sheet);
        const struct {
            int timer;
            TimerField field;
            const char* text;
        } doubtful[] = {{2, TimerField::StartTime, "six"},
                        {4, TimerField::Priority, "x"},
                        {6, TimerField::Name, "Fries {large}"},
                        {7, TimerField::Name, "\u0152ufs"},
                        {8, TimerField::StartTime, "18 h 30"},
                        {1, TimerField::RepeatInterval, "25:00"}};
        QStatusBar* status = sheet->StatusBar();
        for (const auto& [timer, field, text] : doubtful) {
            sheet->Field(timer, field)->setText(QString::fromUtf8(text));
            sheet->Field(timer, field)->setFocus();
            const QString message = status->currentMessage();
            const QRect room(0, 0, StatusLine::MessageWidth(status->width()), status->height());
            EXPECT_LE(status->fontMetrics().boundingRect(room, Qt::TextWordWrap, message).height(), room.height())
                << message.toStdString();
        }
    }

    const TimerPage page{QStringLiteral("Corvellan Timers"), QDate(2026, 3, 14), sheet->TimersOnSheet()};
    for (QPageSize::PageSizeId paper : {QPageSize::A4, QPageSize::Letter}) {
        const QStringList unfitted = TimerPageUnfitted(page, QPageSize(paper));
        EXPECT_TRUE(unfitted.isEmpty()) << paper << ": " << unfitted.join(QStringLiteral(" | ")).toStdString();
    }

    // The whole sheet, as it would be without scrolling, on 1366x768 at 125 %
    // less a taskbar and the window's frame.
    const auto* scroller = sheet->findChild<QScrollArea*>(QStringLiteral("sheetScroller"));
    const QSize natural = scroller ? scroller->widget()->sizeHint() + (sheet->size() - scroller->size())
                                   : sheet->layout()->totalSizeHint();
    const QSize room = QSize(1366, 768 - 48) / 1.25 - QSize(16, 40);
    // The pseudo-language, longer than any real one, is there to find clipped
    // texts; the screen must hold the languages the program speaks.
    if (GetParam() != "pseudo") {
        EXPECT_TRUE(natural.width() <= room.width() && natural.height() <= room.height())
            << natural.width() << "x" << natural.height();
    }
    std::printf("[ sheet    ] %s: %dx%d\n", GetParam().c_str(), natural.width(), natural.height());
}

INSTANTIATE_TEST_SUITE_P(Languages, LayoutInLanguage, ::testing::Values("es", "fr", "pseudo"),
                         [](const auto& info) { return info.param; });

}  // namespace
}  // namespace cv
