#include "SheetFixture.h"

#include "common/WorkingFolder.h"
#include "gamecar/LayoutPlan.h"
#include "model/Global.h"
#include "model/Lookups.h"

void SheetTest::Open(const char* fileName)
{
    const TWorkingFolder folder(QStringLiteral(RIGSMITH_RUNTIME_DIR));
    QString err;
    V().Load(QStringLiteral("Designs/") + QString::fromLatin1(fileName), err);
    ASSERT_TRUE(err.isEmpty()) << err.toStdString();
    CrewBuffer = V().Crew;
    FCar->Reset();
    Form->SetupPrint(FCar.get(), true);
    Clear();
}

void SheetTest::AddEveryNote()
{
    ConfettiNr = true;
    V().CAFrame = true;
    V().Rollcage = true;
    // Airdam, spoiler, active suspension, ABS, heavy-duty shocks and the
    // paint-cloud filter.
    for (const int nr : {0, 1, 9, 10, 11, 12})
        V().SetEquipment(nr, 1, QString());
    V().GetWeight(WeightList);
    V().GetRange();
    ASSERT_TRUE(V().Sloped);
    ASSERT_GT(V().GasEngine.CurrentMPG, 0);
}

void SheetTest::GiveLongestName()
{
    V().Name = QStringLiteral("The Magnificent Armoured Thunderwagon of Doom and Gloom, Mark XXVII");
}

void SheetTest::MountMostWeapons()
{
    PrinterWeaponLoc = true;
    const char* const weapons[] = {"MG", "RL", "L", "FT", "HR", "VMG", "AC", "MML", "RR", "GL", "MD", "SD"};
    for (int i = 0; i < 12; ++i) {
        TWeaponType w;
        ASSERT_TRUE(FindWeaponType(QString::fromLatin1(weapons[i]), w)) << weapons[i];
        w.Location = TLocation(i % 6);
        w.CA = 3 + i;
        w.CA_FP = true;
        w.SWC = true;
        w.ExtraAmmo = true;
        int index = 0;
        V().AddWeapon(w, index);
    }
    V().Crew[0].CA = 5;
    V().Crew[1].CA = 8;
    V().EngineCA = 4;
}

void SheetTest::FitWheelGuardsAndHubcaps()
{
    V().Axis = wl6Wheels3Axis;
    V().GuardsFront = 3;
    V().GuardsRear = 7;
    V().HubsFront = 2;
    V().HubsRear = 2;
    TArmor& a = V().Armor;
    a.LeftM = a.RightM = a.TopM = a.BottomM = 100;
    a.Left = a.Right = a.Top = a.Bottom = 50;
}

void SheetTest::FitSidePods()
{
    V().EWP = ewpTwoSpaceSide;
    V().EWPR = false;
    V().Armor.EWP = 130;
    Mount("RL", locEWP);
}

void SheetTest::GiveCompositeFrontAndBack()
{
    TArmor& a = V().Armor;
    a.FrontM = a.BackM = 150;
    a.Front = a.Back = 120;
}

void SheetTest::DrawPlan()
{
    FCar->Reset();
    DrawLayout(*FCar, LayoutPicture);
}

void SheetTest::Clear()
{
    Log().clear();
    Page->Recorder.Texts.clear();
    Page->Recorder.Pictures.clear();
}

QStringList SheetTest::Texts()
{
    QStringList texts;
    for (const QString& line : Log())
        if (line.startsWith(QLatin1String("Text ")))
            texts << line.mid(5);
    return texts;
}

QStringList SheetTest::Shapes()
{
    QStringList shapes;
    for (const QString& line : Log())
        if (!line.startsWith(QLatin1String("Text ")))
            shapes << line;
    return shapes;
}

QStringList SheetTest::Fonts()
{
    QStringList fonts;
    for (const TRecordedText& text : Page->Recorder.Texts)
        fonts << QStringLiteral("%1 %2").arg(text.Font.Name).arg(text.Font.Size);
    return fonts;
}
