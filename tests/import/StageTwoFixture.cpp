#include "StageTwoFixture.h"

#include "common/WorkingFolder.h"
#include "model/Global.h"
#include "model/RulesReaders.h"
#include "model/SettingsVariables.h"
#include "platform/Numbers.h"

void UseShippedRulesForImport()
{
    const TWorkingFolder Folder(QStringLiteral(RIGSMITH_RUNTIME_DIR));
    SetSettingsDefaults(QStringLiteral(RIGSMITH_RUNTIME_DIR));
    ReadAllTypes();
    SetDecimalSeparator(QLatin1Char('.'));
    SetThousandSeparator(QLatin1Char(','));
}

TImportResult StageOne(const QString& Text)
{
    TImportResult Out;
    ImportDescription(Text, Out);
    return Out;
}

void RecalculateFigures(TVehicle& V)
{
    V.GetCost(CostList);
    V.GetWeight(WeightList);
    V.GetSpace(SpaceList);
    V.GetCargoSpace();
    V.GetHC();
    V.GetAcceleration();
    V.GetYear(YearList);
}

void THeadlessMain::FileNew()
{
    Calls << QStringLiteral("FileNew");
    Design.Clear();
}

void THeadlessMain::AddWeaponToList(const TWeaponType& Weapon, int Serial, QString& LocationText, TLocation Location)
{
    LocationText = FacingName(Location);
    Calls << QStringLiteral("AddWeaponToList %1 %2 %3%4")
                 .arg(Weapon.Name)
                 .arg(Serial)
                 .arg(int(Location))
                 .arg(GUILoading ? QString() : QStringLiteral(" outside loading"));
}

void THeadlessMain::LoadGUI()
{
    Calls << QStringLiteral("LoadGUI");
}

void THeadlessMain::RecalcVehicle(bool)
{
    if (GUILoading) {
        Calls << QStringLiteral("RecalcVehicle while loading");
        return;
    }
    Calls << QStringLiteral("RecalcVehicle");
    RecalculateFigures(Design);
}
