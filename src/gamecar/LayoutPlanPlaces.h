#pragma once

#include <QRect>
#include <QVector>
#include <functional>
#include <optional>

// Places for texts round drawn parts: a text goes where nothing is drawn and
// no text placed before it lies, searched from where it would stand. The
// plan's component-armor list (in the plan's pixels) and the sheet's armor
// figures round the printed plan (in printer pixels) are placed with it.
class TTextPlaces
{
public:
    // drawnUnder tells whether anything is drawn within a rectangle.
    explicit TTextPlaces(std::function<bool(const QRect&)> drawnUnder);

    // Whether nothing is drawn in r and it meets no taken place.
    bool Free(const QRect& r) const;
    bool Drawn(const QRect& r) const;
    // Whether r meets a taken place.
    bool MeetsTaken(const QRect& r) const;
    void Take(const QRect& r);
    // Gives back every place taken after the first count.
    void KeepTaken(qsizetype count);
    qsizetype TakenCount() const { return FTaken.size(); }

private:
    std::function<bool(const QRect&)> FDrawnUnder;
    QVector<QRect> FTaken;
};

// The first position from `from` on to `last`, by step (down a lane), that
// accept takes.
std::optional<int> FirstAccepted(int from, int last, int step, const std::function<bool(int)>& accept);
// The shift nearest 0, at most reach either way, by step (up before down),
// that accept takes.
std::optional<int> NearestAccepted(int reach, int step, const std::function<bool(int)>& accept);
// The first place of that size within area, row by row from the top and
// left to right along each row, by step, that accept takes.
std::optional<QRect> FirstInReadingOrder(const QRect& area, const QSize& size, int step,
                                         const std::function<bool(const QRect&)>& accept);
