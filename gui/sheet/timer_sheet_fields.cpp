// What the fields say beyond their text: how each will be read (status bar
// and tooltip), a mark on a text that cannot be what was meant, whether
// anything changed since the last load or save, and timer files dropped on
// the window.

#include <QCoreApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QLayout>
#include <QLineEdit>
#include <QMimeData>
#include <QScrollArea>
#include <QStatusBar>
#include <QUrl>

#include "core/timers/field_reading.h"
#include "gui/access/accessibility.h"
#include "gui/access/palette_colours.h"
#include "gui/sheet/sheet_field.h"
#include "gui/sheet/status_line.h"
#include "gui/language/language_setup.h"
#include "gui/sheet/timer_sheet.h"

namespace cv {

namespace {

FieldReading ReadingOf(int timerIndex, TimerField field, const QLineEdit* edit) {
    return ReadFieldText(timerIndex, field, edit->text().toStdString());
}

// The reading and its doubts as one line, the way the status bar shows it.
QString SaidOf(const FieldReading& reading) {
    QString text = QString::fromStdString(reading.reading);
    for (const std::string& doubt : reading.doubts) {
        const QString said = QString::fromStdString(doubt);
        text = text.isEmpty() ? said
                              : QCoreApplication::translate("cv::TimerSheetDialog", "%1. %2",
                                                            "a field's reading, then a doubt about it")
                                    .arg(text, said);
    }
    return text;
}

}  // namespace

void TimerSheetDialog::WatchFields() {
    for (int t = 0; t < kTimerCount; ++t) {
        for (TimerField f : kTimerFields) {
            QLineEdit* edit = Field(t, f);
            edit->installEventFilter(this);
            connect(edit, &QLineEdit::textChanged, this, [this, t, f] { OnFieldTextChanged(t, f); });
            OnFieldTextChanged(t, f);
        }
    }
}

void TimerSheetDialog::OnFieldTextChanged(int timerIndex, TimerField field) {
    MarkField(timerIndex, field);
    if (Field(timerIndex, field)->hasFocus()) ShowFieldReading(timerIndex, field);

    bool modified = false;
    for (int t = 0; t < kTimerCount && !modified; ++t) modified = ColumnOnSheet(t) != savedTexts[t];
    setWindowModified(modified);
    emit fieldsEdited();
}

void TimerSheetDialog::MarkField(int timerIndex, TimerField field) {
    auto* edit = static_cast<SheetField*>(Field(timerIndex, field));
    const FieldReading reading = ReadingOf(timerIndex, field, edit);
    QStringList tip;
    if (!reading.reading.empty()) tip << QString::fromStdString(reading.reading);
    for (const std::string& doubt : reading.doubts) tip << QString::fromStdString(doubt);
    // A screen reader reads the tip as the field's description.
    edit->setToolTip(tip.join(QLatin1Char('\n')));
    const bool wasDoubtful = edit->HasDoubtMark();
    if (reading.Doubtful()) {
        const MarkColours colours = MarkColoursFor(palette());
        QPalette marked = palette();
        marked.setColor(QPalette::Base, colours.doubtGround);
        edit->setPalette(marked);
        edit->SetDoubtMark(colours.doubtMark);
    } else {
        edit->setPalette(QPalette());
        edit->SetDoubtMark(QColor());
    }
    // Said once as the field turns doubtful, not again at every key typed on.
    if (edit->hasFocus() && reading.Doubtful() && !wasDoubtful) Announce(*edit, SaidOf(reading));
}

void TimerSheetDialog::RefreshMarks() {
    for (int t = 0; t < kTimerCount; ++t) {
        for (TimerField f : kTimerFields) {
            if (static_cast<SheetField*>(Field(t, f))->HasDoubtMark()) MarkField(t, f);
        }
    }
}

void TimerSheetDialog::ShowFieldReading(int timerIndex, TimerField field) {
    const QString text = SaidOf(ReadingOf(timerIndex, field, Field(timerIndex, field)));
    shownReading = text;
    if (text.isEmpty()) {
        statusBar->clearMessage();
    } else {
        statusBar->showMessage(text);
    }
}

void TimerSheetDialog::KeepRoomForReadings() {
    // English readings were written to the sheet's one line; measuring them
    // would add about 1 % to every start. The longer languages are measured.
    if (InstalledLanguage() == Language::English) return;
    // The longest readings with their doubts: a local time the codec would
    // misread and a character the unit cannot show, on the two-digit timer.
    const struct {
        TimerField field;
        const char* text;
    } samples[] = {{TimerField::StartTime, "18 h 30"}, {TimerField::StartTime, "six"},
                   {TimerField::Name, "\xC5\x92ufs"}, {TimerField::Name, "Fries {large}"},
                   {TimerField::RepeatInterval, "25:00"}, {TimerField::Priority, "x"}};
    QStringList said;
    for (const auto& [field, text] : samples) said << SaidOf(ReadFieldText(kTimerCount - 1, field, text));
    // The sheet's own width, or the screen's when the sheet scrolls within it.
    const QMargins margins = layout()->contentsMargins();
    const int width = scroller ? this->width() : layout()->sizeHint().width();
    static_cast<StatusLine*>(statusBar)->KeepRoomFor(said, width - margins.left() - margins.right());
}

bool TimerSheetDialog::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::FocusIn:
            for (int t = 0; t < kTimerCount; ++t) {
                for (TimerField f : kTimerFields) {
                    if (Field(t, f) == watched) ShowFieldReading(t, f);
                }
            }
            // With the sheet larger than the screen, the whole field comes into
            // sight (Qt's ensureWidgetVisible() would settle for its caret).
            if (scroller) {
                auto* field = static_cast<QWidget*>(watched);
                const QRect area(field->mapTo(scroller->widget(), QPoint(0, 0)), field->size());
                const int margin = fontMetrics().height();
                scroller->ensureVisible(area.center().x(), area.center().y(), area.width() / 2 + margin,
                                        area.height() / 2 + margin);
            }
            break;
        case QEvent::FocusOut:
            // Leave alone whatever else the status bar has come to say.
            if (!shownReading.isEmpty() && statusBar->currentMessage() == shownReading) statusBar->clearMessage();
            shownReading.clear();
            break;
        case QEvent::DragEnter:
        case QEvent::DragMove:
        case QEvent::Drop:
            // A field would take a dropped file for text to paste.
            if (TakeDrag(event)) return true;
            break;
        default:
            break;
    }
    return QDialog::eventFilter(watched, event);
}

void TimerSheetDialog::RememberFieldsAsSaved() {
    for (int t = 0; t < kTimerCount; ++t) savedTexts[t] = ColumnOnSheet(t);
    setWindowModified(false);
}

void TimerSheetDialog::SetSourceFile(std::string path) {
    sourceFile = std::move(path);
    UpdateTitle();
}

void TimerSheetDialog::UpdateTitle() {
    const QString title = sourceFile.empty() ? tr("Corvellan Timers")
                                              : tr("Corvellan Timers - %1")
                                                    .arg(QFileInfo(QString::fromStdString(sourceFile)).fileName());
    setWindowTitle(title + QStringLiteral("[*]"));
}

QString TimerSheetDialog::DroppedFile(const QMimeData* data) const {
    if (IsSending() || !data || !data->hasUrls() || data->urls().size() != 1) return QString();
    const QUrl url = data->urls().constFirst();
    return url.isLocalFile() ? url.toLocalFile() : QString();
}

// Takes a drag that carries one local file; anything else is left to the
// widget it is over.
bool TimerSheetDialog::TakeDrag(QEvent* event) {
    auto* drop = static_cast<QDropEvent*>(event);
    const QString path = DroppedFile(drop->mimeData());
    if (path.isEmpty()) return false;
    drop->acceptProposedAction();
    if (event->type() == QEvent::Drop) {
        QMetaObject::invokeMethod(this, [this, path] { emit fileDropped(path); }, Qt::QueuedConnection);
    }
    return true;
}

void TimerSheetDialog::dragEnterEvent(QDragEnterEvent* event) {
    if (!TakeDrag(event)) QDialog::dragEnterEvent(event);
}

void TimerSheetDialog::dropEvent(QDropEvent* event) {
    if (!TakeDrag(event)) QDialog::dropEvent(event);
}

}  // namespace cv
