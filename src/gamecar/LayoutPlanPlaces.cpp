#include "gamecar/LayoutPlanPlaces.h"

#include <algorithm>
#include <utility>

TTextPlaces::TTextPlaces(std::function<bool(const QRect&)> drawnUnder) : FDrawnUnder(std::move(drawnUnder)) {}

bool TTextPlaces::Free(const QRect& r) const
{
    return !Drawn(r) && !MeetsTaken(r);
}

bool TTextPlaces::Drawn(const QRect& r) const
{
    return FDrawnUnder(r);
}

bool TTextPlaces::MeetsTaken(const QRect& r) const
{
    return std::any_of(FTaken.begin(), FTaken.end(), [&r](const QRect& taken) { return taken.intersects(r); });
}

void TTextPlaces::Take(const QRect& r)
{
    FTaken.append(r);
}

void TTextPlaces::KeepTaken(qsizetype count)
{
    FTaken.resize(std::min(count, FTaken.size()));
}

std::optional<int> FirstAccepted(int from, int last, int step, const std::function<bool(int)>& accept)
{
    for (int p = from; p <= last; p += step)
        if (accept(p))
            return p;
    return std::nullopt;
}

std::optional<int> NearestAccepted(int reach, int step, const std::function<bool(int)>& accept)
{
    for (int k = 0; k <= 2 * (reach / step); ++k) {
        const int shift = (k % 2 == 0 ? 1 : -1) * step * ((k + 1) / 2);
        if (accept(shift))
            return shift;
    }
    return std::nullopt;
}

std::optional<QRect> FirstInReadingOrder(const QRect& area, const QSize& size, int step,
                                         const std::function<bool(const QRect&)>& accept)
{
    for (int y = area.top(); y + size.height() - 1 <= area.bottom(); y += step)
        for (int x = area.left(); x + size.width() - 1 <= area.right(); x += step)
            if (const QRect r(QPoint(x, y), size); accept(r))
                return r;
    return std::nullopt;
}
