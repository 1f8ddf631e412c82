// The sections of the upper half of the record sheet: title, names, skills,
// figures, deceleration table, armor, tires and description. Several of them
// serve the duel sheet as well.

#include "printing/PrintForm.h"
#include "printing/PrintUtils.h"

#include "gamecar/GameCar.h"
#include "gamecar/LayoutPlan.h"
#include "gamecar/LayoutPlanPlaces.h"
#include "gamecar/OfficialDescription.h"
#include "model/Global.h"
#include "platform/Format.h"
#include "platform/Numbers.h"

#include <QVector>
#include <algorithm>
#include <numeric>

namespace {

constexpr int ValueRight = 1275;
// What the vehicle's name keeps free inside the title box, at either end and
// above it.
constexpr int TitleMargin = 40;

void PrintTitle(const QString& text, int X, int Y)
{
    PrintText(text, X, Y, 10, fsBold, false);
}

void PrintLabel(const QString& text, int X, int y)
{
    PrintText(text, X + 75, y, 10, 0, false);
}

// A figure whose right edge stands at X + 1275. The canvas returns to left
// alignment at once, so that the next row's label starts at its left edge.
void PrintValue(const QString& text, int X, int y)
{
    TPageCanvas& canvas = Printer().Canvas();
    canvas.SetTextAlign(TTextAlign::taRight);
    PrintText(text, X + ValueRight, y, 10, 0, false);
    canvas.SetTextAlign(TTextAlign::taLeft);
}

void SetCanvasFont(const QString& name, int size)
{
    TCanvasFont& font = Printer().Canvas().Font;
    font.Name = name;
    font.Size = ScaleFontSize(size);
    font.Style = fsBold;
    font.PixelsPerInch = Printer().PixelsPerInchY();
}

void TextOutCentred(int centre, int y, const QString& text)
{
    TPageCanvas& canvas = Printer().Canvas();
    canvas.TextOut(centre - canvas.TextWidth(text) / 2, y, text);
}

// One side's armor as its armor kind counts it.
QString ArmorValue(TArmorKind kind, int plastic, int metal)
{
    switch (kind) {
    case akPlastic:
        return Format(QStringLiteral("%d"), {plastic});
    case akMetal:
        return Format(QStringLiteral("%d"), {metal});
    case akComposite:
        break;
    }
    return Format(QStringLiteral("%d/%d"), {metal, plastic});
}

QString ArmorTypeText(const TVehicle& V)
{
    QString a = QStringLiteral("Standard");
    if (V.Sloped)
        a += QStringLiteral(", Sloped");
    if (V.Armor.FP)
        a += QStringLiteral(", FP");
    if (V.Armor.LR)
        a += QStringLiteral(", LR");
    if (V.ArmorKind() == akMetal)
        a += QStringLiteral(", Metal");
    else if (V.ArmorKind() == akComposite)
        a += QStringLiteral(", Composite");
    // Only the options are named once there are any.
    if (a.size() > 8)
        a.remove(0, 10);
    return a;
}

// Whether a line may break after the character at p: after a blank, a
// comma, a hyphen, a full stop or a semicolon, but never inside a number, so
// that "5,273 lbs" is not read as "5," and "273 lbs", nor "-1" as "-" and "1",
// nor "$ 9,160" as "$" and a bare "9,160", nor "10-point" as "10-" and
// "point".
bool IsBreakPoint(const QString& line, qsizetype p)
{
    const QChar c = line[p];
    const bool digitBefore = p > 0 && line[p - 1].isDigit();
    const bool digitAfter = p + 1 < line.size() && line[p + 1].isDigit();
    if (c == QLatin1Char(',') || c == QLatin1Char('.'))
        return !(digitBefore && digitAfter);
    if (c == QLatin1Char('-'))
        return !digitAfter && !digitBefore;
    if (c == QLatin1Char(' '))
        return !(p > 0 && line[p - 1] == QLatin1Char('$') && digitAfter);
    return c == QLatin1Char(';');
}

// Where the description's closing figures start (acceleration, top speed,
// handling class, weight and cost), -1 when the line has none.
qsizetype FiguresStart(const QString& line)
{
    const qsizetype p = line.lastIndexOf(QLatin1String(", Accel. "));
    return p < 0 ? -1 : p + 2;
}

} // namespace

void TfrmPrint::PrintTitleBlock(int X, int Y, int W)
{
    TVehicle& V = *FCar->Vehicle;
    PrintRect(X, Y, W, 514);
    const int centre = ScaleX(X) + ScaleX(W) / 2;
    const int authorTop = ScaleY(Y) + ScaleY(300);
    const int highest = ScaleY(Y) + ScaleY(TitleMargin);
    const int limit = ScaleX(W - 2 * TitleMargin);
    // The name keeps inside its box and clear of the author line below it:
    // its letters rise towards the box's top as far as its descenders need,
    // and a name too wide, or whose letters reach too high and low, even so
    // is printed smaller, down to the readable size, then cut. What the
    // letters ink counts, not the font's whole line.
    SetCanvasFont(PrintFont ? QStringLiteral("StopD") : QStringLiteral("Courier New"), 30);
    TPageCanvas& canvas = Printer().Canvas();
    const auto fits = [&](int) {
        return canvas.TextWidth(V.Name) <= limit && canvas.TextInk(V.Name).Height() <= authorTop - highest;
    };
    ShrinkToFit(30, ReadableFontSize, fsBold, fits);
    const QString name = ElideText(V.Name, limit);
    TextOutCentred(centre, std::min(ScaleY(Y) + ScaleY(50), authorTop - canvas.TextInk(name).Bottom), name);
    SetCanvasFont(QStringLiteral("MS Sans Serif"), 8);
    TextOutCentred(centre, authorTop, V.Author);
    TextOutCentred(centre, ScaleY(Y) + ScaleY(400), Format(QStringLiteral("- %d -"), {V.GetYear(YearList)}));
}

void TfrmPrint::PrintNames(int X, int Y, int W)
{
    PrintRect(X, Y, W, 200);
    PrintRect(X + W / 2, Y, 2, 200);
    PrintTitle(QStringLiteral("Player Name:"), X, Y);
    PrintTitle(QStringLiteral("Driver Name:"), X + W / 2, Y);
}

void TfrmPrint::PrintDriverSkills(int X, int Y, int W)
{
    PrintRect(X, Y, W, 459);
    PrintTitle(QStringLiteral("Driver Skills:"), X, Y);
}

void TfrmPrint::PrintGunnerSkills(int X, int Y, int W)
{
    PrintRect(X, Y, W, 459);
    PrintTitle(QStringLiteral("Gunner Skills:"), X, Y + 20);
}

void TfrmPrint::PrintBasicInfo(int X, int Y, int W)
{
    TVehicle& V = *FCar->Vehicle;
    PrintRect(X, Y, W, 730);
    PrintTitle(QStringLiteral("Basic Info"), X, Y);

    PrintLabel(QStringLiteral("Size:"), X, Y + 120);
    PrintValue(V.Body.Name, X, Y + 120);
    PrintLabel(QStringLiteral("Chassis:"), X, Y + 220);
    PrintValue(V.Chassis.Name, X, Y + 220);
    PrintLabel(QStringLiteral("Suspension:"), X, Y + 320);
    PrintValue(V.Suspension.Name, X, Y + 320);

    PrintLabel(QStringLiteral("Weight:"), X, Y + 420);
    const int weight = V.GetWeight(WeightList);
    PrintValue(Format(QStringLiteral("%d/%d"), {weight, V.MaxWeight}), X, Y + 420);

    PrintLabel(QStringLiteral("Cost:"), X, Y + 520);
    PrintValue(Format(QStringLiteral("$%d"), {V.GetCost(CostList)}), X, Y + 520);

    PrintLabel(QStringLiteral("Space:"), X, Y + 620);
    const int spaceLeft = V.GetSpace(SpaceList);
    const QString cargo = V.GetCargoSpace() != 0 ? Format(QStringLiteral("+ %d"), {V.CargoSpace}) : QString();
    PrintValue(Format(QStringLiteral("%d/%d %s"), {spaceLeft, V.Body.Space, cargo}), X, Y + 620);
}

void TfrmPrint::PrintPerformance(int X, int Y, int W, int H, bool ShowHC)
{
    TVehicle& V = *FCar->Vehicle;
    PrintRect(X, Y, W, H);
    PrintTitle(QStringLiteral("Basic Performance:"), X, Y);
    const auto row = [X](const char* label, int y, int value) {
        PrintLabel(QString::fromLatin1(label), X, y);
        PrintValue(Format(QStringLiteral("%3d"), {value}), X, y);
    };
    if (ShowHC)
        row("Handling Class:", Y + 120, V.GetHC());
    const int b = ShowHC ? Y + 220 : Y + 110;
    row("Acceleration:", b, V.GetAcceleration());
    row("Forward Top Speed:", b + 100, V.GetTopSpeed());
    row("Reverse Top Speed:", b + 200, V.GetReverseSpeed());
    row("Cruising Speed:", b + 300, V.GetCruisingSpeed());
    row("Range:", b + 400, V.GetRange());
    if (!ShowHC)
        row("Power Units:", b + 500, V.PowerCellEngine.Power > 0 ? V.PowerCellEngine.Power : V.GasEngine.Power);
}

void TfrmPrint::PrintHandling(int X, int Y, int W)
{
    TVehicle& V = *FCar->Vehicle;
    PrintRect(X, Y, W, 420);
    PrintTitle(QStringLiteral("Handling:"), X, Y);
    const int hc = V.GetHC();
    const int offroad = V.TiresFront.OffRoad && V.TiresRear.OffRoad ? hc + 1 : hc;
    PrintLabel(QStringLiteral("Normal HC:"), X, Y + 120);
    PrintValue(Format(QStringLiteral("%3d"), {hc}), X, Y + 120);
    PrintLabel(QStringLiteral("Offroad HC:"), X, Y + 220);
    PrintValue(Format(QStringLiteral("%3d"), {offroad}), X, Y + 220);
    PrintLabel(QStringLiteral("HC Regain:"), X, Y + 320);
    PrintValue(Format(QStringLiteral("%3d"), {V.Suspension.HC}), X, Y + 320);
}

void TfrmPrint::PrintDecelerationTable(int X, int Y, int W)
{
    TVehicle& V = *FCar->Vehicle;
    PrintRect(X, Y, W, 1041);
    PrintTitle(QStringLiteral("Deceleration Difficulty & Damage"), X, Y);

    // Accessory 5 lets the vehicle brake 5 mph harder at every difficulty.
    TEquipmentType accessory;
    V.GetEquipment(5, accessory);
    const int slowest = accessory.Installed ? 15 : 10;
    static const char* const Difficulties[] = {"safe", "D1", "D2", "D3", "D5", "D7", "D9", "D11", "impossible"};
    static const char* const Damages[] = {"2", "1d", "1d+3"};
    for (int i = 0; i < 9; ++i) {
        const int y = Y + 120 + 100 * i;
        PrintText(Format(QStringLiteral("%d mph"), {slowest + 5 * i}), X + 75, y, 10, 0, false);
        PrintText(QString::fromLatin1(Difficulties[i]), X + 650, y, 10, 0, false);
    }
    for (int i = 0; i < 3; ++i)
        PrintText(QString::fromLatin1(Damages[i]), X + 1050, Y + 620 + 100 * i, 10, 0, false);
}

void TfrmPrint::PrintArmor(int X, int Y, int W)
{
    const TVehicle& V = *FCar->Vehicle;
    const TArmor& a = V.Armor;
    const TArmorKind kind = V.ArmorKind();
    const int middle = X + W / 2;
    const int left = X + 200;
    const int right = X + W - 200;
    // The side columns keep to the plan's margins; the centred rows keep
    // clear of the side columns.
    const int sideWidth = 2 * 200 - 2 * FieldMargin;
    const int centreWidth = W - 4 * 200;
    const bool pod = V.EWP > 0 && !V.EWPR;
    // The figures as they are placed, each with its rank in the order in
    // which the sheet writes them: front, left, right, top, under, back,
    // pod, type line.
    QVector<TPlacedText> texts;
    QVector<int> ranks;
    const auto add = [&](int rank, const TPlacedText& text) {
        texts << text;
        ranks << rank;
    };
    const auto drawnUnder = [this](const TPlacedText& text) {
        return DrawnUnder(FLayoutPicture, PlanX, PlanY, PlanFactor, text.Place);
    };
    const auto overlapsAny = [&texts](const TPlacedText& text) {
        return std::any_of(texts.begin(), texts.end(), [&text](const TPlacedText& other) {
            return text.Place.Left < other.Place.Right && other.Place.Left < text.Place.Right
                && text.Place.Top < other.Place.Bottom && other.Place.Top < text.Place.Bottom;
        });
    };

    // The centred rows stand at their places.
    add(0, PlaceFittedText(QStringLiteral("Front Armor:"), middle, Y + 40, centreWidth, 12, fsBold, true));
    add(1, PlaceFittedText(ArmorValue(kind, a.Front, a.FrontM), middle, Y + 140, centreWidth, 12, fsBold, true));
    if (!pod)
        add(10, PlaceFittedText(QStringLiteral("Back: ") + ArmorValue(kind, a.Back, a.BackM), middle, Y + 2020,
                                centreWidth, 12, fsBold, true));
    // The type line comes below the centred back row and keeps clear of the
    // back and pod figures beside it (up to 200 either side of theirs).
    add(14, PlaceFittedText(Format(QStringLiteral("Armor Type: %s"), {ArmorTypeText(V)}), middle, Y + 2120,
                            pod ? centreWidth : W, 10, 0, true));

    // A side column's label with its value on the next row, at their place
    // when the plan leaves it free. Where the plan has drawn there (wheel
    // guards and hubcaps whose boxes a player ticks, pods, the list of
    // component armor), they go to the nearest free place up or down the
    // column, centred on it or against the frame's outer edge, in size 12 or
    // a little smaller.
    constexpr int MaxShift = 400;
    constexpr int ShiftStep = 20;
    constexpr int SmallestSideSize = 7;
    // The lines of the plan's component-armor list, where the printed plan
    // has them, and how far down each side of the frame they reach (layout
    // units, 0 where none).
    const auto qrect = [](const TRect& r) { return QRect(QPoint(r.Left, r.Top), QPoint(r.Right - 1, r.Bottom - 1)); };
    TTextPlaces listPlaces([this](const QRect& r) {
        return DrawnUnder(FLayoutPicture, PlanX, PlanY, PlanFactor, TRect{r.left(), r.top(), r.right() + 1, r.bottom() + 1});
    });
    int listBottom[2] = {0, 0};
    for (const TCAListText& line : ComponentArmorList(*FCar, FLayoutPicture.Width(), FLayoutPicture.Height())) {
        const QRect r = line.Place;
        listPlaces.Take(qrect(TRect{ScaleX(PlanX + PlanFactor * r.left()), ScaleY(PlanY + PlanFactor * r.top()),
                                    ScaleX(PlanX + PlanFactor * (r.right() + 1)),
                                    ScaleY(PlanY + PlanFactor * (r.bottom() + 1))}));
        int& bottom = listBottom[r.center().x() < FLayoutPicture.Width() / 2 ? 0 : 1];
        bottom = std::max(bottom, PlanY + PlanFactor * (r.bottom() + 1));
    }
    const auto onList = [&](const TRect& place) { return listPlaces.MeetsTaken(qrect(place)); };
    // The side columns run from just below the frame's top to its bottom.
    constexpr int ColumnTop = 45;
    constexpr int ColumnBottom = 2210;
    const int highest = ScaleY(Y + ColumnTop);
    const int lowest = ScaleY(Y + ColumnBottom);
    struct TSidePair
    {
        int Rank;
        QString Label;
        QString Value;
        int Y;
    };
    // A column's figures keep their order down it: each pair starts below
    // the one placed before it.
    int columnFloor = 0;
    const auto sidePair = [&](const TSidePair& pair, bool leftColumn, int largest, bool clearOfPlan, int maxShift) {
        const int x = leftColumn ? left : right;
        const auto place = [&](int size, int shift, bool outer) {
            QVector<TPlacedText> both{
                PlaceFittedText(pair.Label, x, pair.Y + shift, sideWidth, size, fsBold, true),
                PlaceFittedText(pair.Value, x, pair.Y + shift + 100 * size / 12, sideWidth, size, fsBold, true)};
            if (outer) {
                for (TPlacedText& text : both) {
                    const int dx = leftColumn ? ScaleX(X + 2 * FieldMargin) - text.Place.Left
                                              : ScaleX(X + W - 2 * FieldMargin) - text.Place.Right;
                    text.Place.Left += dx;
                    text.Place.Right += dx;
                }
            }
            return both;
        };
        // A free place keeps a field's margin of air beside the plan.
        const int air = ScaleX(FieldMargin);
        const auto free = [&](const QVector<TPlacedText>& both) {
            return std::none_of(both.begin(), both.end(), [&](const TPlacedText& text) {
                TPlacedText wider = text;
                wider.Place.Left -= air;
                wider.Place.Right += air;
                return text.Place.Top < std::max(highest, columnFloor) || text.Place.Bottom > lowest
                    || (clearOfPlan && drawnUnder(wider)) || onList(wider.Place) || overlapsAny(text);
            });
        };
        for (int size = largest; size >= largest - 2; --size) {
            QVector<TPlacedText> both;
            const auto shift = NearestAccepted(maxShift, ShiftStep, [&](int shift) {
                for (const bool outer : {false, true}) {
                    both = place(size, shift, outer);
                    if (free(both))
                        return true;
                }
                return false;
            });
            if (shift) {
                add(pair.Rank, both[0]);
                add(pair.Rank + 1, both[1]);
                columnFloor = both[1].Place.Bottom;
                return true;
            }
        }
        return false;
    };
    // Where a list fills the sides, a pair takes the first place inside the
    // frame below the pair before it, in reading order, that is clear of the list and of the other
    // figures, clear of the plan where it can, else with a field over the
    // plan behind it.
    const auto anywhere = [&](const TSidePair& pair, bool leftColumn, int& floor) {
        const int x = leftColumn ? left : right;
        const QRect frame(QPoint(ScaleX(X + 2 * FieldMargin), std::max(floor, ScaleY(Y + ColumnTop))),
                          QPoint(ScaleX(X + W - 2 * FieldMargin) - 1, ScaleY(Y + ColumnBottom) - 1));
        for (const bool overPlan : {false, true})
        for (int size = 12; size >= SmallestSideSize; --size) {
            QVector<TPlacedText> both{
                PlaceFittedText(pair.Label, x, pair.Y, sideWidth, size, fsBold, true),
                PlaceFittedText(pair.Value, x, pair.Y + 100 * size / 12, sideWidth, size, fsBold, true)};
            const QRect box = qrect(both[0].Place).united(qrect(both[1].Place));
            const int air = ScaleX(FieldMargin);
            const auto moved = [&](const QRect& r) {
                QVector<TPlacedText> at = both;
                for (TPlacedText& text : at) {
                    const int dx = r.left() - box.left();
                    const int dy = r.top() - box.top();
                    text.Place = TRect{text.Place.Left + dx, text.Place.Top + dy, text.Place.Right + dx,
                                       text.Place.Bottom + dy};
                }
                return at;
            };
            const std::optional<QRect> found =
                FirstInReadingOrder(frame, box.size(), std::max(1, ScaleY(ShiftStep)), [&](const QRect& r) {
                    const QVector<TPlacedText> at = moved(r);
                    return std::none_of(at.begin(), at.end(), [&](const TPlacedText& text) {
                        TPlacedText wider = text;
                        wider.Place.Left -= air;
                        wider.Place.Right += air;
                        return onList(wider.Place) || overlapsAny(text) || (!overPlan && drawnUnder(wider));
                    });
                });
            if (found) {
                const QVector<TPlacedText> at = moved(*found);
                add(pair.Rank, at[0]);
                add(pair.Rank + 1, at[1]);
                floor = at[1].Place.Bottom;
                return true;
            }
        }
        return false;
    };
    // A column's pairs are placed together, in their order down it: where
    // the plan leaves too little room for all of them in size 12, they are
    // printed smaller, down to size 7, before any goes over the plan; then
    // the nearest places clear of the other figures and of the
    // component-armor list are taken, over the plan with a field behind
    // them, then such places anywhere up or down the column; only where not
    // even that is left do they stay at their places.
    const auto sideColumn = [&](const QVector<TSidePair>& pairs, bool leftColumn) {
        const qsizetype before = texts.size();
        const auto undo = [&] {
            texts.resize(before);
            ranks.resize(before);
        };
        for (const int pass : {0, 1, 2}) {
            for (int largest = 12; largest - 2 >= SmallestSideSize; --largest) {
                columnFloor = 0;
                if (std::all_of(pairs.begin(), pairs.end(), [&](const TSidePair& pair) {
                        return sidePair(pair, leftColumn, largest, pass == 0,
                                        pass < 2 ? MaxShift : ColumnBottom - ColumnTop);
                    }))
                    return;
                undo();
            }
        }
        int floor = 0;
        for (const TSidePair& pair : pairs) {
            if (anywhere(pair, leftColumn, floor))
                continue;
            const int x = leftColumn ? left : right;
            add(pair.Rank, PlaceFittedText(pair.Label, x, pair.Y, sideWidth, 12, fsBold, true));
            add(pair.Rank + 1, PlaceFittedText(pair.Value, x, pair.Y + 100, sideWidth, 12, fsBold, true));
        }
    };

    // A column's figures start below the component-armor list where it
    // reaches them; those that would then end below the frame find their
    // places further up, in smaller print where they must.
    const auto belowList = [&](QVector<int> rows, int bottom) {
        if (bottom > 0) {
            int next = bottom + 20;
            for (int& row : rows) {
                row = std::max(row, next);
                next = row + 220;
            }
            // Below a list that fills the column they stay inside the frame.
            int last = Y + ColumnBottom - 200;
            for (auto row = rows.rbegin(); row != rows.rend(); ++row) {
                *row = std::min(*row, last);
                last = *row - 220;
            }
        }
        return rows;
    };
    QVector<int> leftRows{Y + 500, Y + 1300};
    QVector<int> rightRows{Y + 500, Y + 1300};
    if (pod) {
        leftRows << Y + 2000;
        rightRows << Y + 2000;
    }
    leftRows = belowList(leftRows, listBottom[0]);
    rightRows = belowList(rightRows, listBottom[1]);
    QVector<TSidePair> leftPairs{{2, QStringLiteral("Left:"), ArmorValue(kind, a.Left, a.LeftM), leftRows[0]},
                                 {6, QStringLiteral("Top:"), ArmorValue(kind, a.Top, a.TopM), leftRows[1]}};
    QVector<TSidePair> rightPairs{{4, QStringLiteral("Right:"), ArmorValue(kind, a.Right, a.RightM), rightRows[0]},
                                  {8, QStringLiteral("Under:"), ArmorValue(kind, a.Bottom, a.BottomM), rightRows[1]}};
    // A plain pod has armor of its own, shown beside the back's.
    if (pod) {
        leftPairs.append({10, QStringLiteral("Back:"), ArmorValue(kind, a.Back, a.BackM), leftRows[2]});
        rightPairs.append({12, QStringLiteral("EWP:"), Format(QStringLiteral("%d"), {a.EWP}), rightRows[2]});
    }
    sideColumn(leftPairs, true);
    sideColumn(rightPairs, false);

    // Where the plan has drawn something under a figure still, a white field
    // behind it keeps it readable; the fields come first, so that none
    // covers a neighbour's descenders.
    for (const TPlacedText& text : texts)
        if (drawnUnder(text))
            PrintField(text.Place);
    QVector<qsizetype> order(texts.size());
    std::iota(order.begin(), order.end(), 0);
    std::sort(order.begin(), order.end(), [&ranks](qsizetype i, qsizetype j) { return ranks[i] < ranks[j]; });
    for (const qsizetype i : order)
        PrintPlacedText(texts[i]);
}

void TfrmPrint::PrintTires(int X, int Y, int W)
{
    const TVehicle& V = *FCar->Vehicle;
    PrintRect(X, Y, W, 320);
    PrintTitle(QStringLiteral("Tires:"), X, Y);
    PrintLabel(Format(QStringLiteral("Front: %s"), {V.TiresFront.Name}), X, Y + 120);
    PrintLabel(Format(QStringLiteral("Rear: %s"), {V.TiresRear.Name}), X, Y + 220);
}

void TfrmPrint::PrintDescription(int X, int Y, int W, int H, bool WithHeader)
{
    PrintRect(X, Y, W, H);
    QString text;
    OfficialDescription(*FCar->Vehicle, WithHeader, text);
    QStringList lines = text.split(QStringLiteral("\r\n"));
    // A closing line break ends the last line; it starts no empty one.
    if (lines.size() > 1 && lines.last().isEmpty())
        lines.removeLast();
    const int limit = ScaleX(Round(W * 0.98L));
    const int width = ScaleX(W);
    const int bottom = ScaleY(Y + H);
    TPageCanvas& canvas = Printer().Canvas();

    // The lines as the text breaks in the canvas font, each with its offset
    // below Y: broken lines follow 9 tenths of the size in points apart, the
    // lines of the text a whole size (90 and 100 at size 10).
    struct TPrintedLine
    {
        QString Text;
        int Offset;
    };
    QVector<TPrintedLine> printed;
    const auto breakLines = [&](const QStringList& source, int size) {
        printed.clear();
        int y = 0;
        // The first line holds the header, or nothing when there is none.
        for (qsizetype l = 1; l < source.size(); ++l) {
            const QString& line = source[l];
            qsizetype start = 0;
            for (qsizetype i = 0; i < line.size(); ++i) {
                if (i < start || ScaleFontSize(canvas.TextWidth(line.mid(start, i + 1 - start))) < limit)
                    continue;
                qsizetype p = i;
                while (p >= start && !IsBreakPoint(line, p))
                    --p;
                // Without a place to break, the line runs on.
                if (p < start)
                    continue;
                printed.append({line.mid(start, p + 1 - start).trimmed(), y});
                y += 9 * size;
                start = p + 1;
                while (start < line.size() && line[start] == QLatin1Char(' '))
                    ++start;
            }
            const QString rest = line.mid(start).trimmed();
            if (!rest.isEmpty())
                printed.append({rest, y});
            y += 10 * size;
        }
    };
    const auto above = [&](const TPrintedLine& line) {
        return ScaleY(Y + line.Offset) + canvas.TextHeight(line.Text) <= bottom;
    };
    const auto fitsAs = [&](const QStringList& source, int size) {
        breakLines(source, size);
        return std::all_of(printed.begin(), printed.end(), [&](const TPrintedLine& line) {
            return above(line) && canvas.TextWidth(line.Text) <= width;
        });
    };
    // A long description is printed smaller until it fits its box, so that
    // it never runs on under the next section.
    const int size = ShrinkToFit(10, ReadableFontSize, 0, [&](int s) { return fitsAs(lines, s); });
    const auto allAbove = [&](const QStringList& source) {
        breakLines(source, size);
        return std::all_of(printed.begin(), printed.end(), above);
    };
    if (!fitsAs(lines, size) && !allAbove(lines)) {
        // Even the smallest print does not hold it: the parts list is cut
        // short, with an ellipsis, and the closing figures and the lines
        // after them are kept, with as many words of the list as the box
        // holds.
        const qsizetype figures = lines.size() > 1 ? FiguresStart(lines[1]) : -1;
        if (figures > 0) {
            const QString parts = lines[1].left(figures);
            const QString tail = lines[1].mid(figures);
            QVector<qsizetype> cuts{0};
            for (qsizetype p = 0; p < parts.size(); ++p)
                if (parts[p] == QLatin1Char(' '))
                    cuts << p;
            QStringList cut = lines;
            const auto keep = [&](qsizetype n) {
                QString head = parts.left(cuts[n]).trimmed();
                while (head.endsWith(QLatin1Char(',')))
                    head.chop(1);
                cut[1] = head + Ellipsis + QStringLiteral(", ") + tail;
                return allAbove(cut);
            };
            // The most words that fit, found by halving.
            qsizetype lo = 0;
            qsizetype hi = cuts.size() - 1;
            while (lo < hi) {
                const qsizetype mid = (lo + hi + 1) / 2;
                if (keep(mid))
                    lo = mid;
                else
                    hi = mid - 1;
            }
            if (keep(lo))
                lines = cut;
        }
    }
    if (!fitsAs(lines, size)) {
        // What still reaches below the box is left out, the last line kept
        // ending with an ellipsis; a line without a place to break is cut.
        const auto first = std::find_if_not(printed.begin(), printed.end(), above);
        const bool cut = first != printed.end();
        printed.erase(first, printed.end());
        for (TPrintedLine& line : printed)
            line.Text = ElideText(line.Text, width);
        if (cut && !printed.isEmpty())
            printed.last().Text = CutText(printed.last().Text, width);
    }
    for (const TPrintedLine& line : printed)
        PrintText(line.Text, X, Y + line.Offset, size, 0, false);
}
