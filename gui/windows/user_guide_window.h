#pragma once
// Help > User Guide (F1): the supervisor's guide, docs/user-guide.md as built
// into the program (docs/user-guide.es.md and .fr.md in a Spanish or French
// window), in a window of its own beside the sheet. Its headings are
// link targets, its links move within it, and a find field searches it. Like
// the other windows beside the sheet, Esc and Ctrl+W close it.

#include <QHash>
#include <QImage>
#include <QUrl>
#include <vector>

#include "gui/windows/secondary_window.h"

class QLabel;
class QLineEdit;
class QTextBrowser;

namespace cv {

class UserGuideWindow : public SecondaryWindow {
    Q_OBJECT

public:
    // Reads the guide of the language the window speaks from the program's
    // resources; nothing is read at start.
    explicit UserGuideWindow(QWidget* parent = nullptr);

    // Opens the window beside `beside`, or brings it forward when it is open.
    void ShowBeside(const QWidget& beside);

    // Finds the find field's text after the selection (or before it), going
    // round the end of the guide; false, and a note saying so, when it is nowhere.
    bool FindNext(bool backward = false);

    QTextBrowser* Text() const { return text; }
    QLineEdit* FindField() const { return findField; }
    QString FindNote() const;
    QSize sizeHint() const override;
    // Narrower than this, the window is not squeezed in beside the sheet but
    // placed over part of it.
    QSize minimumSizeHint() const override;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // Names each heading as a link to it is written, by the rule a code
    // forge follows, so the same links work in the file shown there; and
    // lets examples wrap.
    void PrepareText();
    // A link to a heading scrolls to it, and Alt+Left back to where it was;
    // a web address opens in the browser.
    void FollowLink(const QUrl& link);
    void GoBack();
    // Narrows pictures wider than the text area to its width, keeping their shape.
    void FitPictures();
    // Links in the palette's link colour where it keeps 4.5:1 against the
    // ground (High Contrast's yellow on black), else in the text's colour.
    void ColourLinks();

    QTextBrowser* text = nullptr;
    QLineEdit* findField = nullptr;
    QLabel* findNote = nullptr;
    QHash<QString, QImage> pictures;  // each as it was built in
    int fittedWidth = -1;
    std::vector<int> cameFrom;  // where each link followed was read from
};

// The built-in guide in the language of languageCode ("es"), or the English
// one when there is none in it.
QUrl UserGuideSource(const QString& languageCode);

// The anchor of a heading as a code forge makes it: lower case, letters,
// digits, "-" and "_" kept, spaces made "-", the rest dropped.
QString HeadingAnchor(const QString& heading);

}  // namespace cv
