// The window in a made-up language that changes every letter of every text:
// whatever still shows plain English letters afterwards is a text that never
// went through a catalogue. Only data may stay as it is.

#include <QAbstractButton>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QStatusBar>
#include <QTableWidget>
#include <QTextBrowser>
#include <QTextDocumentFragment>
#include <QTranslator>
#include <fstream>

#include "core/device/serial_link.h"
#include "core/platform/local_user.h"
#include "gui/language/language_setup.h"
#include "gui/windows/about_dialog.h"
#include "tests/gui/sheet_fixture.h"
#include "tools/simulated_unit.h"

namespace cv {
namespace {

// Each ASCII letter as an accented one, a third longer; placeholders (%1..%9,
// %n), mnemonics and markup stay as they are so the texts still work.
QString Pseudo(const QString& source) {
    static const QString lower = QStringLiteral("àƀçđéƒĝĥîĵķļɱñöþǫŕšţüṽŵẋýž");
    static const QString upper = QStringLiteral("ÀɃÇĐÉƑĜĤÎĴĶĻḾÑÖÞǪŔŠŢÜṼŴẊÝŽ");
    QString out;
    int letters = 0;
    for (qsizetype i = 0; i < source.size(); ++i) {
        const QChar c = source[i];
        const bool placeholder = c == '%' && i + 1 < source.size() && (source[i + 1].isDigit() || source[i + 1] == 'n');
        const qsizetype markupEnd = c == '<' ? source.indexOf('>', i) : -1;
        if (placeholder) {
            out += source.mid(i++, 2);
        } else if (markupEnd > i) {
            out += source.mid(i, markupEnd - i + 1);
            i = markupEnd;
        } else if (c >= 'a' && c <= 'z') {
            out += lower[c.unicode() - 'a'], ++letters;
        } else if (c >= 'A' && c <= 'Z') {
            out += upper[c.unicode() - 'A'], ++letters;
        } else {
            out += c;
        }
    }
    return letters == 0 ? out : out + QString(letters / 3, QChar(0x00B7));
}

class PseudoCatalogue : public QTranslator {
public:
    bool isEmpty() const override { return false; }
    QString translate(const char*, const char* source, const char*, int) const override {
        return Pseudo(QString::fromUtf8(source));
    }
};

// What a person can see or hear of a widget, its actions included.
void CollectTexts(QWidget* widget, QStringList& texts) {
    if (widget->isWindow()) texts << widget->windowTitle();
    texts << widget->toolTip() << widget->accessibleName() << widget->accessibleDescription();
    if (auto* label = qobject_cast<QLabel*>(widget))
        texts << QTextDocumentFragment::fromHtml(label->text()).toPlainText();
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) texts << button->text();
    if (auto* box = qobject_cast<QGroupBox*>(widget)) texts << box->title();
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) texts << edit->placeholderText();
    if (auto* bar = qobject_cast<QStatusBar*>(widget)) texts << bar->currentMessage();
    if (auto* table = qobject_cast<QTableWidget*>(widget)) {
        for (int c = 0; c < table->columnCount(); ++c)
            if (auto* head = table->horizontalHeaderItem(c)) texts << head->text() << head->toolTip();
        for (int r = 0; r < table->rowCount(); ++r)
            for (int c = 0; c < table->columnCount(); ++c)
                if (auto* item = table->item(r, c)) texts << item->text() << item->toolTip();
    }
    for (QAction* action : widget->actions()) texts << action->text() << action->toolTip() << action->statusTip();
}

class PseudoLanguageTest : public SheetTest {
protected:
    void SetUp() override {
        // Spanish routes every core text through Qt's translators, where the
        // made-up catalogue, installed last, answers first.
        InstallLanguage(Language::Spanish);
        QCoreApplication::installTranslator(&catalogue);
        SheetTest::SetUp();
        std::string error;
        ASSERT_TRUE(unit.Start(&error)) << error;
        link.SetPortResolver([this](int port) {
            PortLookup lookup;
            lookup.found = port == 1;
            lookup.device = unit.DevicePath();
            return lookup;
        });
        sheet->SetLink(link);
    }
    void TearDown() override {
        QCoreApplication::removeTranslator(&catalogue);
        InstallLanguage(Language::English);
    }

    // The texts left with plain letters once the data is taken out.
    QStringList Untranslated(const QStringList& texts) const {
        QStringList data{QStringLiteral("CV Timer"), QStringLiteral("Corvellan"), QStringLiteral("CVTimerSystem.ini"),
                         QStringLiteral("cvtimerctl"), QApplication::applicationName(), QString::fromStdString(LoginName()),
                         // The page's date is written as the system's regional format has it.
                         QLocale().toString(QDate::currentDate(), QLocale::LongFormat)};
        for (int t = 0; t < kTimerCount; ++t) data << Text(t, TimerField::Name).trimmed();
        // Paths and file names, record times, and times and durations as the
        // unit writes them in every language.
        static const QRegularExpression other(QStringLiteral(
            "(^|[\\s\"(])/\\S+|\\S+\\.cvt\\b|\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d [+-]\\d\\d:\\d\\d|"
            "\\b\\d+ (h|min)\\b|\\b\\d+(:\\d\\d)?( ?[AP]M)?\\b"));
        static const QRegularExpression plain(QStringLiteral("[A-Za-z]{2,}"));
        QStringList left;
        for (QString text : texts) {
            const QString shown = text;
            for (const QString& datum : data)
                if (!datum.isEmpty()) text.remove(datum);
            text.remove(other);
            if (text.contains(plain)) left << shown;
        }
        left.removeDuplicates();
        return left;
    }

    PseudoCatalogue catalogue;
    SimulatedUnit unit;
    SerialLink link;
};

TEST_F(PseudoLanguageTest, EveryWindowDialogMenuAndMessageOfANormalFlowIsTranslated) {
    const std::string saved = FolderPath("lunch.cvt");
    prompts.nextPaths << QString::fromStdString(saved);
    app.SaveTimerFile();
    std::ofstream(FolderPath("bad.cvt")) << "not a timer file\n";
    prompts.nextPaths << QString::fromStdString(FolderPath("bad.cvt"));
    app.LoadTimerFile();

    unit.SetBehaviour({.wrongAnswerAt = 6, .wrongByte = 'x'});
    sheet->SendButton()->click();
    unit.SetBehaviour({});
    sheet->SendButton()->click();
    sheet->Field(0, TimerField::StartTime)->setText(QStringLiteral("18 h 30"));
    app.OfferToSaveChanges();
    prompts.nextPaths << QString::fromStdString(FolderPath("wall.pdf"));
    app.OnExportPdf();

    sheet->CommPortMenu()->aboutToShow();
    app.OnDayPlan();
    app.OnSentToUnit();
    app.OnUserGuide();
    WorkFolder work;
    work.folder = folder.Path();
    AboutDialog about(work, sheet);

    QStringList texts;
    for (QWidget* widget : QApplication::allWidgets()) {
        // The guide's pages are a document of their own; its window is checked.
        if (qobject_cast<QTextBrowser*>(widget) || (widget->parent() && qobject_cast<QTextBrowser*>(widget->parent())))
            continue;
        CollectTexts(widget, texts);
    }
    for (const auto* list : {&prompts.shown, &prompts.questions})
        for (const PromptMessage& message : *list) texts << message.caption << message.text << message.detail;
    // The printed page, read back by poppler's pdftotext.
    QProcess reader;
    reader.start(QStringLiteral("pdftotext"), {QString::fromStdString(FolderPath("wall.pdf")), QStringLiteral("-")});
    ASSERT_TRUE(reader.waitForFinished(30000)) << "pdftotext (poppler-utils) did not run";
    const QString page = QString::fromUtf8(reader.readAllStandardOutput());
    EXPECT_TRUE(page.contains(QChar(0x00B7))) << page.toStdString();
    texts << page.split('\n');
    ASSERT_GE(prompts.shown.size(), 4u);
    EXPECT_EQ(prompts.questions.size(), 1u);
    EXPECT_EQ(Untranslated(texts).join(QStringLiteral("\n")).toStdString(), "");
}

}  // namespace
}  // namespace cv
