#include "designer/RowScrollBox.h"

#include <QScrollBar>
#include <QVariant>
#include <algorithm>

namespace {

// The width a row control was built with, kept the first time the box
// narrows it.
const char* const BuiltWidth = "rigsmithBuiltWidth";
const char* const RightGap = "rigsmithRightGap";

void SetWidth(QWidget* control, int width)
{
    if (control->minimumWidth() == control->maximumWidth())
        control->setFixedWidth(width);
    else
        control->resize(width, control->height());
}

} // namespace

TRowScrollBox::TRowScrollBox(QWidget* parent) : QScrollArea(parent)
{
    setWidgetResizable(false);
    setWidget(new QWidget);
}

void TRowScrollBox::FitToRows()
{
    QWidget* content = widget();
    const QList<QWidget*> controls = content->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
    int bottom = 0;
    for (const QWidget* control : controls) {
        if (!control->isHidden())
            bottom = std::max(bottom, control->geometry().bottom() + 1);
    }
    const QSize room = maximumViewportSize();
    const int width = room.width() - (bottom > room.height() ? verticalScrollBar()->sizeHint().width() : 0);
    int right = 0;
    for (QWidget* control : controls) {
        if (control->isHidden())
            continue;
        if (const QVariant gap = control->property(RightGap); gap.isValid()) {
            SetWidth(control, std::max(width - control->x() - gap.toInt(), control->minimumSizeHint().width()));
            continue;
        }
        if (!control->property(BuiltWidth).isValid())
            control->setProperty(BuiltWidth, control->width());
        const int built = control->property(BuiltWidth).toInt();
        const int fitted = std::max(std::min(built, width - control->x()), control->minimumSizeHint().width());
        if (fitted != control->width())
            SetWidth(control, fitted);
        right = std::max(right, control->x() + control->width());
    }
    content->resize(std::max(width, right), bottom);
}

void TRowScrollBox::AnchorRight(QWidget* control, int gap)
{
    control->setProperty(RightGap, gap);
}

void TRowScrollBox::resizeEvent(QResizeEvent* event)
{
    QScrollArea::resizeEvent(event);
    FitToRows();
}
