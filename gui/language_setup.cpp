#include "gui/language_setup.h"

#include <QCoreApplication>
#include <QString>
#include <QTranslator>
#include <memory>

#include "core/language/tr.h"

static void InitTranslationResources() { Q_INIT_RESOURCE(translations); }

namespace cv {
namespace {

Language g_installed = Language::English;
std::unique_ptr<QTranslator> g_english;
std::unique_ptr<QTranslator> g_ours;
std::unique_ptr<QTranslator> g_qts;

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

}  // namespace

Language InstalledLanguage() { return g_installed; }

void InstallLanguage(Language language) {
    g_installed = language;
    InitTranslationResources();
    for (auto* translator : {&g_english, &g_ours, &g_qts}) {
        if (*translator) QCoreApplication::removeTranslator(translator->get());
        translator->reset();
    }
    const QString code = QString::fromLatin1(LanguageCode(language));
    // English has a catalogue too: its plurals ("1 reminder"), and an answer
    // for every text so Qt never takes one from a second language.
    // Qt asks the translator installed last first, so English lies beneath
    // the chosen language: a text it has not translated yet still reads
    // "1 reminder" rather than "1 reminders".
    if (language != Language::English) g_english = Load(QStringLiteral(":/translations/cvtimer_en.qm"));
    g_ours = Load(QStringLiteral(":/translations/cvtimer_%1.qm").arg(code));
    if (language != Language::English) g_qts = Load(QStringLiteral(":/translations/qtbase_%1.qm").arg(code));
    // In English the core answers for itself, plurals included, without
    // asking Qt: the sheet's fifty readings at start would each search the
    // translators in vain.
    UseTextLookup(language == Language::English ? nullptr : &TranslateThroughQt);
}

}  // namespace cv
