// The statistics page of the test map: the own car's weapon usage and the
// damage the opponent has taken, rebuilt whole after every fire command.

#include "designer/MainWindow.h"

#include "gamecar/GameCar.h"
#include "model/Vehicle.h"
#include "platform/Format.h"
#include "platform/Numbers.h"

#include <QPlainTextEdit>

#include <algorithm>

namespace {

const QString StatsRule = QStringLiteral("-------+-------+-----+-----+-----+------");

// One row of the weapon table: percent of shots that hit, to the nearest
// whole number, and the average damage per hit; both 0 before any hit.
QString WeaponLine(const QString& name, int shots, int hits, int damage)
{
    const int percent = shots != 0 ? Round(Extended(hits) / shots * 100) : 0;
    const Extended average = hits != 0 ? Extended(damage) / hits : 0;
    return Format(QStringLiteral("%6s | %5d | %3d | %3d | %3d | %4.2f"), {name, shots, hits, percent, damage, average});
}

// What is left of a part after damage: gone at 0, else the points left.
QString DamageLine(const QString& head, int damage, int left, const QString& gone, const QString& remain)
{
    return Format(head, {damage}) + (left == 0 ? gone : Format(remain, {left}));
}

void AddArmorDamageLine(QStringList& lines, int Designed, int Current, const QString& Label)
{
    if (Designed == Current)
        return;
    lines << Format(QStringLiteral("%s Armor: "), {Label}) +
                 DamageLine(QStringLiteral("%d damage, "), Designed - Current, Current, QStringLiteral("destroyed"),
                            QStringLiteral("%d armor remains"));
}

} // namespace

void TfrmMain::FillStats(const TGameCar& Own, const TGameCar& Opponent)
{
    QStringList own{QStringLiteral("Weapon | Fired | Hit |   % | Dmg |  Avg"), StatsRule};
    int shots = 0;
    int hits = 0;
    int damage = 0;
    for (const TWeaponType& weapon : Own.Stats.Weapons.Items) {
        own << WeaponLine(weapon.Abbreviation, weapon.Shots, weapon.Cost, weapon.Weight);
        shots = CheckedAdd(shots, weapon.Shots);
        hits = CheckedAdd(hits, weapon.Cost);
        damage = CheckedAdd(damage, weapon.Weight);
    }
    own << StatsRule << WeaponLine(QStringLiteral("Sum"), shots, hits, damage);
    edStatsVehicle->setPlainText(own.join(QLatin1Char('\n')));

    const TVehicle& design = *Opponent.Vehicle;
    const TDamage& state = Opponent.Damage;
    QStringList opponent;
    AddArmorDamageLine(opponent, design.Armor.Front, state.Armor.Front, QStringLiteral("Front"));
    AddArmorDamageLine(opponent, design.Armor.Left, state.Armor.Left, QStringLiteral("Left"));
    AddArmorDamageLine(opponent, design.Armor.Right, state.Armor.Right, QStringLiteral("Right"));
    AddArmorDamageLine(opponent, design.Armor.Back, state.Armor.Back, QStringLiteral("Rear"));
    AddArmorDamageLine(opponent, design.Armor.Top, state.Armor.Top, QStringLiteral("Top"));
    AddArmorDamageLine(opponent, design.Armor.Bottom, state.Armor.Bottom, QStringLiteral("Bottom"));
    AddArmorDamageLine(opponent, design.Armor.EWP, state.Armor.EWP, QStringLiteral("EWP"));
    const QString gone = QStringLiteral("destroyed");
    const QString remain = QStringLiteral("%d DP remain");
    // The damage state holds one entry per weapon of the design it was reset from.
    const qsizetype weapons = std::min(state.Weapons.Items.size(), design.Weapons.Items.size());
    for (qsizetype i = 0; i < weapons; ++i) {
        const TWeaponType& designed = design.Weapons.Items[i];
        const int left = state.Weapons.Items[i].DP;
        if (left != designed.DP)
            opponent << Format(QStringLiteral("%s: "), {designed.Abbreviation}) +
                            DamageLine(QStringLiteral("%d damage, "), designed.DP - left, left, gone, remain);
    }
    if (state.EngineDP != state.EngineMaxDP)
        opponent << DamageLine(QStringLiteral("Engine: %d damage, "), state.EngineMaxDP - state.EngineDP,
                               state.EngineDP, gone, remain);
    const QString seats[] = {QStringLiteral("Driver"), QStringLiteral("Gunner")};
    for (int seat = 0; seat < 2; ++seat) {
        if (design.Crew[seat].Seat && state.CrewDP[seat] != state.CrewMaxDP[seat])
            opponent << seats[seat] + DamageLine(QStringLiteral(": %d damage, "),
                                                 state.CrewMaxDP[seat] - state.CrewDP[seat], state.CrewDP[seat],
                                                 QStringLiteral("killed"), remain);
    }
    if (design.CargoSpace > 0 && design.CargoSpace != state.CargoDP)
        opponent << DamageLine(QStringLiteral("Cargo: %d damage, "), design.CargoSpace - state.CargoDP, state.CargoDP,
                               gone, remain);
    edStatsOpponent->setPlainText(opponent.isEmpty() ? QStringLiteral("None") : opponent.join(QLatin1Char('\n')));
}
