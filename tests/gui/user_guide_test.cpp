// Help > User Guide: the guide opens from the menu and from F1 with its
// headings and pictures, in the window's language, its links move within it,
// and it finds words.

#include <QLabel>
#include <QRegularExpression>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QScrollBar>

#include "gui/access/palette_colours.h"
#include "gui/language/language_setup.h"
#include "gui/windows/user_guide_window.h"
#include "tests/gui/sheet_fixture.h"

namespace cv {

void PrintTo(Language language, std::ostream* out);  // language_test.cpp's: tests named by the code

namespace {

class UserGuideTest : public SheetTest {
protected:
    UserGuideWindow& OpenGuide() {
        QTest::keyClick(sheet, Qt::Key_F1);
        UserGuideWindow* guide = app.UserGuide();
        EXPECT_NE(guide, nullptr);
        // Not qWaitForWindowActive: a window counts as active while its parent is.
        EXPECT_TRUE(QTest::qWaitFor([guide] { return QApplication::activeWindow() == guide; }));
        return *guide;
    }
    // Every picture shown comes from `folder` ("images/") and loads within the
    // window's width; every link within the guide reaches a heading. Returns
    // how many pictures it shows.
    static int ExpectPicturesAndLinksWork(UserGuideWindow& guide, const QString& folder) {
        QTextDocument& document = *guide.Text()->document();
        QStringList names, targets;
        int pictures = 0;
        for (const QTextFragment& fragment : Fragments(document)) {
            const QTextCharFormat format = fragment.charFormat();
            names << format.anchorNames();
            if (format.anchorHref().startsWith('#')) targets << format.anchorHref().mid(1);
            if (!format.isImageFormat()) continue;
            ++pictures;
            const QString name = format.toImageFormat().name();
            EXPECT_TRUE(name.startsWith(folder) && !name.mid(folder.size()).contains('/')) << name.toStdString();
            const QVariant picture = document.resource(QTextDocument::ImageResource, document.baseUrl().resolved(name));
            EXPECT_TRUE(picture.isValid() && !picture.value<QPixmap>().isNull()) << name.toStdString();
            EXPECT_LE(format.toImageFormat().width(), guide.Text()->viewport()->width()) << name.toStdString();
        }
        EXPECT_FALSE(targets.isEmpty());
        for (const QString& target : targets) EXPECT_TRUE(names.contains(target)) << target.toStdString();
        return pictures;
    }
    // Where the text of `fragment`-like runs of the guide lie, in reading order.
    static std::vector<QTextFragment> Fragments(const QTextDocument& document) {
        std::vector<QTextFragment> all;
        for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
            for (auto part = block.begin(); !part.atEnd(); ++part) all.push_back(part.fragment());
        }
        return all;
    }
};

TEST_F(UserGuideTest, OpensFromTheMenuAndF1WithItsHeadingsPicturesAndLinkTargets) {
    QMenu* help = sheet->findChild<QMenuBar*>()->actions().last()->menu();
    help->actions().first()->trigger();
    UserGuideWindow* guide = app.UserGuide();
    ASSERT_NE(guide, nullptr);
    EXPECT_TRUE(guide->isVisible());
    EXPECT_EQ(guide->windowTitle(), "CV Timer User Guide");
    guide->close();
    EXPECT_EQ(&OpenGuide(), guide);
    EXPECT_TRUE(guide->isVisible());

    QTextDocument& document = *guide->Text()->document();
    QStringList headings;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        if (block.blockFormat().headingLevel() > 0) headings << block.text();
    }
    EXPECT_TRUE(headings.contains("Sending the timers to the unit")) << headings.join(" | ").toStdString();
    EXPECT_TRUE(headings.contains("When something goes wrong")) << headings.join(" | ").toStdString();

    EXPECT_GE(ExpectPicturesAndLinksWork(*guide, "images/"), 3);
}

TEST_F(UserGuideTest, ALinkMovesToItsHeadingAndEscCloses) {
    UserGuideWindow& guide = OpenGuide();
    QTextBrowser& text = *guide.Text();
    ASSERT_EQ(text.verticalScrollBar()->value(), 0);
    int heading = -1;
    for (const QTextFragment& fragment : Fragments(*text.document())) {
        if (fragment.text() == "When something goes wrong" && fragment.charFormat().isAnchor()) heading = fragment.position();
    }
    ASSERT_GE(heading, 0);
    // Tab from link to link, as far as the contents' last, and Enter.
    for (int i = 0; i < 30 && text.textCursor().charFormat().anchorHref() != "#when-something-goes-wrong"; ++i)
        QTest::keyClick(&text, Qt::Key_Tab);
    ASSERT_TRUE(text.hasFocus());
    QTest::keyClick(&text, Qt::Key_Return);

    QTextCursor target(text.document());
    target.setPosition(heading);
    const QRect shown = text.cursorRect(target);
    EXPECT_GT(text.verticalScrollBar()->value(), 0);
    EXPECT_TRUE(shown.top() >= 0 && shown.bottom() < text.viewport()->height() / 2) << shown.top();
    QTest::keyClick(&text, Qt::Key_Left, Qt::AltModifier);
    EXPECT_EQ(text.verticalScrollBar()->value(), 0);

    QTest::keyClick(&text, Qt::Key_Escape);
    EXPECT_FALSE(guide.isVisible());
}

TEST_F(UserGuideTest, LinksStayReadableWhenThePaletteTurnsDark) {
    UserGuideWindow& guide = OpenGuide();
    const QPalette before = QApplication::palette();
    // Black ground; the link colour left at a dark blue, as a dark theme may.
    QPalette dark(Qt::white, Qt::black);
    dark.setColor(QPalette::Base, Qt::black);
    dark.setColor(QPalette::Link, QColor(0, 0, 160));
    QApplication::setPalette(dark);
    QCoreApplication::processEvents();  // windows take it from a posted event
    int links = 0;
    for (const QTextFragment& fragment : Fragments(*guide.Text()->document())) {
        if (fragment.charFormat().anchorHref().isEmpty()) continue;
        ++links;
        EXPECT_GE(ContrastRatio(fragment.charFormat().foreground().color(), Qt::black), kTextContrast)
            << fragment.text().toStdString();
    }
    QApplication::setPalette(before);
    EXPECT_GT(links, 10);
}

TEST_F(UserGuideTest, FindGoesRoundTheGuideAndSaysWhenAWordIsNowhere) {
    UserGuideWindow& guide = OpenGuide();
    QTextBrowser& text = *guide.Text();
    QTest::keyClick(&text, Qt::Key_F, Qt::ControlModifier);
    ASSERT_TRUE(guide.FindField()->hasFocus());
    QTest::keyClicks(guide.FindField(), "device manager");
    const int first = text.textCursor().selectionStart();
    EXPECT_EQ(text.textCursor().selectedText(), "Device Manager");

    // F3 on to the later ones until the search comes round to the first again.
    std::vector<int> found{first};
    for (int i = 0; i < 20; ++i) {
        QTest::keyClick(guide.FindField(), Qt::Key_F3);
        if (text.textCursor().selectionStart() == first) break;
        found.push_back(text.textCursor().selectionStart());
    }
    ASSERT_EQ(text.textCursor().selectionStart(), first);
    ASSERT_GE(found.size(), 2u);
    EXPECT_TRUE(std::is_sorted(found.begin(), found.end()));
    QTest::keyClick(guide.FindField(), Qt::Key_Return, Qt::ShiftModifier);
    EXPECT_EQ(text.textCursor().selectionStart(), found.back());
    EXPECT_EQ(guide.FindNote(), "");

    guide.FindField()->setText("xyzzy");
    EXPECT_FALSE(guide.FindNext());
    EXPECT_EQ(text.textCursor().selectionStart(), found.back());
    EXPECT_EQ(guide.FindNote(), "\"xyzzy\" is nowhere in the guide.");
}

// A Spanish or French window opens the guide in its language, with the
// pictures drawn in it; the stamps under its headings stay unseen.
class UserGuideInLanguage : public UserGuideTest, public ::testing::WithParamInterface<Language> {
protected:
    void SetUp() override {
        InstallLanguage(GetParam());
        UserGuideTest::SetUp();
    }
    void TearDown() override { InstallLanguage(Language::English); }
};

TEST_P(UserGuideInLanguage, F1OpensTheGuideInTheWindowsLanguage) {
    UserGuideWindow& guide = OpenGuide();
    const QString code = QString::fromLatin1(LanguageCode(GetParam()));
    EXPECT_EQ(guide.Text()->source().toString(), QStringLiteral("qrc:/guide/user-guide.%1.md").arg(code));
    const QString shown = guide.Text()->document()->toPlainText();
    EXPECT_NE(shown.section('\n', 0, 0), "CV Timer User Guide");
    EXPECT_FALSE(shown.contains(QRegularExpression("<!--|en: [0-9a-f]{12}"))) << "a stamp shows";
    EXPECT_GE(ExpectPicturesAndLinksWork(guide, QStringLiteral("images/%1/").arg(code)), 3);
}

INSTANTIATE_TEST_SUITE_P(Languages, UserGuideInLanguage, ::testing::Values(Language::Spanish, Language::French),
                         [](const auto& info) { return std::string(LanguageCode(info.param)); });

TEST(UserGuideSource, ALanguageWithoutAGuideGetsTheEnglishOne) {
    EXPECT_EQ(UserGuideSource(QStringLiteral("de")).toString(), "qrc:/guide/user-guide.md");
}

}  // namespace
}  // namespace cv
