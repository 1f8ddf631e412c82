#include "printing/SheetTexts.h"

#include "model/EnumTexts.h"
#include "model/Global.h"
#include "platform/Format.h"
#include "printing/PrintUtils.h"

#include <algorithm>
#include <optional>

QString WeaponCAMark(const TWeaponType& W)
{
    if (W.CA <= 0)
        return QString();
    return Format(QStringLiteral("(%d pt%s CA) "), {W.CA, W.CA_FP ? QStringLiteral(" FP") : QString()});
}

TWeaponEntry WeaponEntry(const QString& name, const TWeaponType& W)
{
    TWeaponEntry entry{name, PrinterWeaponLoc ? QStringLiteral(", ") + LocationToStr(W.Location) : QString(), {}, {}};
    if (W.SWC) {
        entry.Marks << QStringLiteral(" (SWC)");
        entry.ShortMarks << QStringLiteral(" SWC");
    }
    if (W.HRSWC) {
        entry.Marks << QStringLiteral(" (HRSWC)");
        entry.ShortMarks << QStringLiteral(" HRSWC");
    }
    if (W.CA > 0) {
        entry.Marks << WeaponCAMark(W);
        entry.ShortMarks << Format(QStringLiteral(" %d%s CA"), {W.CA, W.CA_FP ? QStringLiteral(" FP") : QString()});
    }
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

// A first line of the name, as much of the place as the line leaves room
// for and tail (the marks it holds): the place is cut at its end, or left
// out where not even its comma and an ellipsis fit.
QString WithPlaceCut(const QString& name, const QString& place, const QString& tail, int width)
{
    if (Fits(name + place + tail, width))
        return name + place + tail;
    const int room = width - Printer().Canvas().TextWidth(tail);
    if (!place.isEmpty() && room >= Printer().Canvas().TextWidth(name + place.left(1) + Ellipsis))
        return CutText(name + place, room) + tail;
    return name + tail;
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

namespace {

// A one-line entry keeps a row of paper between its letters and the rule
// below: brackets and descenders that would reach it lift the line as far as
// the rule above allows.
void PrintClearOfRules(TPlacedText placed, int rowTop)
{
    SetPrintFont(placed.Size, placed.Style);
    const TTextInk ink = Printer().Canvas().TextInk(placed.Text);
    const int lowest = ScaleY(rowTop + WeaponRowHeight) - 2;
    const int highest = ScaleY(rowTop) + 2;
    const int lift = std::min(placed.Place.Top + ink.Bottom - 1 - lowest, placed.Place.Top + ink.Top - highest);
    if (lift > 0) {
        placed.Place.Top -= lift;
        placed.Place.Bottom -= lift;
    }
    PrintPlacedText(placed);
}

} // namespace

void PrintWeaponEntry(const TWeaponEntry& entry, int X, int rowTop, int W, int leftRoom)
{
    const int y = rowTop + WeaponRowTextDrop;
    const QString whole = entry.Name + entry.Place + entry.Marks.join(QString());
    TPlacedText placed = PlaceFittedText(whole, X, y, W, 10, 0, false);
    if (placed.Text == whole) {
        PrintClearOfRules(placed, rowTop);
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
        PrintClearOfRules(placed, rowTop);
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
        placed.Text = ElideText(entry.Name, width);
        PrintClearOfRules(placed, rowTop);
        return;
    }
    const auto split = [&](const QStringList& from) -> std::optional<std::pair<QString, QString>> {
        for (qsizetype k = from.size() - 1; k > 0; --k) {
            const auto lines = BrokenBefore(from, k);
            if (Fits(lines.first, width) && Fits(lines.second, width))
                return lines;
        }
        return std::nullopt;
    };
    std::optional<std::pair<QString, QString>> lines = split(pieces);
    // Without the place, the marks whole, then in their shorter forms; the
    // place comes back cut on the first line where there is room for it.
    for (const QStringList& marks : {entry.Marks, entry.ShortMarks}) {
        if (lines)
            break;
        if (const auto broken = split(QStringList{entry.Name} + marks))
            lines = {WithoutTrailingBlanks(WithPlaceCut(entry.Name, entry.Place, broken->first.mid(entry.Name.size()), width)),
                     broken->second};
    }
    if (!lines) {
        // Not even that holds them: the name with the shorter marks the
        // first line holds, the rest on the second, cut at its end.
        const QStringList kept = QStringList{entry.Name} + entry.ShortMarks;
        qsizetype k = kept.size() - 1;
        while (k > 1 && !Fits(BrokenBefore(kept, k).first, width))
            --k;
        const auto broken = BrokenBefore(kept, k);
        lines = {ElideText(broken.first, width), ElideText(broken.second, width)};
    }
    // The two lines share what the row leaves between its rules evenly
    // above, between and below their letters.
    TPageCanvas& canvas = Printer().Canvas();
    const TTextInk first = canvas.TextInk(lines->first);
    const TTextInk second = canvas.TextInk(lines->second);
    const int top = ScaleY(rowTop) + 1;
    const int bottom = ScaleY(rowTop + WeaponRowHeight);
    const int gap = (bottom - top - first.Height() - second.Height()) / 3;
    const int left = ScaleX(X);
    canvas.TextOut(left, top + gap - first.Top, lines->first);
    canvas.TextOut(left, top + 2 * gap + first.Height() - second.Top, lines->second);
}
