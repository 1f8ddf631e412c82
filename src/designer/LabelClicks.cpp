#include "designer/LabelClicks.h"

#include <QEvent>
#include <QLabel>

namespace {

class TLabelClicks : public QObject
{
public:
    TLabelClicks(QObject* parent, std::function<void()> onClick) : QObject(parent), FOnClick(std::move(onClick)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::MouseButtonRelease) {
            FOnClick();
            return true;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> FOnClick;
};

} // namespace

void ConnectLabelClick(QLabel* label, std::function<void()> onClick)
{
    label->installEventFilter(new TLabelClicks(label, std::move(onClick)));
    label->setCursor(Qt::PointingHandCursor);
}
