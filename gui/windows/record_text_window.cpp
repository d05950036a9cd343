#include "gui/windows/record_text_window.h"

#include <QTextBrowser>
#include <QVBoxLayout>

namespace cv {

RecordTextWindow::RecordTextWindow(QWidget* parent)
    : SecondaryWindow(tr("Record, Day by Day"), QStringLiteral("recordText"), parent) {
    auto* layout = new QVBoxLayout(this);
    browser = new QTextBrowser(this);
    browser->setOpenLinks(false);
    browser->setAccessibleName(tr("What the unit held, day by day"));
    layout->addWidget(browser);
}

void RecordTextWindow::ShowReport(const QString& html) {
    browser->setHtml(html);
    browser->setFocus();
}

QSize RecordTextWindow::sizeHint() const {
    // Room for the timeline's columns side by side, and a day's worth of rows.
    return {fontMetrics().averageCharWidth() * 110, fontMetrics().lineSpacing() * 36};
}

}  // namespace cv
