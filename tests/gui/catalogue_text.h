#pragma once
// What a language's catalogue, as built into the program, says for a text. The
// tests read it from there rather than copy it, so they hold whatever the
// translators write; a text not translated yet reads as its English source and
// is named on the test's output as unfinished.

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QTranslator>
#include <iostream>
#include <string_view>

#include "gui/language/language_setup.h"
#include "gui/sheet/timer_sheet.h"

namespace cv {

class CatalogueText {
public:
    // Call after InstallLanguage, which makes the built catalogues reachable.
    explicit CatalogueText(Language language) : code_(LanguageCode(language)) {
        loaded_ = catalogue_.load(QStringLiteral(":/translations/cvtimer_%1.qm").arg(QLatin1String(code_)));
    }
    bool Loaded() const { return loaded_; }

    QString operator()(const char* context, const char* source) const {
        const QString text = catalogue_.translate(context, source);
        if (!text.isEmpty()) return text;
        // English keeps only its plurals: every other text is its own source.
        if (std::string_view(code_) != "en")
            std::cout << "note: the " << code_ << " catalogue has no translation yet for " << context << " \"" << source
                      << "\"\n";
        return QString::fromUtf8(source);
    }

private:
    const char* code_;
    QTranslator catalogue_;
    bool loaded_ = false;
};

// The File menu's item that reads text, or nullptr.
inline QAction* FileMenuItem(const TimerSheetDialog& sheet, const QString& text) {
    for (QAction* item : sheet.findChild<QMenuBar*>()->actions().first()->menu()->actions())
        if (item->text() == text) return item;
    return nullptr;
}

}  // namespace cv
