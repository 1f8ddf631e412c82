#include "gamecar/OutsiderDescription.h"

#include "gamecar/OfficialDescription.h"
#include "model/EnumTexts.h"
#include "model/Vehicle.h"
#include "platform/Format.h"

#include <array>

namespace {

QString S(const char* text)
{
    return QString::fromLatin1(text);
}

// Where a part sits on the vehicle, told without how strong it is.
QString AxlesText(int Front, int Rear, const char* part)
{
    if (Front > 0 && Rear > 0)
        return S(part) + S(" on all wheels, ");
    if (Front > 0)
        return S(part) + S(" in front, ");
    if (Rear > 0)
        return S(part) + S(" in back, ");
    return QString();
}

QString WeaponClassesText(const TVehicle& V)
{
    std::array<QString, locRocketPlatform + 1> lists;
    for (int i = 0; i < V.WeaponCount(); ++i) {
        TWeaponType w;
        V.GetWeapon(i, w);
        if (w.Location < lists.size())
            lists[w.Location] = AddClassEntry(lists[w.Location], w);
    }
    const struct {
        TLocation location;
        const char* heading;
    } places[] = {
        {locFront, ", front: "}, {locBack, ", back: "},     {locLeft, ", left: "},
        {locRight, ", right: "}, {locTurret, ", turret: "}, {locEWP, ", EWP: "},
        {locRocketPlatform, ", rocket platform: "},
    };
    QString text;
    for (const auto& p : places)
        if (!lists[p.location].isEmpty())
            text += S(p.heading) + lists[p.location];
    return text;
}

} // namespace

QString AddClassEntry(const QString& List, const TWeaponType& Weapon)
{
    const QString title = WeaponClassToStr(Weapon.Class);
    const qsizetype at = List.indexOf(title, 0, Qt::CaseInsensitive);
    if (at < 0)
        return List.isEmpty() ? title : List + S(", ") + title;
    // The entry begins after the separator before the title, or at the start.
    const qsizetype separator = List.lastIndexOf(S(", "), at);
    const qsizetype entry = separator < 0 ? 0 : separator + 2;
    if (entry == at)
        return List.left(at) + S("2 ") + List.mid(at);
    const int count = List.mid(entry, at - entry).trimmed().toInt();
    return List.left(entry) + QString::number(count + 1) + S(" ") + List.mid(at);
}

void OutsiderDescription(TVehicle& Vehicle, QString& Text)
{
    const TVehicle& V = Vehicle;
    QString text = Format(S("%s, designed by %s"), {V.Name, V.Author}) + S("\r\n");
    if (V.Streamlined)
        text += S("Streamlined ");
    text += V.Body.Name + S(", ");
    if (V.Axis == wl6Wheels2Axis)
        text += S("Six-wheeled, ");
    else if (V.Axis == wl6Wheels3Axis)
        text += S("Six-wheeled (3 axis), ");
    text += AxlesText(V.GuardsFront, V.GuardsRear, "Wheelguards");
    text += AxlesText(V.HubsFront, V.HubsRear, "Hubcaps");
    if (V.PowerCellEngine.Nr != 0)
        text += V.PowerCellEngine.Name + S(" Power Plant, ");
    else if (V.GasEngine.Nr != 0)
        text += V.GasEngine.Name + S(" Gas Engine, ");
    text += TiresDescription(V.TiresFront, V.TiresRear);
    // The window always shows a driver, so the outside view does too.
    text += S(", Driver");
    if (V.Crew[1].Seat)
        text += S(", Gunner");
    text += TurretDescription(V.Turret, V.Body);
    // A rocket pod looks like any other from outside.
    text += PodDescription(V.EWP, false);
    if (V.EWP > 0 && !V.EWPFF)
        text += S(" (rear)");
    text += WeaponClassesText(V);
    text += AccessoriesText(V, TAccessoryView::Outsider);
    if (V.CargoSpace != 0)
        text += Format(S(", %d Cargo"), {V.CargoSpace});
    if (V.Sloped)
        text += S(", Sloped Armor");
    QString reason;
    Vehicle.CheckValid(reason);
    if (!reason.isEmpty())
        text += S("\r\n## INVALID ## (") + reason + S(")");
    Text = text;
}
