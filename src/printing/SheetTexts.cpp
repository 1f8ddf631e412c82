#include "printing/SheetTexts.h"

#include "model/EnumTexts.h"
#include "model/Global.h"
#include "platform/Format.h"

QString WeaponNameSuffix(const TWeaponType& W)
{
    QString text;
    if (PrinterWeaponLoc)
        text += QStringLiteral(", ") + LocationToStr(W.Location);
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
