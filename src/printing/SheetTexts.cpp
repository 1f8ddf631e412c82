#include "printing/SheetTexts.h"

#include "model/EnumTexts.h"
#include "model/Global.h"
#include "platform/Format.h"
#include "printing/PrintUtils.h"

QString WeaponLocationText(const TWeaponType& W)
{
    return PrinterWeaponLoc ? QStringLiteral(", ") + LocationToStr(W.Location) : QString();
}

QString WeaponSwcMarks(const TWeaponType& W)
{
    QString text;
    if (W.SWC)
        text += QStringLiteral(" (SWC)");
    if (W.HRSWC)
        text += QStringLiteral(" (HRSWC)");
    return text;
}

QString WeaponCAMark(const TWeaponType& W)
{
    if (W.CA <= 0)
        return QString();
    return Format(QStringLiteral("(%d pt%s CA) "), {W.CA, W.CA_FP ? QStringLiteral(" FP") : QString()});
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

// The name cut, where it must be, so that it and the marks after it keep
// within width printer pixels in the canvas font; where not even the marks
// leave room for the name's first letter, the whole text is cut at its end.
QString CutName(const QString& name, const QString& marks, int width)
{
    TPageCanvas& canvas = Printer().Canvas();
    if (canvas.TextWidth(name + marks) <= width)
        return name + marks;
    const int room = width - canvas.TextWidth(marks);
    if (room >= canvas.TextWidth(name.left(1) + Ellipsis))
        return CutText(name, room) + marks;
    return CutText(name + marks, width);
}

} // namespace

void PrintWeaponEntry(const QString& name, const QString& swcMarks, const QString& caMark, int X, int rowTop, int W,
                      int leftRoom)
{
    const int y = rowTop + WeaponRowTextDrop;
    const QString marks = swcMarks + caMark;
    TPlacedText entry = PlaceFittedText(name + marks, X, y, W, 10, 0, false);
    if (entry.Text == name + marks) {
        PrintPlacedText(entry);
        return;
    }
    // Too wide even in the smallest print: the entry reaches into its
    // cell's left margin, where the blank that ends a component-armor mark
    // takes no room.
    const QString kept = WithoutTrailingBlanks(marks);
    X -= leftRoom;
    W += leftRoom;
    entry = PlaceFittedText(name + kept, X, y, W, 10, 0, false);
    if (entry.Text == name + kept) {
        PrintPlacedText(entry);
        return;
    }
    // The font is left at the smallest size: the name gives way.
    TPageCanvas& canvas = Printer().Canvas();
    const int width = ScaleX(W);
    const int room = width - canvas.TextWidth(kept);
    if (room >= canvas.TextWidth(name.left(1) + Ellipsis) || caMark.isEmpty()) {
        entry.Text = CutName(name, kept, width);
        entry.Place.Right = entry.Place.Left + canvas.TextWidth(entry.Text);
        PrintPlacedText(entry);
        return;
    }
    // Two lines of the smallest print in the row: the name with its SWC
    // marks, and below it the component armor, which ends just above the
    // next row's rule.
    const int height = canvas.TextHeight(caMark);
    const int bottom = ScaleY(rowTop + WeaponRowHeight) - 1;
    const int pitch = (ScaleY(rowTop + WeaponRowHeight) - ScaleY(rowTop)) / 2;
    const int left = ScaleX(X);
    const auto line = [&](const QString& text, int top) {
        TPlacedText placed{text, entry.Size, 0, {}};
        placed.Place = TRect{left, top, left + canvas.TextWidth(text), top + height};
        return placed;
    };
    const QString armor = ElideText(WithoutTrailingBlanks(caMark), width);
    const TPlacedText second = line(armor, bottom - height);
    const TPlacedText first = line(CutName(name, WithoutTrailingBlanks(swcMarks), width), second.Place.Top - pitch);
    PrintPlacedText(first);
    PrintPlacedText(second);
}
