#include "designer/InfoForm.h"

#include <QKeyEvent>

void TInfoForm::CloseForm()
{
    close();
}

void TInfoForm::mouseReleaseEvent(QMouseEvent* /*event*/)
{
    CloseForm();
}

void TInfoForm::keyPressEvent(QKeyEvent* event)
{
    if (event->text().isEmpty()) {
        QDialog::keyPressEvent(event);
        return;
    }
    CloseForm();
}
