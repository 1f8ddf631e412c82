#include "designer/SettingsDialog.h"

#include <QCheckBox>
#include <QLabel>
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

QLabel* TSettingsDialog::InfoText(const QString& text)
{
    auto* info = new QLabel(text, this);
    info->setObjectName(QStringLiteral("lblInfo"));
    info->setWordWrap(true);
    info->setFrameShape(QFrame::StyledPanel);
    info->setFrameShadow(QFrame::Sunken);
    info->setMargin(4);
    info->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return info;
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
