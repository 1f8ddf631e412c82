#include "GameCarFixture.h"

#include "common/WorkingFolder.h"
#include "gamecar/Graphics.h"
#include "model/Lookups.h"
#include "model/RulesReaders.h"
#include "model/SettingsVariables.h"

void UseShippedRules()
{
    const TWorkingFolder folder(QStringLiteral(RIGSMITH_RUNTIME_DIR));
    SetSettingsDefaults(QStringLiteral(RIGSMITH_RUNTIME_DIR));
    ReadAllTypes();
}

TWeaponType MountedWeapon(const char* abbreviation, TLocation location, bool extraAmmo)
{
    TWeaponType w;
    EXPECT_TRUE(FindWeaponType(QString::fromLatin1(abbreviation), w)) << abbreviation;
    w.Location = location;
    w.ExtraAmmo = extraAmmo;
    return w;
}

void TShippedPictures::SetUpTestSuite()
{
    UseShippedRules();
    const TWorkingFolder folder(QStringLiteral(RIGSMITH_RUNTIME_DIR));
    LoadGraphics();
}

void TShippedPictures::TearDownTestSuite()
{
    FreeGraphics();
}
