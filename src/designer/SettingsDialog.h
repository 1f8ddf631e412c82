#pragma once

#include <QDialog>

class QCheckBox;
class QLabel;
class QSpinBox;

// A dialog that edits settings variables. Its controls take the settings when
// it is shown and give them back when it closes; it has no cancel button, so
// OK, Esc and the title bar's close button all apply the controls.
class TSettingsDialog : public QDialog
{
    Q_OBJECT

public:
    // Applies the controls once per showing, then closes.
    void done(int result) override;

protected:
    using QDialog::QDialog;

    virtual void FormShow() = 0;
    virtual void FormClose() = 0;

    void showEvent(QShowEvent* event) override;

    // The read-only text at the dialog's top: it wraps and is as high as
    // its lines, so that it is read whole at any width.
    QLabel* InfoText(const QString& text);
    QCheckBox* Check(const char* name, const QString& caption);
    // A spin edit that keeps its value inside its range: a value set or
    // typed outside it becomes the nearest bound.
    QSpinBox* Spin(const char* name, int min, int max, int step = 1);
    // The spin's value with text still being typed taken as it stands.
    static int SpinValue(QSpinBox* spin);
};
