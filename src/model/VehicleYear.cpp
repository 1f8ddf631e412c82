// The design year: the year of the latest component, with the trail of the
// components that pushed it up.

#include "model/Vehicle.h"

#include "platform/Format.h"

namespace {

// Every design can be built from this year on.
constexpr int BaseYear = 2031;
constexpr int OptionYear = 2038;

// The running maximum of the visited components and its trail: a component
// is listed only when it is later than everything visited before it, so the
// trail is in ascending order and ends with the design year.
class TYearTrail
{
public:
    explicit TYearTrail(QStringList& list) : FList(list) { FList.clear(); }

    void AddComponentYear(int year, const QString& text)
    {
        if (year <= FMax)
            return;
        FList.append(Format(QStringLiteral("%s : %d"), {text, year}));
        FMax = year;
    }

    void AddOption(bool fitted, int year, const char* text)
    {
        if (fitted)
            AddComponentYear(year, QString::fromLatin1(text));
    }

    int Max() const { return FMax; }

private:
    QStringList& FList;
    int FMax = BaseYear;
};

} // namespace

int TVehicle::GetYear(QStringList& List) const
{
    TYearTrail trail(List);
    trail.AddComponentYear(Body.Year, Body.Name + QStringLiteral(" Body"));
    trail.AddComponentYear(Chassis.Year, Chassis.Name + QStringLiteral(" Chassis"));
    trail.AddComponentYear(Suspension.Year, Suspension.Name + QStringLiteral(" Suspension"));
    trail.AddComponentYear(TiresFront.Year, TiresFront.Name + QStringLiteral(" Tires"));
    trail.AddComponentYear(TiresRear.Year, TiresRear.Name + QStringLiteral(" Rear Tires"));
    trail.AddOption(CAFrame, 2038, "CA Frame");
    trail.AddOption(Rollcage, 2033, "Rollcage");
    trail.AddOption(Sloped, 2039, "Sloped Armor");
    trail.AddOption(Armor.FP, 2033, "Fireproof Armor");
    trail.AddOption(Armor.LR, 2034, "Laser-Reflective Armor");
    trail.AddOption(ArmorKind() != akPlastic, 2036, "Metal Armor");

    if (PowerCellEngine.Power > 0) {
        const TCEngineType& e = PowerCellEngine;
        trail.AddComponentYear(e.Year, e.Name + QStringLiteral(" Engine"));
        trail.AddOption(e.PC, OptionYear, "Platinum Catalyst");
        trail.AddOption(e.SC, OptionYear, "Superconductor");
        trail.AddOption(e.EPC, OptionYear, "Extra Power Cells");
        trail.AddOption(e.ISC > 0, OptionYear, "Improved Supercharger Capacitor");
    } else if (GasEngine.Power > 0) {
        const TGEngineType& e = GasEngine;
        trail.AddComponentYear(e.Year, e.Name + QStringLiteral(" Gas Engine"));
        trail.AddOption(e.C, OptionYear, "Carburetor");
        trail.AddOption(e.MC, OptionYear, "Multibarrel Carburetor");
        trail.AddOption(e.TH, OptionYear, "Tubular Headers");
        trail.AddOption(e.BP, OptionYear, "Blueprinting");
        trail.AddOption(e.TC, OptionYear, "Turbocharger");
        trail.AddOption(e.VTC, OptionYear, "Variable Pitch Turbocharger");
        trail.AddOption(e.SC, OptionYear, "Supercharger");
        trail.AddOption(e.NO > 0, OptionYear, "N2O");
    }

    for (const TWeaponType& w : Weapons.Items)
        trail.AddComponentYear(w.Year, w.Name);
    for (const TEquipmentType& e : Equipment.Items)
        if (e.Installed)
            trail.AddComponentYear(e.Year, e.Name);

    trail.AddOption(EWP > 0, 2035, "External Weapon Pods");
    // The driver's seat is always taken; the gunner's computer counts only
    // with a gunner aboard.
    trail.AddOption(Crew[0].ITC, 2034, "Improved Targeting Computer");
    trail.AddOption(Crew[1].Seat && Crew[1].ITC, 2034, "Improved Targeting Computer");

    if (List.isEmpty())
        List.append(QStringLiteral("Entire Vehicle: 2031"));
    return trail.Max();
}
