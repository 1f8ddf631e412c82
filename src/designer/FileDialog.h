#pragma once

#include <QString>
#include <functional>

class QWidget;

// A file dialog as the file commands keep it: its texts and the name it
// offers, which the last open or save leaves behind for the next run.
class TFileDialog
{
public:
    enum TKind { fdOpen, fdSave };

    TFileDialog(TKind kind, QString title) : Kind(kind), Title(std::move(title)) {}

    // Shows the dialog modally; on OK FileName is the chosen file and the
    // result is true. Where the offered name has no folder, the dialog
    // starts in InitialDir.
    bool Execute(QWidget* parent);

    const TKind Kind;
    const QString Title;
    const QString Filter = QStringLiteral("VX Vehicles (*.vx);;All files (*.*)");
    const QString DefaultExt = QStringLiteral("vx");
    const QString InitialDir = QStringLiteral("Designs");
    QString FileName;

    // What Execute runs: the platform's file dialog in the program, an
    // answer of their own in the window tests.
    using TRunner = std::function<bool(TFileDialog& dialog, QWidget* parent)>;
    static TRunner Runner;
    static bool RunFileDialog(TFileDialog& dialog, QWidget* parent);
};
