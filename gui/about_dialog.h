#pragma once

#include <QDialog>

namespace cv {

// Version and credits. Closes on OK; nothing else.
class AboutDialog : public QDialog {
    Q_OBJECT

public:
    explicit AboutDialog(QWidget* parent = nullptr);
};

}  // namespace cv
