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
// The notice lines' size.
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
    return name;
}

// A number centred in a cell of width s, written straight to the canvas in
// the font the caller set.
void PrintCellNumber(const QString& text, int cellLeft, int s, int rowTop)
{
    TPageCanvas& canvas = Printer().Canvas();
    // The number's width is printer pixels: it is halved on the page, after
    // the cell's middle is scaled, so that it is centred at every resolution.
    canvas.TextOut(ScaleX(cellLeft + s / 2) - canvas.TextWidth(text) / 2, ScaleY(rowTop + 10), text);
}

// A track: a title row of 100 and one row of cells below, the value of cell
// k given by cellText; the rule under the title starts at X and vertical
// lines of lineLength part the cells.
void PrintTrack(const QString& title, int X, int Y, int W, int cells, int lineLength,
                const std::function<QString(int)>& cellText)
{
    const int s = W / cells;
    PrintRect(X, Y, W, 200);
    PrintHeading(title, X, Y, Y + 100, false);
    PrintLine(X, Y + 100, W, 0);
    for (int j = 1; j < cells; ++j)
        PrintLine(X + j * s, Y + 100, 0, lineLength);
    SetPrintFont(10, 0);
    for (int k = 0; k < cells; ++k)
        PrintCellNumber(cellText(k), X + k * s, s, Y + 100);
}

// A note and its fixed row below the notes box's top.
struct TNote
{
    QString Text;
    int Row;
};

// One line of the notes as it is printed.
struct TNoteLine
{
    QString Text;
    int X;
    int Y;
    int Size;
};

// The words of text in lines of at most width printer pixels in the canvas
// font; a line after the first is indented by two blanks, as the notes' own
// second lines are. A word longer than the width stands on a line of its own.
QStringList WrapNote(const QString& text, int width)
{
    TPageCanvas& canvas = Printer().Canvas();
    if (canvas.TextWidth(text) <= width)
        return {text};
    qsizetype indent = 0;
    while (indent < text.size() && text[indent] == QLatin1Char(' '))
        ++indent;
    const QStringList words = text.mid(indent).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    QStringList lines;
    QString line = text.left(indent);
    for (const QString& word : words) {
        const QString longer = line.trimmed().isEmpty() ? line + word : line + QLatin1Char(' ') + word;
        if (canvas.TextWidth(longer) <= width || line.trimmed().isEmpty()) {
            line = longer;
            continue;
        }
        lines << line;
        line = QStringLiteral("  ") + word;
    }
    lines << line;
    return lines;
}

// Where the notes go in the box (X, Y, W, H). On their fixed rows in size 8
// when all of them fit the box that way; else one after the other, in one
// column or, beside the title, two, in size 8 or, when even that does not
// hold them, smaller, down to the readable size. Every line keeps clear of
// the box's edges; what the smallest print cannot hold is left out, the last
// line kept ending with an ellipsis.
QVector<TNoteLine> LayNotes(const QVector<TNote>& notes, int X, int Y, int W, int H)
{
    constexpr int Size = 8;
    constexpr int Margin = 10;
    constexpr int Indent = 75;
    constexpr int ColumnGap = 75;
    TPageCanvas& canvas = Printer().Canvas();
    const int bottom = ScaleY(Y + H - Margin);
    const auto inside = [&](const QString& text, int x, int y, int right) {
        return ScaleY(y) + canvas.TextHeight(text) <= bottom && ScaleX(x) + canvas.TextWidth(text) <= ScaleX(right);
    };

    QVector<TNoteLine> laid;
    SetPrintFont(Size, 0);
    const bool fixedRowsFit = std::all_of(notes.begin(), notes.end(), [&](const TNote& n) {
        return inside(n.Text, X + Indent, Y + n.Row, X + W - Margin);
    });
    if (fixedRowsFit) {
        for (const TNote& n : notes)
            laid.append({n.Text, X + Indent, Y + n.Row, Size});
        return laid;
    }

    // The packed lines of one try; false when they do not all fit. A note
    // and its own second lines (those that start with blanks) stay together
    // in one column.
    const auto pack = [&](int size, int columns) {
        laid.clear();
        SetPrintFont(size, 0);
        const int pitch = 70 * size / Size;
        const int columnWidth = (W - Indent - Margin - (columns - 1) * ColumnGap) / columns;
        int column = 0;
        int y = Y + 110;
        for (qsizetype first = 0; first < notes.size();) {
            QStringList lines = WrapNote(notes[first].Text, ScaleX(columnWidth));
            qsizetype next = first + 1;
            for (; next < notes.size() && notes[next].Text.startsWith(QLatin1Char(' ')); ++next)
                lines += WrapNote(notes[next].Text, ScaleX(columnWidth));
            const auto fitsFrom = [&](int top) {
                const int x = X + Indent + column * (columnWidth + ColumnGap);
                for (qsizetype i = 0; i < lines.size(); ++i)
                    if (!inside(lines[i], x, top + pitch * int(i), x + columnWidth))
                        return false;
                return true;
            };
            if (!fitsFrom(y)) {
                // A second column starts beside the title, at the top.
                if (column + 1 >= columns)
                    return false;
                ++column;
                y = Y + Margin;
                if (!fitsFrom(y))
                    return false;
            }
            for (const QString& line : lines) {
                laid.append({line, X + Indent + column * (columnWidth + ColumnGap), y, size});
                y += pitch;
            }
            first = next;
        }
        return true;
    };
    for (int size = Size; size >= ReadableFontSize; --size)
        for (const int columns : {1, 2})
            if (pack(size, columns))
                return laid;
    // Not even that holds them: the lines that fit are printed, the last one
    // ending with an ellipsis.
    pack(ReadableFontSize, 2);
    if (!laid.isEmpty()) {
        const int columnWidth = (W - Indent - Margin - ColumnGap) / 2;
        laid.last().Text = CutText(laid.last().Text, ScaleX(columnWidth));
    }
    return laid;
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
    static const char* const Headings[] = {"Weapon", "To Hit", "Dmg.", "Effect", "Ammo", "Current"};
    static const int HeadingX[] = {0, 2000, 2400, 2800, 3200, 3700};
    for (int i = 0; i < 6; ++i)
        PrintHeading(QString::fromLatin1(Headings[i]), X + HeadingX[i], Y, Y + 120, false);

    const auto row = [X, Y](int r, const TWeaponEntry& entry, int toHit, const QString& damage, const QString& effect,
                            const QString& ammo) {
        const int rowTop = Y + 120 + WeaponRowHeight * r;
        const int y = rowTop + WeaponRowTextDrop;
        PrintWeaponEntry(entry, X + 75, rowTop, NameColumnWidth, 65);
        PrintText(Number(toHit), X + 2100, y, 10, 0, false);
        PrintText(damage, X + 2400, y, 10, 0, false);
        PrintText(effect, X + 2800, y, 10, 0, false);
        PrintText(ammo, X + 3300, y, 10, 0, false);
    };

    const int n = std::min(V.WeaponCount(), TableRows);
    for (int r = 0; r < n; ++r) {
        TWeaponType w;
        V.GetWeapon(r, w);
        row(r, WeaponEntry(WeaponNameText(w), w), w.ToHit, DiceToStr(w.DamageKind, w.DamageDice, w.DamageMod),
            EffectToStr(w.EffectKind, w.EffectValue), WeaponAmmoText(w));
    }
    // The crew's hand guns take the rows after the weapons while rows are left.
    static const char* const Seats[] = {"Driver: ", "Gunner: "};
    for (int s = 0; s < 2 && n + s < TableRows; ++s) {
        THandGunType gun;
        // A hand gun the rules tables do not know leaves its row empty.
        if (CrewBuffer[s].HandGun.isEmpty() || !FindHandGunType(CrewBuffer[s].HandGun, gun))
            continue;
        row(n + s, TWeaponEntry{QString::fromLatin1(Seats[s]) + gun.Name, {}, {}, {}}, gun.ToHit,
            DiceToStr(gun.DamageKind, gun.DamageDice, gun.DamageMod), EffectToStr(gun.EffectKind, gun.EffectValue),
            ShotsText(gun.Shots));
    }
}

void TfrmPrint::PrintSpeedTrack(int X, int Y, int W)
{
    const int s = W / 16;
    PrintRect(X, Y, W, 500);
    PrintHeading(QStringLiteral("Current Speed"), X, Y, Y + 100, false);
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

    // Each note with its fixed row below the box's top.
    QVector<TNote> notes;
    const auto note = [&notes](int row, const QString& text) { notes.append({text, row}); };
    QString collision;
    V.GetCollisionModifierText(collision);
    note(110, Format(QStringLiteral("Collision Damage Modifier: %s"), {collision}));
    if (ConfettiNr) {
        int nr = 0;
        int counters = 0;
        ConfettiCounters(V.Weight, nr, counters);
        note(180, Format(QStringLiteral("Confetti Nr: %d (%d counters)"), {nr, counters}));
    }
    if (V.Sloped)
        note(250, QStringLiteral("Sloped Armor: -1 to hit"));
    if (V.GasEngine.CurrentMPG > 0)
        note(320, Format(QStringLiteral("Engine MPG: %d"), {V.GasEngine.CurrentMPG}));
    if (V.CAFrame)
        note(390, QStringLiteral("CA Frame: receive 2x collision damage"));
    if (V.Rollcage) {
        note(460, QStringLiteral("Rollcage: 1/2 damage from collisions,"));
        note(530, QStringLiteral("  no internal damage when rolling"));
    }
    const QString code = V.GetAirdamSpoilerCode();
    if (code == QLatin1String("AD"))
        note(600, QStringLiteral("Airdam: -1 per 60 mph on Crash Table"));
    if (code == QLatin1String("SP"))
        note(670, QStringLiteral("Spoiler: -1 per 60 mph on Crash Table"));
    if (code == QLatin1String("ADSP")) {
        note(740, QStringLiteral("Airdam+Spoiler: -2/60 mph on Crash Table"));
        note(810, QStringLiteral("  and general -1 on Crash Table"));
    }
    if (V.HasActiveSuspension()) {
        note(880, QStringLiteral("Active Suspension: -1 HC off-road"));
        note(950, QStringLiteral("  wheel loss: D6 only, HC drops by 2 only"));
    }
    if (V.HasABS())
        note(1020, QStringLiteral("ABS: road condition hazards reduced by D1 (braking)"));
    if (V.HasHDShocks())
        note(1090, QStringLiteral("HD shocks: all road hazards reduced by D1"));
    if (V.IgnoresPaintClouds())
        note(1160, QStringLiteral("Paint clouds have no effect"));

    for (const TNoteLine& line : LayNotes(notes, X, Y, W, H))
        PrintText(line.Text, line.X, line.Y, line.Size, 0, false);
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
