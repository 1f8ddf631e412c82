#pragma once

#include <QDialog>

// A form that only shows information: a click on it or on any of its labels,
// or a typed character, closes it.
class TInfoForm : public QDialog
{
    Q_OBJECT

public:
    using QDialog::QDialog;

protected:
    virtual void CloseForm();

    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};
