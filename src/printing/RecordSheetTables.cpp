// The lower half of the record sheet: the weapon table, the tracks on which
// speed, handling status and difficulty are marked during a game, the yes/no
// boxes, the notes, the notice and options lines and the counter strip. The
// duel sheet shares all but the weapon table and the tracks.

#include "printing/PrintForm.h"
#include "printing/PrintUtils.h"
#include "printing/SheetTexts.h"

#include "gamecar/GameCar.h"
#include "model/EnumTexts.h"
#include "model/Global.h"
#include "model/Lookups.h"
#include "model/RuleTables.h"
#include "platform/Format.h"

#include <algorithm>
#include <functional>

namespace {

constexpr int TableRows = 10;
// The notice lines' size; the notes may shrink to it when many rules apply.
constexpr int FinePrintSize = 4;
// The name column ends a little before the to-hit figures at X + 2100.
constexpr int NameColumnWidth = 2000;

QString WeaponNameText(const TWeaponType& w)
{
    QString name = w.Name;
    if (w.LaserPulse)
        name = QStringLiteral("Pulse ") + name;
    if (w.LaserIR)
        name = QStringLiteral("Infrared ") + name;
    return name + WeaponNameSuffix(w);
}

// A number centred in a cell of width s, written straight to the canvas in
// the font the caller set.
void PrintCellNumber(const QString& text, int cellLeft, int s, int rowTop)
{
    TPageCanvas& canvas = Printer().Canvas();
    const int t = canvas.TextWidth(text);
    canvas.TextOut(ScaleX(cellLeft + s / 2 - t / 2), ScaleY(rowTop + 10), text);
}

// A track: a title row of 100 and one row of cells below, the value of cell
// k given by cellText; the rule under the title starts at X and vertical
// lines of lineLength part the cells.
void PrintTrack(const QString& title, int X, int Y, int W, int cells, int lineLength,
                const std::function<QString(int)>& cellText)
{
    const int s = W / cells;
    PrintRect(X, Y, W, 200);
    PrintText(title, X, Y, 10, fsBold, false);
    PrintLine(X, Y + 100, W, 0);
    for (int j = 1; j < cells; ++j)
        PrintLine(X + j * s, Y + 100, 0, lineLength);
    SetPrintFont(10, 0);
    for (int k = 0; k < cells; ++k)
        PrintCellNumber(cellText(k), X + k * s, s, Y + 100);
}

QString Number(int n)
{
    return Format(QStringLiteral("%d"), {n});
}

} // namespace

void TfrmPrint::PrintWeaponTable(int X, int Y, int W)
{
    const TVehicle& V = *FCar->Vehicle;
    PrintRect(X, Y, W, 1120);
    for (int i = 0; i < TableRows; ++i)
        PrintLine(0, Y + 120 + 100 * i, W, 0);
    PrintText(QStringLiteral("Weapon"), X, Y, 10, fsBold, false);
    PrintText(QStringLiteral("To Hit"), X + 2000, Y, 10, fsBold, false);
    PrintText(QStringLiteral("Dmg."), X + 2400, Y, 10, fsBold, false);
    PrintText(QStringLiteral("Effect"), X + 2800, Y, 10, fsBold, false);
    PrintText(QStringLiteral("Ammo"), X + 3200, Y, 10, fsBold, false);
    PrintText(QStringLiteral("Current"), X + 3700, Y, 10, fsBold, false);

    const auto row = [X, Y](int r, const QString& name, int toHit, const QString& damage, const QString& effect,
                            const QString& ammo) {
        const int y = Y + 128 + 100 * r;
        PrintFittedText(name, X + 75, y, NameColumnWidth, 10, 0, false);
        PrintText(Number(toHit), X + 2100, y, 10, 0, false);
        PrintText(damage, X + 2400, y, 10, 0, false);
        PrintText(effect, X + 2800, y, 10, 0, false);
        PrintText(ammo, X + 3300, y, 10, 0, false);
    };

    const int n = std::min(V.WeaponCount(), TableRows);
    for (int r = 0; r < n; ++r) {
        TWeaponType w;
        V.GetWeapon(r, w);
        row(r, WeaponNameText(w), w.ToHit, DiceToStr(w.DamageKind, w.DamageDice, w.DamageMod),
            EffectToStr(w.EffectKind, w.EffectValue), WeaponAmmoText(w));
    }
    // The crew's hand guns take the rows after the weapons while rows are left.
    static const char* const Seats[] = {"Driver: ", "Gunner: "};
    for (int s = 0; s < 2 && n + s < TableRows; ++s) {
        THandGunType gun;
        // A hand gun the rules tables do not know leaves its row empty.
        if (CrewBuffer[s].HandGun.isEmpty() || !FindHandGunType(CrewBuffer[s].HandGun, gun))
            continue;
        row(n + s, QString::fromLatin1(Seats[s]) + gun.Name, gun.ToHit,
            DiceToStr(gun.DamageKind, gun.DamageDice, gun.DamageMod), EffectToStr(gun.EffectKind, gun.EffectValue),
            ShotsText(gun.Shots));
    }
}

void TfrmPrint::PrintSpeedTrack(int X, int Y, int W)
{
    const int s = W / 16;
    PrintRect(X, Y, W, 500);
    PrintText(QStringLiteral("Current Speed"), X, Y, 10, fsBold, false);
    for (int j = 1; j <= 4; ++j)
        PrintLine(0, Y + 100 * j, W, 0);
    for (int j = 1; j < 16; ++j)
        PrintLine(X + j * s, Y + 100, 0, 400);
    SetPrintFont(10, 0);
    for (int k = 0; k < 64; ++k)
        PrintCellNumber(Number(k * 5 - 20), X + (k % 16) * s, s, Y + 100 + 100 * (k / 16));
}

void TfrmPrint::PrintHandlingTrack(int X, int Y, int W)
{
    PrintTrack(QStringLiteral("Handling Status"), X, Y, W, 14, 100, [](int k) { return Number(7 - k); });
}

void TfrmPrint::PrintDifficultyTrack(int X, int Y, int W)
{
    PrintTrack(QStringLiteral("Difficulty this phase:"), X, Y, W, 21, 99, [](int k) { return Number(k); });
}

void TfrmPrint::PrintYesNoBox(const QString& Text, int X, int Y, int W)
{
    static const char* const Answers[] = {"Yes", "No"};
    PrintTrack(Text, X, Y, W, 2, 99, [](int k) { return QString::fromLatin1(Answers[k]); });
}

void TfrmPrint::PrintNotes(int X, int Y, int W, int H)
{
    TVehicle& V = *FCar->Vehicle;
    PrintRect(X, Y, W, H);
    PrintText(QStringLiteral("Notes:"), X, Y, 10, fsBold, false);

    QStringList notes;
    QString collision;
    V.GetCollisionModifierText(collision);
    notes << Format(QStringLiteral("Collision Damage Modifier: %s"), {collision});
    if (ConfettiNr) {
        int nr = 0;
        int counters = 0;
        ConfettiCounters(V.Weight, nr, counters);
        notes << Format(QStringLiteral("Confetti Nr: %d (%d counters)"), {nr, counters});
    }
    if (V.Sloped)
        notes << QStringLiteral("Sloped Armor: -1 to hit");
    if (V.GasEngine.CurrentMPG > 0)
        notes << Format(QStringLiteral("Engine MPG: %d"), {V.GasEngine.CurrentMPG});
    if (V.CAFrame)
        notes << QStringLiteral("CA Frame: receive 2x collision damage");
    if (V.Rollcage)
        notes << QStringLiteral("Rollcage: 1/2 damage from collisions,")
              << QStringLiteral("  no internal damage when rolling");
    const QString code = V.GetAirdamSpoilerCode();
    if (code == QLatin1String("AD"))
        notes << QStringLiteral("Airdam: -1 per 60 mph on Crash Table");
    if (code == QLatin1String("SP"))
        notes << QStringLiteral("Spoiler: -1 per 60 mph on Crash Table");
    if (code == QLatin1String("ADSP"))
        notes << QStringLiteral("Airdam+Spoiler: -2/60 mph on Crash Table")
              << QStringLiteral("  and general -1 on Crash Table");
    if (V.HasActiveSuspension())
        notes << QStringLiteral("Active Suspension: -1 HC off-road")
              << QStringLiteral("  wheel loss: D6 only, HC drops by 2 only");
    if (V.HasABS())
        notes << QStringLiteral("ABS: road condition hazards reduced by D1 (braking)");
    if (V.HasHDShocks())
        notes << QStringLiteral("HD shocks: all road hazards reduced by D1");
    if (V.IgnoresPaintClouds())
        notes << QStringLiteral("Paint clouds have no effect");

    // The notes follow one another below the title. When more rules apply
    // than the box holds in size 8, the rows grow smaller together, down to
    // the fine print of the notice lines, so that every note stays inside
    // the box, clear of its edges.
    constexpr int Margin = 10;
    const auto rowY = [Y](int size, int row) { return Y + 110 + row * (70 * size / 8); };
    TPageCanvas& canvas = Printer().Canvas();
    const auto fits = [&](int size) {
        for (qsizetype row = 0; row < notes.size(); ++row) {
            if (ScaleY(rowY(size, int(row))) + canvas.TextHeight(notes[row]) > ScaleY(Y + H - Margin)
                || ScaleX(X + 75) + canvas.TextWidth(notes[row]) > ScaleX(X + W - Margin))
                return false;
        }
        return true;
    };
    const int size = ShrinkToFit(8, FinePrintSize, 0, fits);
    for (qsizetype row = 0; row < notes.size(); ++row)
        PrintText(notes[row], X + 75, rowY(size, int(row)), size, 0, false);
}

void TfrmPrint::PrintLegalNotice(int X, int Y)
{
    static const char* const Lines[] = {
        "Roadvex is a trademark of its publisher, who holds all rights to the game and its rules.",
        "This sheet may be copied for personal use only.",
        "Rigsmith is not an official product and is not endorsed by the publisher of Roadvex.",
    };
    for (int i = 0; i < 3; ++i)
        PrintText(QString::fromLatin1(Lines[i]), X, Y + 50 * i, FinePrintSize, 0, true);
}

void TfrmPrint::PrintOptionsLine(int X, int Y)
{
    QString o;
    if (MaxHCUse && MaxHC != 3)
        o += Format(QStringLiteral(", Max HC = %d"), {MaxHC});
    if (TankGun)
        o += QStringLiteral(", Tank Guns allowed");
    if (SubHC)
        o += QStringLiteral(", Subcompacts get +1 HC");
    if (!o.isEmpty())
        PrintText(QStringLiteral("Options: ") + o.mid(2), X, Y, 10, fsBold, false);
}

void TfrmPrint::PrintCounterStrip()
{
    static const int Opacities[] = {0, 50, 100, 150, 200, 255, 255};
    for (int i = 0; i < 7; ++i)
        PrintCounter(151 + 625 * i, 6450, Opacities[i], i < 6 ? 90 : 270);
}

void TfrmPrint::PrintCounter(int X, int Y, int Opacity, int Turn)
{
    CounterImage->Clear(clWhite32);
    FCar->Draw(*CounterImage, -1, 0, Opacity, false);
    if (Turn == 90)
        CounterImage->Rotate90();
    else if (Turn == 270)
        CounterImage->Rotate270();
    PrintBitmapTiled(*CounterImage, TRect{ScaleX(X), ScaleY(Y), ScaleX(X + 625), ScaleY(Y + 300)}, 1024);
    PrintBox(X, Y, 625, 300);
    CounterImage->SetSize(50, 100);
}
