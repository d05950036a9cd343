#pragma once

#include <QDialog>

#include "core/settings/work_folder.h"

namespace cv {

// Version, credits, and where the program keeps its settings and opens its
// file dialogs. Closes on OK; nothing else.
class AboutDialog : public QDialog {
    Q_OBJECT

public:
    explicit AboutDialog(const WorkFolder& work, QWidget* parent = nullptr);
};

}  // namespace cv
