#include "gui/access/line_edit_accessible.h"

#include <QFontMetrics>
#include <QLineEdit>
#include <QTextBoundaryFinder>
#include <QValidator>
#include <algorithm>
#include <vector>

namespace cv {

namespace {

// Where the pieces of text begin, and its length: piece i runs from cuts[i]
// to cuts[i + 1]. A single line has no line breaks but may be given some.
std::vector<int> Cuts(const QString& text, QAccessible::TextBoundaryType boundary) {
    const int length = static_cast<int>(text.size());
    std::vector<int> cuts{0};
    if (boundary == QAccessible::LineBoundary || boundary == QAccessible::ParagraphBoundary) {
        for (int i = 0; i + 1 < length; ++i) {
            if (text.at(i) == QLatin1Char('\n')) cuts.push_back(i + 1);
        }
    } else if (boundary != QAccessible::NoBoundary) {
        const QTextBoundaryFinder::BoundaryType kind = boundary == QAccessible::CharBoundary ? QTextBoundaryFinder::Grapheme
                                                       : boundary == QAccessible::WordBoundary
                                                           ? QTextBoundaryFinder::Word
                                                           : QTextBoundaryFinder::Sentence;
        QTextBoundaryFinder finder(kind, text);
        // Every answer lies further on than the one before, and -1 is past the
        // end, so this loop ends: Qt's own one waits for an answer beyond the end.
        for (int at = finder.toNextBoundary(); at > 0 && at < length; at = finder.toNextBoundary()) {
            // A word runs from where it starts to where the next one starts,
            // blanks and punctuation after it included, as AT-SPI's
            // WORD_START has it and Orca's word navigation expects: it
            // reads "Hands " and then "Washing".
            const bool wordStart = finder.boundaryReasons() & QTextBoundaryFinder::StartOfItem;
            if (boundary != QAccessible::WordBoundary || wordStart) cuts.push_back(at);
        }
    }
    if (length > 0) cuts.push_back(length);
    return cuts;
}

}  // namespace

TextPiece FindTextPiece(const QString& text, int offset, QAccessible::TextBoundaryType boundary, PieceAround where) {
    const int length = static_cast<int>(text.size());
    if (offset == -1) offset = length;
    if (length == 0 || offset < 0 || offset > length) return {};
    const std::vector<int> cuts = Cuts(text, boundary);
    const int pieces = static_cast<int>(cuts.size()) - 1;
    int at = 0;
    if (offset == length) {
        // Past the last character there is no character, but the last word,
        // sentence and line still end there.
        at = boundary == QAccessible::CharBoundary ? pieces : pieces - 1;
    } else {
        at = static_cast<int>(std::upper_bound(cuts.begin(), cuts.end(), offset) - cuts.begin()) - 1;
    }
    const int index = at + (where == PieceAround::Before ? -1 : where == PieceAround::After ? 1 : 0);
    if (index < 0 || index >= pieces) return {};
    const int start = cuts[static_cast<std::size_t>(index)];
    const int end = cuts[static_cast<std::size_t>(index) + 1];
    return {text.mid(start, end - start), start, end};
}

// Qt's own interface also names the receivers of textChanged() and
// returnPressed() as what the field "controls"; that costs a lookup of each
// signal by its text for every field at every start, and screen readers make
// nothing of it for a text field, so it is left out.
LineEditAccessible::LineEditAccessible(QWidget* edit) : QAccessibleWidget(edit, QAccessible::EditableText) {}

QLineEdit* LineEditAccessible::edit() const { return static_cast<QLineEdit*>(widget()); }

QString LineEditAccessible::ReadableText() const {
    return edit()->echoMode() == QLineEdit::Normal ? edit()->text() : QString();
}

QString LineEditAccessible::text(QAccessible::Text t) const {
    QString str;
    if (t == QAccessible::Value) {
        if (edit()->echoMode() == QLineEdit::Normal)
            str = edit()->text();
        else if (edit()->echoMode() != QLineEdit::NoEcho)
            str = QString(edit()->text().size(), QLatin1Char('*'));
    }
    if (str.isEmpty()) str = QAccessibleWidget::text(t);
    if (str.isEmpty() && t == QAccessible::Description) str = edit()->placeholderText();
    return str;
}

void LineEditAccessible::setText(QAccessible::Text t, const QString& text) {
    if (t != QAccessible::Value) {
        QAccessibleWidget::setText(t, text);
        return;
    }
    QString value = text;
    int position = 0;
    if (edit()->validator() && edit()->validator()->validate(value, position) != QValidator::Acceptable) return;
    edit()->setText(value);
}

QAccessible::State LineEditAccessible::state() const {
    QAccessible::State state = QAccessibleWidget::state();
    state.editable = true;
    state.readOnly = edit()->isReadOnly();
    state.passwordEdit = edit()->echoMode() != QLineEdit::Normal;
    state.selectableText = true;
    return state;
}

void* LineEditAccessible::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
    if (type == QAccessible::EditableTextInterface) return static_cast<QAccessibleEditableTextInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

void LineEditAccessible::selection(int selectionIndex, int* startOffset, int* endOffset) const {
    *startOffset = *endOffset = 0;
    if (selectionIndex != 0 || !edit()->hasSelectedText()) return;
    *startOffset = edit()->selectionStart();
    *endOffset = edit()->selectionEnd();
}

int LineEditAccessible::selectionCount() const { return edit()->hasSelectedText() ? 1 : 0; }

void LineEditAccessible::addSelection(int startOffset, int endOffset) { setSelection(0, startOffset, endOffset); }

void LineEditAccessible::removeSelection(int selectionIndex) {
    if (selectionIndex == 0) edit()->deselect();
}

void LineEditAccessible::setSelection(int selectionIndex, int startOffset, int endOffset) {
    if (selectionIndex == 0) edit()->setSelection(startOffset, endOffset - startOffset);
}

int LineEditAccessible::cursorPosition() const { return edit()->cursorPosition(); }

void LineEditAccessible::setCursorPosition(int position) { edit()->setCursorPosition(position); }

QString LineEditAccessible::text(int startOffset, int endOffset) const {
    if (startOffset < 0 || startOffset > endOffset) return QString();
    return ReadableText().mid(startOffset, endOffset - startOffset);
}

QString LineEditAccessible::Piece(int offset, QAccessible::TextBoundaryType boundary, PieceAround where,
                                  int* startOffset, int* endOffset) const {
    if (offset == -2) offset = cursorPosition();
    const TextPiece piece = FindTextPiece(ReadableText(), offset, boundary, where);
    *startOffset = piece.start;
    *endOffset = piece.end;
    return piece.text;
}

QString LineEditAccessible::textBeforeOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                                             int* startOffset, int* endOffset) const {
    return Piece(offset, boundaryType, PieceAround::Before, startOffset, endOffset);
}

QString LineEditAccessible::textAfterOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                                            int* startOffset, int* endOffset) const {
    return Piece(offset, boundaryType, PieceAround::After, startOffset, endOffset);
}

QString LineEditAccessible::textAtOffset(int offset, QAccessible::TextBoundaryType boundaryType, int* startOffset,
                                         int* endOffset) const {
    return Piece(offset, boundaryType, PieceAround::At, startOffset, endOffset);
}

int LineEditAccessible::characterCount() const { return static_cast<int>(edit()->text().size()); }

QRect LineEditAccessible::characterRect(int offset) const {
    // Measured from the caret, which knows where the field has scrolled its text to.
    const QString shown = edit()->displayText();
    if (offset < 0 || offset >= shown.size()) return QRect();
    const QRect caret = edit()->inputMethodQuery(Qt::ImCursorRectangle).toRect();
    const QFontMetrics metrics(edit()->font());
    const int x = caret.left() + metrics.horizontalAdvance(shown.left(offset)) -
                  metrics.horizontalAdvance(shown.left(edit()->cursorPosition()));
    QRect area(x, caret.top(), metrics.horizontalAdvance(shown.mid(offset, 1)), caret.height());
    area.moveTo(edit()->mapToGlobal(area.topLeft()));
    return area;
}

int LineEditAccessible::offsetAtPoint(const QPoint& point) const {
    return edit()->cursorPositionAt(edit()->mapFromGlobal(point));
}

void LineEditAccessible::scrollToSubstring(int startIndex, int endIndex) {
    edit()->setCursorPosition(endIndex);
    edit()->setCursorPosition(startIndex);
}

QString LineEditAccessible::attributes(int offset, int* startOffset, int* endOffset) const {
    // A field has one look and one language throughout: one run, the whole
    // text, in the window's language, so that a screen reader that picks its
    // voice by the text's language reads a French window's fields in French.
    Q_UNUSED(offset);
    *startOffset = 0;
    *endOffset = characterCount();
    return QStringLiteral("language:%1;").arg(edit()->locale().bcp47Name());
}

void LineEditAccessible::deleteText(int startOffset, int endOffset) {
    if (startOffset < 0 || endOffset <= startOffset) return;
    edit()->setSelection(startOffset, endOffset - startOffset);
    edit()->del();
}

void LineEditAccessible::insertText(int offset, const QString& text) {
    edit()->setCursorPosition(offset);
    edit()->insert(text);
}

void LineEditAccessible::replaceText(int startOffset, int endOffset, const QString& text) {
    edit()->setSelection(startOffset, endOffset - startOffset);
    edit()->insert(text);
}

}  // namespace cv
