#pragma once
// What a screen reader reads of a one-line text field: its text by character,
// word, sentence or line around any offset, the selection, the caret, where a
// character lies on screen, and edits made through the screen reader.
//
// Qt 6.4's own interface for QLineEdit never returns from some of these
// questions (a word at the end of the text: QAccessibleTextInterface::
// textAtOffset loops in QTextBoundaryFinder), which freezes the program with
// the supervisor's unsaved work in it, and it describes text attributes as
// empty runs, so Orca leaves out the last letter of a selection. This one
// answers every boundary at every offset and gives one run for the whole text.

#include <QAccessibleWidget>
#include <QString>

class QLineEdit;

namespace cv {

// A piece of text and where it lies; start and end are -1 when there is none.
struct TextPiece {
    QString text;
    int start = -1;
    int end = -1;
    friend bool operator==(const TextPiece&, const TextPiece&) = default;
};

enum class PieceAround { Before, At, After };

// The character, word, sentence or line of `text` at `offset` (where -1 means
// the end of the text), or the one before or after it. At the end of the text
// the piece at it is the last one, except for a character: there is none.
TextPiece FindTextPiece(const QString& text, int offset, QAccessible::TextBoundaryType boundary, PieceAround where);

class LineEditAccessible : public QAccessibleWidget,
                           public QAccessibleTextInterface,
                           public QAccessibleEditableTextInterface {
public:
    explicit LineEditAccessible(QWidget* edit);

    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text t, const QString& text) override;
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    // QAccessibleTextInterface
    void selection(int selectionIndex, int* startOffset, int* endOffset) const override;
    int selectionCount() const override;
    void addSelection(int startOffset, int endOffset) override;
    void removeSelection(int selectionIndex) override;
    void setSelection(int selectionIndex, int startOffset, int endOffset) override;
    int cursorPosition() const override;
    void setCursorPosition(int position) override;
    QString text(int startOffset, int endOffset) const override;
    QString textBeforeOffset(int offset, QAccessible::TextBoundaryType boundaryType, int* startOffset,
                             int* endOffset) const override;
    QString textAfterOffset(int offset, QAccessible::TextBoundaryType boundaryType, int* startOffset,
                            int* endOffset) const override;
    QString textAtOffset(int offset, QAccessible::TextBoundaryType boundaryType, int* startOffset,
                         int* endOffset) const override;
    int characterCount() const override;
    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint& point) const override;
    void scrollToSubstring(int startIndex, int endIndex) override;
    QString attributes(int offset, int* startOffset, int* endOffset) const override;

    // QAccessibleEditableTextInterface: each edit is one change of the field,
    // as typing makes it, and can be undone.
    void deleteText(int startOffset, int endOffset) override;
    void insertText(int offset, const QString& text) override;
    void replaceText(int startOffset, int endOffset, const QString& text) override;

private:
    QLineEdit* edit() const;
    // The text a screen reader may read: none for a password field.
    QString ReadableText() const;
    QString Piece(int offset, QAccessible::TextBoundaryType boundary, PieceAround where, int* startOffset,
                  int* endOffset) const;
};

}  // namespace cv
