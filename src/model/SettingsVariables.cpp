#include "model/SettingsVariables.h"

#include "model/Global.h"

#include <limits>

QVector<TSettingVariable> SettingVariables(const QString& executableFolder)
{
    return {
        {"AA", "Div", &Div, 15},
        {"AA", "DivUse", &DivUse, false},
        {"AA", "Year", &Year, 2030},
        {"AA", "YearUse", &YearUse, false},
        {"AA", "MaxHC", &MaxHC, 3},
        {"AA", "MaxHCUse", &MaxHCUse, false},
        {"AA", "TankGun", &TankGun, false},
        {"AA", "SubHC", &SubHC, false},
        {"AA", "ConfettiNr", &ConfettiNr, true},
        {"AA", "AllowCA", &AllowCA, true},
        {"Options", "AutoLoad", &AutoLoad, false},
        {"Options", "ConfirmQuit", &ConfirmQuit, true},
        {"Options", "ConfirmSave", &ConfirmSave, true},
        {"Options", "ShowTitle", &ShowTitle, true},
        {"Options", "DetailLoad", &DetailLoad, true},
        {"Options", "Username", &Username, QStringLiteral("<Designer>")},
        {"Options", "PrintFont", &PrintFont, true},
        {"Options", "OldLogo", &OldLogo, false},
        {"Options", "PrinterWeaponLoc", &PrinterWeaponLoc, false},
        {"Options", "PrinterRes", &PrinterRes, false},
        {"Options", "PrinterResX", &PrinterResX, 4761},
        {"Options", "PrinterResY", &PrinterResY, 6780},
        {"Options", "ShowEff", &ShowEff, false},
        {"Options", "Res600", &Res600, false},
        {"Options", "IgnoreAmmo", &IgnoreAmmo, true},
        {"Options", "AlwaysHit", &AlwaysHit, false},
        {"Options", "DamageCaused", &DamageCaused, 2},
        {"Internal", "CarFrameNr", &CarFrameNr, 1},
        {"Internal", "EnemyFrameNr", &EnemyFrameNr, 1},
        {"Test", "Trace", &Trace, false},
        {"Test", "AttackTarget", &AttackTarget, 0},
        {"Test", "AttackLocation", &AttackLocation, 0},
        {"Test", "TargetFacing", &TargetFacing, 0},
        {"Test", "CarBodyView", &CarBodyView, 1},
        {"Test", "Enemy", &Enemy, DefaultEnemy(executableFolder)},
        {"Test", "TargetView", &TargetView, 200},
    };
}

void SetSettingsDefaults(const QString& executableFolder)
{
    for (const TSettingVariable& setting : SettingVariables(executableFolder)) {
        std::visit(
            [&setting](auto* variable) {
                using T = std::remove_pointer_t<decltype(variable)>;
                *variable = std::get<T>(setting.Default);
            },
            setting.Variable);
    }
}

QString DefaultEnemy(const QString& executableFolder)
{
    return executableFolder + QStringLiteral("/Designs/VezeRidiv.vx");
}

void BoundDesignLimits()
{
    constexpr int Largest = std::numeric_limits<int>::max() / 1000;
    Div = qBound(-Largest, Div, Largest);
}
