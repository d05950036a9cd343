#pragma once
// One of the sheet's fifty fields: a line edit that marks a text which cannot
// be what was meant with a corner triangle besides its tint (so the mark does
// not rest on colour alone), draws the focus ring inside its own border (the
// window's first paint then needs no ring of its own), and in which Alt with
// a letter is left to the menus and the button: it never types the letter.

#include <QColor>
#include <QLineEdit>

namespace cv {

class SheetField : public QLineEdit {
public:
    explicit SheetField(QWidget* parent);

    // The triangle's colour, or an invalid colour for no mark.
    void SetDoubtMark(const QColor& colour);
    bool HasDoubtMark() const { return doubtMark.isValid(); }
    QColor DoubtMark() const { return doubtMark; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QColor doubtMark;
};

}  // namespace cv
