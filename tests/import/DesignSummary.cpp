#include "DesignSummary.h"

#include "StageTwoFixture.h"
#include "gamecar/OfficialDescription.h"
#include "model/Vehicle.h"

#include <QMap>
#include <QStringList>

#include <algorithm>
#include <initializer_list>
#include <utility>

namespace {

QString Flags(std::initializer_list<std::pair<bool, const char*>> Flags)
{
    QStringList On;
    for (const auto& [Set, Name] : Flags)
        if (Set)
            On << QLatin1String(Name);
    return On.join(QLatin1Char(' '));
}

struct TGroupSummary {
    int Count = 0;
    int Magazines = 0;
    QStringList Loads;
    QString Options;
};

QStringList WeaponGroups(const TVehicle& V)
{
    QMap<QString, TGroupSummary> Groups;
    for (int I = 0; I < V.WeaponCount(); ++I) {
        TWeaponType W;
        V.GetWeapon(I, W);
        TGroupSummary& G = Groups[QStringLiteral("%1 at %2").arg(W.Name).arg(int(W.Location))];
        ++G.Count;
        G.Magazines += W.ExtraAmmo ? 1 : 0;
        G.Loads << (W.Ammo.isEmpty() ? QStringLiteral("-") : W.Ammo);
        G.Options = QStringLiteral("%1 CA %2")
                        .arg(Flags({{W.SWC, "SWC"}, {W.HRSWC, "HRSWC"}, {W.LaserIR, "IR"}, {W.LaserPulse, "pulse"},
                                    {W.CA_FP, "FP"}}))
                        .arg(W.CA);
    }
    QStringList Lines;
    for (auto G = Groups.begin(); G != Groups.end(); ++G) {
        std::sort(G->Loads.begin(), G->Loads.end());
        Lines << QStringLiteral("weapons %1: %2, loads %3, magazines %4, %5")
                     .arg(G.key())
                     .arg(G->Count)
                     .arg(G->Loads.join(QLatin1Char(' ')))
                     .arg(G->Magazines)
                     .arg(G->Options);
    }
    return Lines;
}

} // namespace

QString DesignSummary(TVehicle& V, bool Header)
{
    RecalculateFigures(V);
    QStringList List;
    QStringList Lines;
    if (Header)
        Lines << QStringLiteral("%1, designed by %2: %3").arg(V.Name, V.Author, V.Comment);
    Lines << QStringLiteral("cost %1, weight %2, space %3").arg(V.GetCost(List)).arg(V.GetWeight(List)).arg(V.GetSpace(List));
    Lines << QStringLiteral("body %1, chassis %2, suspension %3, axis %4 %5")
                 .arg(V.Body.Name, V.Chassis.Name, V.Suspension.Name)
                 .arg(int(V.Axis))
                 .arg(Flags({{V.Streamlined, "streamlined"}, {V.CAFrame, "CA frame"}, {V.Rollcage, "rollcage"}}));
    const TArmor& A = V.Armor;
    Lines << QStringLiteral("armor F%1/%2 L%3/%4 R%5/%6 B%7/%8 T%9/%10 U%11/%12 pod %13 %14")
                 .arg(A.FrontM).arg(A.Front).arg(A.LeftM).arg(A.Left).arg(A.RightM).arg(A.Right).arg(A.BackM)
                 .arg(A.Back).arg(A.TopM).arg(A.Top).arg(A.BottomM).arg(A.Bottom).arg(A.EWP)
                 .arg(Flags({{A.FP, "fireproof"}, {A.LR, "reflective"}, {V.Sloped, "sloped"}}));
    Lines << QStringLiteral("guards %1/%2, hubcaps %3/%4").arg(V.GuardsFront).arg(V.GuardsRear).arg(V.HubsFront).arg(V.HubsRear);
    const TCEngineType& P = V.PowerCellEngine;
    const TGEngineType& G = V.GasEngine;
    Lines << QStringLiteral("plant %1 %2 ISC %3 CA %4 %5")
                 .arg(P.Name, Flags({{P.PC, "PC"}, {P.SC, "SC"}, {P.EPC, "EPC"}}))
                 .arg(P.ISC)
                 .arg(V.EngineCA)
                 .arg(V.EngineCA_FP ? QStringLiteral("FP") : QString());
    Lines << QStringLiteral("gas %1 %2 N2O %3, tank %4 %5")
                 .arg(G.Name,
                      Flags({{G.C, "C"}, {G.MC, "MC"}, {G.TH, "TH"}, {G.BP, "BP"}, {G.TC, "TC"}, {G.VTC, "VTC"},
                             {G.SC, "SC"}}))
                 .arg(G.NO)
                 .arg(V.GasTank.Name)
                 .arg(V.TankSize);
    for (const TTireType* T : {&V.TiresFront, &V.TiresRear})
        Lines << QStringLiteral("tires %1").arg(TireDescription(*T));
    for (const TCrewType& C : V.Crew)
        Lines << QStringLiteral("seat %1 CA %2 %3")
                     .arg(Flags({{C.Seat, "taken"}, {C.BodyArmor, "BA"}, {C.ImprovedBodyArmor, "IBA"},
                                 {C.ImpactArmor, "IA"}, {C.GasMask, "GM"}, {C.PFE, "PFE"}, {C.TC, "TC"},
                                 {C.ITC, "ITC"}, {C.CA_FP, "FP"}}))
                     .arg(C.CA)
                     .arg(C.HandGun);
    Lines << QStringLiteral("turret %1, pod %2 %3, platform %4")
                 .arg(V.Turret)
                 .arg(V.EWP)
                 .arg(Flags({{V.EWPR, "rocket"}, {!V.EWPFF, "rear"}}))
                 .arg(V.RocketPlatform);
    Lines += WeaponGroups(V);
    for (int Nr = 0; Nr < V.EquipmentCount(); ++Nr) {
        TEquipmentType E;
        V.GetEquipment(Nr, E);
        if (E.Installed)
            Lines << QStringLiteral("accessory %1 x%2 (%3)").arg(E.Name).arg(E.Amount).arg(E.Info);
    }
    return Lines.join(QLatin1Char('\n'));
}

namespace {

// Line hard-wrapped at blanks to Width characters; a word longer than the
// width runs on to the next blank.
void Wrap(QString& Line, int Width)
{
    for (qsizetype Start = 0; Line.size() - Start > Width;) {
        qsizetype Blank = Line.lastIndexOf(QLatin1Char(' '), Start + Width);
        if (Blank <= Start)
            Blank = Line.indexOf(QLatin1Char(' '), Start + Width);
        if (Blank < 0)
            break;
        Line[Blank] = QLatin1Char('\n');
        Start = Blank + 1;
    }
}

qsizetype LongestLine(const QStringList& Lines)
{
    qsizetype Block = 0;
    for (qsizetype I = 1; I < Lines.size(); ++I)
        if (Lines[I].size() > Lines[Block].size())
            Block = I;
    return Block;
}

} // namespace

QString MailedOut(const QString& Text, int Width)
{
    QStringList Lines = Text.split(QStringLiteral("\r\n"));
    QStringList Mailed;
    const qsizetype Block = LongestLine(Lines);
    for (qsizetype I = 0; I < Lines.size(); ++I) {
        if (I < Block) {
            Mailed << Lines[I];
            continue;
        }
        if (I > Block)
            Mailed << QString();
        QString Line = Lines[I];
        Wrap(Line, Width);
        for (const QString& Part : Line.split(QLatin1Char('\n')))
            Mailed << QLatin1Char('\t') + Part;
    }
    return Mailed.join(QStringLiteral("\r\n"));
}

QString LaidOut(const QString& Text, int Width)
{
    QStringList Lines = Text.split(QLatin1Char('\n'));
    QString& Line = Lines[LongestLine(Lines)];
    if (Width > 0) {
        Wrap(Line, Width);
        // The header line wraps as well, inside the name or the author.
        if (Lines.first().contains(QLatin1String(", designed by "), Qt::CaseInsensitive))
            Wrap(Lines.first(), Width);
    } else {
        int Depth = 0;
        for (qsizetype I = 0; I + 1 < Line.size(); ++I) {
            Depth += Line[I] == QLatin1Char('(') ? 1 : Line[I] == QLatin1Char(')') ? -1 : 0;
            if (Depth == 0 && Line[I] == QLatin1Char(',') && Line[I + 1] == QLatin1Char(' '))
                Line.replace(I, 2, QStringLiteral("\r\n"));
        }
    }
    return Lines.join(QLatin1Char('\n'));
}
