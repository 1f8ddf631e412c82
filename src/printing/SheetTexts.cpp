#include "printing/SheetTexts.h"

#include "model/EnumTexts.h"
#include "model/Global.h"
#include "platform/Format.h"
#include "printing/PrintUtils.h"

QString WeaponLocationText(const TWeaponType& W)
{
    return PrinterWeaponLoc ? QStringLiteral(", ") + LocationToStr(W.Location) : QString();
}

QString WeaponMarks(const TWeaponType& W)
{
    QString text;
    if (W.SWC)
        text += QStringLiteral(" (SWC)");
    if (W.HRSWC)
        text += QStringLiteral(" (HRSWC)");
    if (W.CA > 0)
        text += Format(QStringLiteral("(%d pt%s CA) "), {W.CA, W.CA_FP ? QStringLiteral(" FP") : QString()});
    return text;
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

void PrintWeaponEntry(const QString& name, const QString& marks, int X, int Y, int W, int leftRoom)
{
    TPlacedText entry = PlaceFittedText(name + marks, X, Y, W, 10, 0, false);
    if (entry.Text != name + marks) {
        // Too wide even in the smallest print: the entry reaches into its
        // cell's left margin, where the blank that ends a component-armor
        // mark takes no room.
        QString kept = marks;
        while (kept.endsWith(QLatin1Char(' ')))
            kept.chop(1);
        X -= leftRoom;
        W += leftRoom;
        entry = PlaceFittedText(name + kept, X, Y, W, 10, 0, false);
        if (entry.Text != name + kept) {
            // The font is left at the smallest size: the name gives way.
            TPageCanvas& canvas = Printer().Canvas();
            const int room = ScaleX(W) - canvas.TextWidth(kept);
            // Where not even the marks leave room for a letter of the name,
            // the name stays and the entry is cut at its end.
            if (room >= canvas.TextWidth(name.left(1) + Ellipsis))
                entry = PlaceFittedText(CutText(name, room) + kept, X, Y, W, 10, 0, false);
        }
    }
    PrintPlacedText(entry);
}
