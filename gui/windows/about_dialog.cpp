#include "gui/windows/about_dialog.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>

#include "gui/program_icon.h"

namespace cv {

AboutDialog::AboutDialog(const WorkFolder& work, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint) {
    setWindowTitle(tr("About"));
    setObjectName(QStringLiteral("aboutBox"));
    // The title says "About"; a screen reader also hears whose.
    setAccessibleName(tr("About CV Timer"));

    auto* grid = new QGridLayout(this);
    grid->setSizeConstraint(QLayout::SetFixedSize);
    const int gap = fontMetrics().averageCharWidth() * 3;
    grid->setHorizontalSpacing(gap);
    grid->setContentsMargins(gap, gap, gap, gap / 2);

    auto* icon = new QLabel(this);
    const int side = style()->pixelMetric(QStyle::PM_LargeIconSize, nullptr, this);
    icon->setPixmap(ProgramIcon().pixmap(side, side));
    icon->setAlignment(Qt::AlignTop);
    icon->setAccessibleName(tr("CV Timer"));
    grid->addWidget(icon, 0, 0, 3, 1);

    grid->addWidget(new QLabel(tr("Version 1.0"), this), 0, 1);
    grid->addWidget(new QLabel(tr("Copyright \u00A9 2026 CV Timer developers"), this), 1, 1);
    grid->addWidget(new QLabel(tr("Free software under the GNU GPL, version 3 or later"), this), 2, 1);

    grid->setRowMinimumHeight(3, gap / 2);
    grid->addWidget(new QLabel(tr("Settings and timer files are kept in"), this), 4, 1);
    // Selectable, to be copied into a command line or Explorer.
    auto* folder = new QLabel(QDir::toNativeSeparators(QString::fromStdString(work.folder)), this);
    folder->setObjectName(QStringLiteral("workFolder"));
    folder->setTextInteractionFlags(Qt::TextSelectableByMouse);
    grid->addWidget(folder, 5, 1);
    auto* why = new QLabel(tr("(%1)", "why the program works in the folder above")
                               .arg(QString::fromStdString(DescribeWorkFolderChoice(work))),
                           this);
    why->setWordWrap(true);
    grid->addWidget(why, 6, 1);

    // The Windows programs carry other people's code; its notices lie beside
    // them (the Linux package's come with Debian's own packages).
    const QString notices = QCoreApplication::applicationDirPath() + QStringLiteral("/THIRD-PARTY-NOTICES.txt");
    if (QFileInfo::exists(notices)) {
        grid->setRowMinimumHeight(7, gap / 2);
        auto* where = new QLabel(
            tr("The licences of the other software that CV Timer contains are in %1.")
                .arg(QDir::toNativeSeparators(notices)),
            this);
        where->setObjectName(QStringLiteral("noticesFile"));
        where->setWordWrap(true);
        where->setTextInteractionFlags(Qt::TextSelectableByMouse);
        grid->addWidget(where, 8, 1);
    }

    grid->setRowMinimumHeight(9, gap / 2);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    buttons->setCenterButtons(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    grid->addWidget(buttons, 10, 0, 1, 2);
}

}  // namespace cv
