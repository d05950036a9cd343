#pragma once
// Everything that lets the program be used from the keyboard and through a
// screen reader, in one place for every window to use:
//
//  - InstallAccessibility(): once per program. Text fields answer a screen
//    reader through LineEditAccessible (line_edit_accessible.h), widgets given a
//    role by SetAccessibleRole() get it, and a focus ring (focus_ring.h) is
//    drawn around whatever has the keyboard focus.
//  - Announce(): says what changed (a send's progress, a field that turned
//    doubtful) to a screen reader, wherever its focus is.
//  - SecondaryWindow (gui/windows/secondary_window.h): a window beside the
//    sheet, with its title and role, closed by Esc and Ctrl+W.
//  - MarkColoursFor() (palette_colours.h): the program's own colours, chosen per
//    palette for contrast, and the contrast computation itself.
//  - WithMnemonics() below: keyboard letters for a menu built at run time.

#include <QAccessible>
#include <QString>
#include <QStringList>

class QWidget;

namespace cv {

void InstallAccessibility();

// The role a screen reader is told for widget, a plain QWidget or a class of
// ours, which would otherwise be a "filler". Set before the widget is shown.
void SetAccessibleRole(QWidget& widget, QAccessible::Role role);

// Says text to a screen reader on behalf of the window `within` lies in: a
// notification there that Orca speaks as it appears, and on Windows UI
// Automation's notification event.
void Announce(QWidget& within, const QString& text);

// texts (with '&' written "&&"), each with an '&' before a character that no
// text before it has taken, where one is left: the digits of its first number
// from the last one back ("Port 12": 2, then 1), then its letters and digits in
// order. Letters count alike in either case, as a menu matches them.
QStringList WithMnemonics(const QStringList& texts);

}  // namespace cv
