#pragma once
// The sheet's status bar. Its messages (a field's reading and its doubt, a
// port's tip) are whole sentences, and in Spanish or French the longest run
// past the sheet's width, which a status bar would cut off. This one keeps
// room for as many lines as the longest of a few sample messages needs at the
// sheet's width, and wraps a long message onto them; a message that fits one
// line is drawn as any status bar draws it.

#include <QStatusBar>
#include <QStringList>

namespace cv {

class StatusLine : public QStatusBar {
    Q_OBJECT

public:
    explicit StatusLine(QWidget* parent);

    // Keeps room for the longest of samples when the bar is width wide
    // (no more than three lines).
    void KeepRoomFor(const QStringList& samples, int width);

    // The room a message has on one line of a bar width wide.
    static int MessageWidth(int width) { return width - kLeft - kRight; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // Where QStatusBar draws its message, without a size grip.
    static constexpr int kLeft = 6;
    static constexpr int kRight = 12;

    int LinesFor(const QString& message, int width) const;
    // Whether the message shown now is wider than one line, measured once per
    // message rather than at every paint.
    void MeasureMessage(const QString& message);
    bool messageWraps = false;
    int roomLines = 1;
};

}  // namespace cv
