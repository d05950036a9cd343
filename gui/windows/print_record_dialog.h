#pragma once
// File > Print Record...: which days of the record of sends to print, for the
// unit on the sheet's port, and the ways to have them: on a printer, as a PDF
// file, or as text in a window (what a screen reader reads, where the printed
// page is only a picture). Stays open beside the sheet while the user prints
// one range after another.

#include <QDate>
#include <QDialog>

class QDateEdit;
class QLabel;
class QPushButton;

namespace cv {

class PrintRecordDialog : public QDialog {
    Q_OBJECT

public:
    explicit PrintRecordDialog(QWidget* parent = nullptr);

    // The port whose unit the report is about.
    void ShowPort(int portNumber);
    // The days to cover, inclusive; both today at first.
    QDate From() const;
    QDate To() const;
    void SetDays(const QDate& from, const QDate& to);

    QPushButton* PrintButton() const { return printButton; }
    QPushButton* ExportButton() const { return exportButton; }
    QPushButton* TextButton() const { return textButton; }

signals:
    void printRequested();
    void exportPdfRequested();
    void textRequested();

private:
    QLabel* intro = nullptr;
    QDateEdit* from = nullptr;
    QDateEdit* to = nullptr;
    QPushButton* printButton = nullptr;
    QPushButton* exportButton = nullptr;
    QPushButton* textButton = nullptr;
};

}  // namespace cv
