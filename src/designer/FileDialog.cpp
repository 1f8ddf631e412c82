#include "designer/FileDialog.h"

#include "platform/FileLookup.h"

#include <QFileDialog>
#include <QFileInfo>

TFileDialog::TRunner TFileDialog::Runner = &TFileDialog::RunFileDialog;

bool TFileDialog::Execute(QWidget* parent)
{
    return Runner(*this, parent);
}

bool TFileDialog::RunFileDialog(TFileDialog& dialog, QWidget* parent)
{
    QFileDialog box(parent, dialog.Title);
    box.setNameFilter(dialog.Filter);
    box.setDefaultSuffix(dialog.DefaultExt);
    if (dialog.Kind == fdOpen) {
        box.setAcceptMode(QFileDialog::AcceptOpen);
        box.setFileMode(QFileDialog::ExistingFile);
    } else {
        // Save as asks its own overwrite question.
        box.setAcceptMode(QFileDialog::AcceptSave);
        box.setFileMode(QFileDialog::AnyFile);
        box.setOption(QFileDialog::DontConfirmOverwrite);
    }
    if (dialog.FileName.contains(QLatin1Char('/'))) {
        box.selectFile(QFileInfo(dialog.FileName).absoluteFilePath());
    } else {
        box.setDirectory(QFileInfo(ResolvePath(dialog.InitialDir)).absoluteFilePath());
        box.selectFile(dialog.FileName);
    }
    if (box.exec() != QDialog::Accepted || box.selectedFiles().isEmpty())
        return false;
    dialog.FileName = box.selectedFiles().first();
    return true;
}
