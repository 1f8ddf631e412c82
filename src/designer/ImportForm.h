#pragma once

#include <QWidget>

class QAction;
class QGroupBox;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;

// The import window: the pasted description, the leftovers and history of
// stage 1 and its result text. Modeless; while it is shown the main window's
// import command is off, so that it cannot be opened twice.
class TfrmImport : public QWidget {
public:
    TfrmImport(QWidget* owner, QAction* importAction);

    QPlainTextEdit* memText = nullptr;
    QPushButton* btnImport = nullptr;
    QTabWidget* pcProblems = nullptr;
    QPlainTextEdit* memLeftovers = nullptr;
    QPlainTextEdit* memHistory = nullptr;
    QPlainTextEdit* memResult = nullptr;
    QPushButton* btnClose = nullptr;
    QPushButton* btnAccept = nullptr;

    // A stat block is a few thousand characters; a text far beyond any is
    // refused rather than holding the window up while it is searched and
    // every weapon word in it becomes a row.
    static constexpr qsizetype MaxImportLength = 100000;

    void memTextChange();
    void EmptyMems();
    void btnImportClick();
    // Stage 2: a new design in the main window from the result text, then
    // the claimed figures that differ from the calculated ones.
    void btnAcceptClick();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QAction* FImportAction;
};

extern TfrmImport* frmImport;
