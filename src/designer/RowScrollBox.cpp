#include "designer/RowScrollBox.h"

#include "platform/widgets/Anchors.h"
#include "platform/widgets/WidgetUtils.h"

#include <QAbstractSpinBox>
#include <QChildEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QScrollBar>
#include <QVariant>
#include <algorithm>

namespace {

// The width a row control was built with, kept the first time the box
// narrows it.
const char* const BuiltWidth = "rigsmithBuiltWidth";

void SetWidth(QWidget* control, int width)
{
    if (control->minimumWidth() == control->maximumWidth())
        control->setFixedWidth(width);
    else
        control->resize(width, control->height());
}

int WidthBuilt(const QWidget* control)
{
    const QVariant built = control->property(BuiltWidth);
    return built.isValid() ? built.toInt() : control->width();
}

// The controls whose value the wheel steps.
bool StepsByWheel(const QObject* control)
{
    return qobject_cast<const QComboBox*>(control) || qobject_cast<const QAbstractSpinBox*>(control);
}

} // namespace

TRowScrollBox::TRowScrollBox(QWidget* parent) : QScrollArea(parent)
{
    setWidgetResizable(false);
    SetContent(new QWidget);
}

void TRowScrollBox::SetContent(QWidget* content)
{
    // A control tells its parent when it is polished, which is before it is
    // first shown and so before any wheel reaches it.
    content->installEventFilter(this);
    setWidget(content);
}

void TRowScrollBox::FitToRows()
{
    FFitPending = false;
    SizeToRows();
    widget()->show();
}

void TRowScrollBox::SizeToRows()
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
        if (control->isHidden() || (Anchors(control) & Qt::RightEdge))
            continue;
        const int built = WidthBuilt(control);
        int fitted = built;
        // Asked only of a control that does not fit: the size hint of a
        // list looks at every entry.
        if (control->x() + built > width)
            fitted = std::max(width - control->x(), std::min(built, control->minimumSizeHint().width()));
        if (fitted != control->width()) {
            if (!control->property(BuiltWidth).isValid())
                control->setProperty(BuiltWidth, control->width());
            SetWidth(control, fitted);
        }
        right = std::max(right, control->x() + fitted);
    }
    content->resize(std::max(width, right), bottom);
    ApplyAnchors(content);
}

void TRowScrollBox::RowsChanged()
{
    widget()->hide();
    if (FFitPending)
        return;
    FFitPending = true;
    QCoreApplication::postEvent(this, new QEvent(QEvent::LayoutRequest));
}

void TRowScrollBox::ReleaseRows(const QList<QWidget*>& kept)
{
    QWidget* rows = widget();
    auto* content = new QWidget;
    // As large as the old one until the box is fitted, so that the box keeps
    // its scroll position, which a new content resets.
    content->resize(rows->size());
    const QPoint scrolled(horizontalScrollBar()->value(), verticalScrollBar()->value());
    for (QWidget* control : kept) {
        const bool shown = !control->isHidden();
        control->setParent(content);
        control->setVisible(shown);
    }
    // Taken out of their parent one by one, thousands of controls would each
    // shift the rest of its list; released with it, they go at once.
    DeleteWidgets({rows});
    SetContent(content);
    horizontalScrollBar()->setValue(scrolled.x());
    verticalScrollBar()->setValue(scrolled.y());
    RowsChanged();
}

void TRowScrollBox::resizeEvent(QResizeEvent* event)
{
    QScrollArea::resizeEvent(event);
    FitToRows();
}

bool TRowScrollBox::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == widget()) {
        // Told when a control built inside is polished and when one polished
        // elsewhere is put in.
        if (event->type() == QEvent::ChildPolished) {
            QObject* control = static_cast<QChildEvent*>(event)->child();
            if (StepsByWheel(control)) {
                // The toolkit would give such a control the focus, and so
                // the wheel, as soon as a wheel turns over it.
                static_cast<QWidget*>(control)->setFocusPolicy(Qt::StrongFocus);
                control->installEventFilter(this);
            }
        }
    } else if (event->type() == QEvent::Wheel && StepsByWheel(watched)
               && !static_cast<QWidget*>(watched)->hasFocus()) {
        // The box scrolls instead.
        QCoreApplication::sendEvent(viewport(), event);
        return true;
    }
    return QScrollArea::eventFilter(watched, event);
}

bool TRowScrollBox::event(QEvent* event)
{
    if (event->type() == QEvent::LayoutRequest && FFitPending)
        FitToRows();
    return QScrollArea::event(event);
}
