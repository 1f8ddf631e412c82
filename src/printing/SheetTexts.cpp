#include "printing/SheetTexts.h"

#include "model/EnumTexts.h"
#include "model/Global.h"
#include "platform/Format.h"
#include "printing/PrintUtils.h"

QString WeaponCAMark(const TWeaponType& W)
{
    if (W.CA <= 0)
        return QString();
    return Format(QStringLiteral("(%d pt%s CA) "), {W.CA, W.CA_FP ? QStringLiteral(" FP") : QString()});
}

TWeaponEntry WeaponEntry(const QString& name, const TWeaponType& W)
{
    TWeaponEntry entry{name, PrinterWeaponLoc ? QStringLiteral(", ") + LocationToStr(W.Location) : QString(), {}};
    if (W.SWC)
        entry.Marks << QStringLiteral(" (SWC)");
    if (W.HRSWC)
        entry.Marks << QStringLiteral(" (HRSWC)");
    if (W.CA > 0)
        entry.Marks << WeaponCAMark(W);
    return entry;
}

QString WeaponAmmoText(const TWeaponType& W)
{
    if (W.Shots <= 0)
        return QStringLiteral("--");
    const int shots = W.ExtraAmmo ? CheckedMul(W.Shots, 2) : W.Shots;
    if (!W.Ammo.isEmpty() && W.Ammo != QLatin1String("-"))
        return Format(QStringLiteral("%d %s"), {shots, W.Ammo});
    return Format(QStringLiteral("%d"), {shots});
}

QString ShotsText(int shots)
{
    return shots > 0 ? Format(QStringLiteral("%d"), {shots}) : QStringLiteral("--");
}

namespace {

// The text without the blanks that end it: at a line's end they take no room.
QString WithoutTrailingBlanks(QString text)
{
    while (text.endsWith(QLatin1Char(' ')))
        text.chop(1);
    return text;
}

bool Fits(const QString& text, int width)
{
    return Printer().Canvas().TextWidth(text) <= width;
}

// A first line of name and place followed by tail (the marks it holds), cut
// where it must be to keep within width printer pixels in the canvas font:
// the place's end first, then the name's; where not even the marks leave
// room for the name's first letter, the place is left out and the line is
// cut at its end, so that the name stays whole.
QString CutFirstLine(const QString& name, const QString& place, const QString& tail, int width)
{
    if (Fits(name + place + tail, width))
        return name + place + tail;
    const int room = width - Printer().Canvas().TextWidth(tail);
    if (!place.isEmpty() && room >= Printer().Canvas().TextWidth(name + Ellipsis))
        return CutText(name + place, room) + tail;
    if (room >= Printer().Canvas().TextWidth(name.left(1) + Ellipsis))
        return CutText(name, room) + tail;
    return CutText(name + tail, width);
}

// The two lines of an entry broken before piece k (1 to the last piece): a
// place that starts the second line leaves its comma on the first, and the
// second line starts without a blank.
std::pair<QString, QString> BrokenBefore(const QStringList& pieces, qsizetype k)
{
    QString first = pieces.mid(0, k).join(QString());
    QString second = pieces.mid(k).join(QString());
    if (second.startsWith(QLatin1Char(','))) {
        first += QLatin1Char(',');
        second.remove(0, 1);
    }
    return {WithoutTrailingBlanks(first), WithoutTrailingBlanks(second.trimmed())};
}

} // namespace

void PrintWeaponEntry(const TWeaponEntry& entry, int X, int rowTop, int W, int leftRoom)
{
    const int y = rowTop + WeaponRowTextDrop;
    const QString whole = entry.Name + entry.Place + entry.Marks.join(QString());
    TPlacedText placed = PlaceFittedText(whole, X, y, W, 10, 0, false);
    if (placed.Text == whole) {
        PrintPlacedText(placed);
        return;
    }
    // Too wide even in the smallest print: the entry reaches into its
    // cell's left margin, where the blank that ends a component-armor mark
    // takes no room.
    const QString kept = WithoutTrailingBlanks(whole);
    X -= leftRoom;
    W += leftRoom;
    placed = PlaceFittedText(kept, X, y, W, 10, 0, false);
    if (placed.Text == kept) {
        PrintPlacedText(placed);
        return;
    }
    // The font is left at the smallest size. Two lines: the most of the
    // pieces on the first that lets each line hold its pieces whole.
    const int width = ScaleX(W);
    QStringList pieces{entry.Name};
    if (!entry.Place.isEmpty())
        pieces << entry.Place;
    pieces << entry.Marks;
    if (pieces.size() == 1) {
        placed.Text = CutFirstLine(entry.Name, QString(), QString(), width);
        PrintPlacedText(placed);
        return;
    }
    qsizetype k = pieces.size() - 1;
    const auto bothFit = [&](qsizetype at) {
        const auto [first, second] = BrokenBefore(pieces, at);
        return Fits(first, width) && Fits(second, width);
    };
    while (k > 0 && !bothFit(k))
        --k;
    std::pair<QString, QString> lines;
    if (k > 0) {
        lines = BrokenBefore(pieces, k);
    } else {
        // Two lines cannot hold every piece whole: the second takes as many
        // marks as it holds, the first line gives way.
        k = 1;
        while (k < pieces.size() - 1 && !Fits(BrokenBefore(pieces, k).second, width))
            ++k;
        lines = BrokenBefore(pieces, k);
        const bool placeFirst = !entry.Place.isEmpty() && k >= 2;
        const qsizetype firstMark = placeFirst ? 2 : 1;
        const QString tail = WithoutTrailingBlanks(pieces.mid(firstMark, k - firstMark).join(QString()));
        if (!Fits(lines.first, width))
            lines.first = CutFirstLine(entry.Name, placeFirst ? entry.Place : QString(), tail, width);
        lines.second = ElideText(lines.second, width);
    }
    // The two lines share what the row leaves between its rules evenly
    // above, between and below their letters.
    TPageCanvas& canvas = Printer().Canvas();
    const TTextInk first = canvas.TextInk(lines.first);
    const TTextInk second = canvas.TextInk(lines.second);
    const int top = ScaleY(rowTop) + 1;
    const int bottom = ScaleY(rowTop + WeaponRowHeight);
    const int gap = (bottom - top - first.Height() - second.Height()) / 3;
    const int left = ScaleX(X);
    canvas.TextOut(left, top + gap - first.Top, lines.first);
    canvas.TextOut(left, top + 2 * gap + first.Height() - second.Top, lines.second);
}
