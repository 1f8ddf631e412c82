#include "designer/RunTimeRows.h"

#include "platform/widgets/WidgetUtils.h"

void TRunTimeRows::Remove(QWidget* control)
{
    FControls.removeAll(QPointer<QWidget>(control));
}

QWidget* TRunTimeRows::Find(const QString& prefix, int tag) const
{
    return FindControlByPrefix(Controls(), prefix, tag);
}

QList<QWidget*> TRunTimeRows::Controls() const
{
    QList<QWidget*> live;
    for (const QPointer<QWidget>& control : FControls) {
        if (control)
            live.append(control);
    }
    return live;
}
