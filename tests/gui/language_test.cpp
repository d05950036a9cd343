// The window in each language: every command keeps a key of its own, a
// translation in a catalogue reaches the menus, Qt's own buttons and the
// core's texts, and a screen reader is told which language the window speaks.

#include <QAccessible>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QSet>
#include <QTranslator>

#include "core/language/tr.h"
#include "gui/language/language_setup.h"
#include "gui/print/timer_page.h"
#include "tests/gui/sheet_fixture.h"

namespace cv {

// Test names end in the language's code, not its bytes.
void PrintTo(Language language, std::ostream* out) { *out << LanguageCode(language); }

namespace {

class SheetInLanguage : public SheetTest, public ::testing::WithParamInterface<Language> {
protected:
    void SetUp() override {
        InstallLanguage(GetParam());
        SheetTest::SetUp();
    }
    void TearDown() override { InstallLanguage(Language::English); }
};

TEST_P(SheetInLanguage, EveryCommandHasAKeyOfItsOwn) {
    // Unique keys in the menu bar with the button, and in each menu. Ports
    // above 12 (present only where devices are) take a letter of their words
    // while one is left; the arrow keys reach them all the same.
    auto* bar = sheet->findChild<QMenuBar*>();
    sheet->CommPortMenu()->aboutToShow();
    QStringList windowKeys{QKeySequence::mnemonic(sheet->SendButton()->text()).toString()};
    for (QAction* title : bar->actions()) {
        windowKeys << QKeySequence::mnemonic(title->text()).toString();
        QStringList keys;
        for (QAction* item : title->menu()->actions()) {
            const QString key = QKeySequence::mnemonic(item->text()).toString();
            const bool portAboveTwelve = title->menu() == sheet->CommPortMenu() && item->data().toInt() > kPortMenuCount;
            if (item->isSeparator() || (portAboveTwelve && key.isEmpty())) continue;
            keys << key;
        }
        EXPECT_FALSE(keys.contains(QString())) << MenuText(title).toStdString() << ": " << keys.join(' ').toStdString();
        EXPECT_EQ(keys.size(), QSet<QString>(keys.begin(), keys.end()).size()) << keys.join(' ').toStdString();
    }
    EXPECT_FALSE(windowKeys.contains(QString()));
    EXPECT_EQ(windowKeys.size(), QSet<QString>(windowKeys.begin(), windowKeys.end()).size());
}

INSTANTIATE_TEST_SUITE_P(Languages, SheetInLanguage,
                         ::testing::Values(Language::English, Language::Spanish, Language::French),
                         [](const auto& info) { return std::string(LanguageCode(info.param)); });

// Stands in for a Spanish catalogue with the File menu translated.
class FileMenuInSpanish : public QTranslator {
public:
    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* source, const char*, int) const override {
        if (qstrcmp(context, "cv::TimerSheetDialog") == 0 && qstrcmp(source, "&File") == 0)
            return QStringLiteral("&Archivo");
        return QString();
    }
};

TEST(SpanishWindow, ShowsTheCataloguesTextsQtsOwnAndTheCoresThroughThem) {
    InstallLanguage(Language::Spanish);
    FileMenuInSpanish catalogue;
    QCoreApplication::installTranslator(&catalogue);
    RecordingPrompts prompts;
    TempFolder folder;
    TimerApp app(prompts, folder.Path());
    TimerSheetDialog& sheet = app.CreateSheet();
    EXPECT_EQ(sheet.findChild<QMenuBar*>()->actions().first()->text(), "&Archivo");
    EXPECT_EQ(Tr("cv::TimerSheetDialog", "&File"), "&Archivo");
    // Qt's own texts come from the qtbase catalogue built into the program.
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), "Cancelar");
    QCoreApplication::removeTranslator(&catalogue);
    InstallLanguage(Language::English);
}

TEST(QtsOwnDialogs, SpeakTheGlossarysWordsWhereOurCatalogueWordsThem) {
    // Qt's Spanish says "fichero" and its French no space before ":" of its
    // own; ours is asked first.
    InstallLanguage(Language::Spanish);
    EXPECT_EQ(QCoreApplication::translate("QFileDialog", "File &name:").toStdString(), "&Nombre de archivo:");
    InstallLanguage(Language::French);
    EXPECT_EQ(QCoreApplication::translate("QFileDialog", "File &name:").toStdString(), "&Nom de fichier\u00A0:");
    EXPECT_EQ(QCoreApplication::translate("QFileDialog", "Back").toStdString(), "Pr\u00E9c\u00E9dent");  // the rest stays Qt's
    InstallLanguage(Language::English);
}

// What a screen reader hears the window's language is: the default locale
// (Qt's AT-SPI bridge answers GetLocale with it) and a field's text
// attributes. The paper stays the territory's. The default locale set before
// stands for the system's.
TEST(WindowLanguage, IsWhatAScreenReaderIsToldAndThePaperStaysTheTerritorys) {
    const QLocale before;
    struct Case {
        const char* system;
        Language window;
        const char* told;
        const char* fieldLanguage;
    };
    // Qt has no French for the United States: the window is fr_FR there, on Letter still.
    for (const Case& c : {Case{"en_US", Language::French, "fr_FR", "language:fr;"},
                          Case{"fr_CA", Language::English, "en_CA", "language:en-CA;"},
                          Case{"es_MX", Language::Spanish, "es_MX", "language:es-MX;"}}) {
        QLocale::setDefault(QLocale(c.system));
        InstallLanguage(c.window);
        EXPECT_EQ(QLocale().name().toStdString(), c.told) << c.system;
        EXPECT_EQ(LocalPageSize(TerritoryLocale()).id(), QPageSize::Letter) << c.system;
        RecordingPrompts prompts;
        TempFolder folder;
        TimerApp app(prompts, folder.Path());
        QLineEdit* field = app.CreateSheet().Field(0, TimerField::StartTime);
        int start = -1;
        int end = -1;
        const QString attributes = QAccessible::queryAccessibleInterface(field)->textInterface()->attributes(0, &start, &end);
        EXPECT_EQ(attributes.toStdString(), c.fieldLanguage) << c.system;
    }
    InstallLanguage(Language::English);
    QLocale::setDefault(before);
}

}  // namespace
}  // namespace cv
