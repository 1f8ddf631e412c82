#pragma once

#include <QList>
#include <QPointer>
#include <QString>
#include <QWidget>

// The controls of the rows built at run time inside one scroll box, in the
// order they were built. Rows are searched here by name prefix and tag, so
// that a control the toolkit moves in its own child order, or one that waits
// hidden for its release, is never taken for a row's control.
class TRunTimeRows
{
public:
    void Add(QWidget* control) { FControls.append(control); }
    // Forgets the control; it is no longer part of any row.
    void Remove(QWidget* control);
    // The first control of that prefix and tag, or null.
    QWidget* Find(const QString& prefix, int tag) const;
    // The live controls in the order they were built.
    QList<QWidget*> Controls() const;
    // Forgets every row; their box releases the controls.
    void Clear() { FControls.clear(); }

private:
    QList<QPointer<QWidget>> FControls;
};
