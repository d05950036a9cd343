#pragma once
// A sheet built the way the program builds it, with its settings file in a
// fresh temporary folder and prompts that tests answer.

#include <QAction>
#include <QCoreApplication>
#include <QDropEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QTest>
#include <QUrl>
#include <gtest/gtest.h>

#include <filesystem>

#include "core/settings/port_setting.h"
#include "gui/sheet/timer_sheet.h"
#include "gui/timer_app.h"
#include "tests/gui/menu_text.h"
#include "tests/gui/recording_prompts.h"
#include "tests/temp_folder.h"

namespace cv {

class SheetTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_FALSE(folder.Path().empty());
        OpenSheet();
    }

    // (Re)builds the sheet, as a program start would.
    void OpenSheet() {
        sheet = &app.CreateSheet();
        sheet->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(sheet));
    }

    // Paths in the system's own form, as the program shows and stores them.
    std::string FolderPath(const std::string& name) const {
        return folder.Path() + static_cast<char>(std::filesystem::path::preferred_separator) + name;
    }
    std::string SettingsPath() const { return SettingsPathIn(folder.Path()); }

    QString Text(int timer, TimerField field) const { return sheet->Field(timer, field)->text(); }

    // An item of the File menu by its text, or nullptr.
    QAction* FileItem(const QString& text) const {
        for (QAction* a : sheet->findChild<QMenuBar*>()->actions()[0]->menu()->actions()) {
            if (MenuText(a) == text) return a;
        }
        return nullptr;
    }
    // File > Save and File > Load, the dialog answered with path.
    void Save(const std::string& path) {
        prompts.nextPaths << QString::fromStdString(path);
        FileItem("Save")->trigger();
    }
    void Load(const std::string& path) {
        prompts.nextPaths << QString::fromStdString(path);
        FileItem("Load")->trigger();
    }
    // Drags urls onto target and drops them, as a file manager would; false
    // when the drag is refused. A dropped file is opened once the drop is over.
    bool DropOn(QWidget* target, const QList<QUrl>& urls) {
        QMimeData data;
        data.setUrls(urls);
        data.setText(urls.constFirst().toString());
        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(target, &enter);
        if (!enter.isAccepted()) return false;
        QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(target, &drop);
        QCoreApplication::sendPostedEvents(sheet, QEvent::MetaCall);
        return true;
    }
    QUrl FileUrl(const std::string& name) const { return QUrl::fromLocalFile(QString::fromStdString(FolderPath(name))); }

    TempFolder folder;
    RecordingPrompts prompts;
    TimerApp app{prompts, folder.Path()};
    TimerSheetDialog* sheet = nullptr;
};

}  // namespace cv
