#include "gui/language/pseudo_language.h"

#include <QCoreApplication>
#include <QTranslator>
#include <memory>

#include "gui/language/language_setup.h"

namespace cv {
namespace {

QChar Accented(QChar letter) {
    static const QString plain = QStringLiteral("aeiouycnAEIOUYCN");
    static const QString accented = QStringLiteral("\u00E1\u00E9\u00EF\u00F6\u00FC\u00FD\u00E7\u00F1"
                                                   "\u00C5\u00C9\u00CE\u00D6\u00DC\u00DD\u00C7\u00D1");
    const qsizetype at = plain.indexOf(letter);
    return at < 0 ? letter : accented[at];
}

// Where a run that must stay as it is ends: a tag, an entity, a placeholder
// (%1, %n, %L1) or an escaped ampersand; from, when none starts there.
qsizetype KeptRunEnd(const QString& text, qsizetype from) {
    const QChar c = text[from];
    const auto until = [&](QChar end) {
        const qsizetype at = text.indexOf(end, from);
        return at < 0 ? from : at + 1;
    };
    if (c == u'<') return until(u'>');
    if (c == u'&' && from + 1 < text.size()) {
        if (text[from + 1] == u'&') return from + 2;
        const qsizetype semicolon = text.indexOf(u';', from);
        if (semicolon > from + 1 && semicolon - from < 10 && !text.mid(from + 1, semicolon - from - 1).contains(u' '))
            return semicolon + 1;
    }
    if (c == u'%' && from + 1 < text.size()) {
        qsizetype end = from + 1;
        if (text[end] == u'L' && end + 1 < text.size()) ++end;
        if (text[end].isDigit() || text[end] == u'n') return end + 1;
    }
    return from;
}

class PseudoTranslator : public QTranslator {
public:
    bool isEmpty() const override { return false; }
    QString translate(const char*, const char* source, const char*, int) const override {
        return PseudoText(QString::fromUtf8(source));
    }
};

std::unique_ptr<PseudoTranslator> g_pseudo;

}  // namespace

QString PseudoText(const QString& source) {
    // Each word is followed by an accented copy of its first 70 %, so that
    // words, not only sentences, grow: a long word cannot wrap.
    QString out;
    QString word;
    const auto endWord = [&] {
        if (word.isEmpty()) return;
        out += word;
        out += word.left((word.size() * 7 + 9) / 10).remove(u'&');
        word.clear();
    };
    for (qsizetype i = 0; i < source.size();) {
        const qsizetype kept = KeptRunEnd(source, i);
        if (kept > i) {
            endWord();
            out += source.mid(i, kept - i);
            i = kept;
        } else if (source[i].isLetter() || (source[i] == u'&' && i + 1 < source.size() && source[i + 1].isLetter())) {
            word += source[i] == u'&' ? source[i] : Accented(source[i]);
            ++i;
        } else {
            endWord();
            out += source[i++];
        }
    }
    endWord();
    return out;
}

void InstallPseudoLanguage() {
    InstallLanguage(Language::French);
    g_pseudo = std::make_unique<PseudoTranslator>();
    QCoreApplication::installTranslator(g_pseudo.get());
}

void RemovePseudoLanguage() {
    if (g_pseudo) QCoreApplication::removeTranslator(g_pseudo.get());
    g_pseudo.reset();
}

}  // namespace cv
