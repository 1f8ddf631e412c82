#include "designer/SettingsDialog.h"

#include <QCheckBox>
#include <QShowEvent>
#include <QSpinBox>

void TSettingsDialog::done(int result)
{
    if (isVisible())
        FormClose();
    QDialog::done(result);
}

void TSettingsDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

QCheckBox* TSettingsDialog::Check(const char* name, const QString& caption)
{
    auto* box = new QCheckBox(caption, this);
    box->setObjectName(QLatin1String(name));
    return box;
}

QSpinBox* TSettingsDialog::Spin(const char* name, int min, int max, int step)
{
    auto* spin = new QSpinBox(this);
    spin->setObjectName(QLatin1String(name));
    spin->setRange(min, max);
    spin->setSingleStep(step);
    spin->setCorrectionMode(QAbstractSpinBox::CorrectToNearestValue);
    return spin;
}

int TSettingsDialog::SpinValue(QSpinBox* spin)
{
    spin->interpretText();
    return spin->value();
}
