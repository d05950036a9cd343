#pragma once
// File > Print Record..., Show as Text: the report the printed pages carry, as
// text with headings and tables, which a screen reader reads where a print
// preview is only a picture.

#include "gui/windows/secondary_window.h"

class QTextBrowser;

namespace cv {

class RecordTextWindow : public SecondaryWindow {
    Q_OBJECT

public:
    explicit RecordTextWindow(QWidget* parent = nullptr);

    void ShowReport(const QString& html);
    QTextBrowser* Browser() const { return browser; }
    QSize sizeHint() const override;

private:
    QTextBrowser* browser = nullptr;
};

}  // namespace cv
