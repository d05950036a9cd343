#include "gui/language/language_setup.h"

#include <QCoreApplication>
#include <QString>
#include <QTranslator>
#include <memory>
#include <optional>

#include "core/language/tr.h"

static void InitTranslationResources() { Q_INIT_RESOURCE(translations); }

namespace cv {
namespace {

Language g_installed = Language::English;
std::unique_ptr<QTranslator> g_english;
std::unique_ptr<QTranslator> g_ours;
std::unique_ptr<QTranslator> g_qts;
// The default locale before the language's, and the language's.
QLocale g_territory;
std::optional<QLocale> g_spoken;

// English's only translations are its singulars ("1 reminder"), which the
// core holds already; every other text is its own source. Answering nothing
// for a text without a count spares the window's every tr() a search of the
// English catalogue.
class EnglishPlurals : public QTranslator {
public:
    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* source, const char* disambiguation, int n) const override {
        if (n < 0) return {};
        return QString::fromStdString(EnglishText(context, source, disambiguation, n));
    }
};

std::string TranslateThroughQt(const char* context, const char* source, const char* disambiguation, int n) {
    return QCoreApplication::translate(context, source, disambiguation, n).toStdString();
}

// A translator for the catalogue at path, or nothing when it is not built in.
std::unique_ptr<QTranslator> Load(const QString& path) {
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(path)) return nullptr;
    QCoreApplication::installTranslator(translator.get());
    return translator;
}

// A locale of language in base's territory where Qt has one (fr_CA for a
// Canadian system), else the language's own (fr_FR); base itself when it
// speaks the language already (the C locale counts as English).
QLocale SpokenLocale(Language language, const QLocale& base) {
    const QLocale::Language wanted = language == Language::Spanish  ? QLocale::Spanish
                                     : language == Language::French ? QLocale::French
                                                                    : QLocale::English;
    if (base.language() == wanted || (wanted == QLocale::English && base.language() == QLocale::C)) return base;
    return QLocale(wanted, base.territory());
}

void SpeakInDefaultLocale(Language language) {
    // Set by someone else since (a test, the screenshots' territory): that is the base now.
    if (!g_spoken || QLocale() != *g_spoken) g_territory = QLocale();
    g_spoken = SpokenLocale(language, g_territory);
    QLocale::setDefault(*g_spoken);
}

}  // namespace

Language InstalledLanguage() { return g_installed; }

QLocale TerritoryLocale() { return g_spoken && QLocale() == *g_spoken ? g_territory : QLocale(); }

void InstallLanguage(Language language) {
    g_installed = language;
    SpeakInDefaultLocale(language);
    InitTranslationResources();
    for (auto* translator : {&g_english, &g_ours, &g_qts}) {
        if (*translator) QCoreApplication::removeTranslator(translator->get());
        translator->reset();
    }
    const QString code = QString::fromLatin1(LanguageCode(language));
    // English's plurals first. Qt asks the translator installed last first,
    // so under another language they lie beneath it: a text it has not
    // translated yet still reads "1 reminder" rather than "1 reminders".
    g_english = std::make_unique<EnglishPlurals>();
    QCoreApplication::installTranslator(g_english.get());
    if (language == Language::English) {
        // In English the core answers for itself, plurals included, without
        // asking Qt: the sheet's fifty readings at start would each search
        // the translators in vain.
        UseTextLookup(nullptr);
        return;
    }
    // Ours after Qt's, so that ours is asked first: it words some of Qt's
    // own dialog texts as the glossary does (gui/language/qt_texts.cpp).
    g_qts = Load(QStringLiteral(":/translations/qtbase_%1.qm").arg(code));
    g_ours = Load(QStringLiteral(":/translations/cvtimer_%1.qm").arg(code));
    UseTextLookup(&TranslateThroughQt);
}

}  // namespace cv
