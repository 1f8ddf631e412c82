#include "platform/widgets/Anchors.h"

#include <QEvent>
#include <QList>
#include <QPointer>
#include <QRect>
#include <QVariant>
#include <QWidget>
#include <algorithm>

namespace {

const char* const SidesProperty = "rigsmithAnchors";
// The distances of the control's right and bottom edges to its parent's.
const char* const GapsProperty = "rigsmithAnchorGaps";
// The parent's keeper of its anchored controls.
const char* const KeeperProperty = "rigsmithAnchorKeeper";

// Keeps the anchored controls of one parent in place when it is resized.
class TAnchorKeeper : public QObject
{
public:
    explicit TAnchorKeeper(QWidget* parent) : QObject(parent), FParent(parent)
    {
        parent->setProperty(KeeperProperty, QVariant::fromValue(static_cast<QObject*>(this)));
        parent->installEventFilter(this);
    }

    static TAnchorKeeper* Of(const QWidget* parent)
    {
        return static_cast<TAnchorKeeper*>(parent->property(KeeperProperty).value<QObject*>());
    }

    void Keep(QWidget* control)
    {
        if (!FControls.contains(control))
            FControls.append(control);
    }

    void Apply()
    {
        FControls.removeAll(nullptr);
        const QSize room = FParent->size();
        for (QWidget* control : std::as_const(FControls)) {
            if (control->parentWidget() == FParent)
                Place(control, room);
        }
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == FParent && event->type() == QEvent::Resize)
            Apply();
        return false;
    }

private:
    static void Place(QWidget* control, QSize room)
    {
        const Qt::Edges sides = Anchors(control);
        const QSize gaps = control->property(GapsProperty).toSize();
        QRect place = control->geometry();
        if (sides & Qt::RightEdge) {
            if (sides & Qt::LeftEdge)
                place.setWidth(std::max(room.width() - place.x() - gaps.width(), control->minimumWidth()));
            else
                place.moveLeft(room.width() - gaps.width() - place.width());
        }
        if (sides & Qt::BottomEdge) {
            if (sides & Qt::TopEdge)
                place.setHeight(std::max(room.height() - place.y() - gaps.height(), control->minimumHeight()));
            else
                place.moveTop(room.height() - gaps.height() - place.height());
        }
        if (place != control->geometry())
            control->setGeometry(place);
    }

    QWidget* FParent;
    QList<QPointer<QWidget>> FControls;
};

} // namespace

void SetAnchors(QWidget* control, Qt::Edges sides, QSize parentSize)
{
    control->setProperty(SidesProperty, static_cast<int>(sides));
    const QRect place = control->geometry();
    control->setProperty(GapsProperty, QSize(parentSize.width() - place.x() - place.width(),
                                             parentSize.height() - place.y() - place.height()));
    QWidget* parent = control->parentWidget();
    // Left and top alone need no keeping.
    if (!parent || !(sides & (Qt::RightEdge | Qt::BottomEdge)))
        return;
    TAnchorKeeper* keeper = TAnchorKeeper::Of(parent);
    if (!keeper)
        keeper = new TAnchorKeeper(parent);
    keeper->Keep(control);
}

void SetAnchors(QWidget* control, Qt::Edges sides)
{
    SetAnchors(control, sides, control->parentWidget() ? control->parentWidget()->size() : QSize());
}

Qt::Edges Anchors(const QWidget* control)
{
    const QVariant sides = control->property(SidesProperty);
    return sides.isValid() ? Qt::Edges(sides.toInt()) : Qt::Edges(Qt::LeftEdge | Qt::TopEdge);
}

void ApplyAnchors(QWidget* parent)
{
    if (TAnchorKeeper* keeper = TAnchorKeeper::Of(parent))
        keeper->Apply();
}
