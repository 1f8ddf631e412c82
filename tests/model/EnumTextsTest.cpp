#include "model/EnumTexts.h"
#include "platform/Numbers.h"

#include <gtest/gtest.h>

namespace {

TEST(EnumTexts, Locations)
{
    EXPECT_EQ(LocationToStr(locFront), QStringLiteral("front"));
    EXPECT_EQ(LocationToStr(locEWP), QStringLiteral("EWP"));
    EXPECT_EQ(LocationToStr(locRocketPlatform), QStringLiteral("rocket platform"));
    EXPECT_EQ(LocationToStr(locNotPlaced), QStringLiteral("turret"));
    const std::pair<const char*, TLocation> parsed[] = {
        {"turret", locTurret}, {"left", locLeft}, {"right", locRight}, {"back", locBack},
        {"EWP", locEWP}, {"rocket platform", locRocketPlatform}, {"front", locFront},
        {"Front", locFront}, {"Left", locFront}, {"ewp", locFront},
    };
    for (const auto& [text, location] : parsed)
        EXPECT_EQ(StrToLocation(QString::fromLatin1(text)), location) << text;
}

TEST(EnumTexts, WeaponClassKeywords)
{
    const std::pair<const char*, TWeaponClass> cases[] = {
        {"Small-Bore Projectile", wcSmallBore}, {"Large-bore projectile", wcLargeBore},
        {"Projectile", wcLargeBore},            {"Rocket", wcRockets},
        {"Laser", wcLasers},                    {"Flamethrower", wcFlamethrowers},
        {"Discharger", wcDischargers},          {"dropped gas", wcDroppedGases},
        {"Dropped Liquid", wcDroppedLiquids},   {"Dropped Solid", wcDroppedSolids},
        {"drop", wcDroppedSolids},              {"mines", wcUnknown},
    };
    for (const auto& [keyword, weaponClass] : cases)
        EXPECT_EQ(StrToWeaponClass(QString::fromLatin1(keyword)), weaponClass) << keyword;
    EXPECT_EQ(WeaponClassToStr(wcDroppedLiquids), QStringLiteral("Dropped Liquids"));
    EXPECT_EQ(WeaponClassToStr(wcUnknown), QStringLiteral("<Unknown Weapon Class>"));
}

TEST(EnumTexts, WheelLayouts)
{
    EXPECT_EQ(StrToWheelLayout(QStringLiteral("6 wheels, 2 axis")), wl6Wheels2Axis);
    EXPECT_EQ(StrToWheelLayout(QStringLiteral("6 Wheels, 3 Axis")), wl6Wheels3Axis);
    EXPECT_EQ(StrToWheelLayout(QStringLiteral("6 Wheels")), wl4Wheels);
    EXPECT_EQ(WheelLayoutToStr(wl6Wheels2Axis), QStringLiteral("6 Wheels, 2 Axis"));
    EXPECT_EQ(WheelLayoutToStr(TWheelLayout(7)), QStringLiteral("<Error>"));
}

TEST(EnumTexts, EffectsWithTheirRadius)
{
    SetDecimalSeparator(QLatin1Char(','));
    EXPECT_EQ(EffectToStr(ekArea, 2.0), QStringLiteral("area, 2\""));
    EXPECT_EQ(EffectToStr(ekBurst, 0.5), QStringLiteral("burst, 0,5\""));
    EXPECT_EQ(EffectToStr(ekSmoke, -1.0), QStringLiteral("smoke"));
    EXPECT_EQ(EffectToStr(ekPaint, 0.0), QStringLiteral("paint"));
    EXPECT_EQ(EffectToStr(ekNone, -1.0), QStringLiteral("-"));
    EXPECT_EQ(EffectToStr(TEffectKind(8), -1.0), QStringLiteral("<unknown>"));
    SetDecimalSeparator(QLatin1Char('.'));
    EXPECT_EQ(EffectToStr(ekBurst, 0.5), QStringLiteral("burst, 0.5\""));
}

TEST(EnumTexts, Dice)
{
    EXPECT_EQ(DiceToStr(dkNone, -1, -1), QStringLiteral("-"));
    EXPECT_EQ(DiceToStr(dkFixed, 0, 4), QStringLiteral("4"));
    EXPECT_EQ(DiceToStr(dkDice, 2, 1), QStringLiteral("2d6+1"));
    EXPECT_EQ(DiceToStr(dkDice, 1, -2), QStringLiteral("1d6-2"));
    EXPECT_EQ(DiceToStr(dkDice, 3, 0), QStringLiteral("3d6"));
    EXPECT_EQ(DiceToStr(TDamageKind(5), 3, 0), QStringLiteral("<unknown>"));
}

TEST(EnumTexts, DashesAndParentheses)
{
    EXPECT_EQ(IntToStrOrDash(0), QStringLiteral("-"));
    EXPECT_EQ(IntToStrOrDash(20), QStringLiteral("20"));
    EXPECT_EQ(ToHitToStr(-1), QStringLiteral("-"));
    EXPECT_EQ(ToHitToStr(7), QStringLiteral("7"));
    EXPECT_EQ(ParenthesisText(QStringLiteral("Machine Gun (MG)")), QStringLiteral("MG"));
    EXPECT_EQ(ParenthesisText(QStringLiteral("MG")), QStringLiteral("MG"));
    EXPECT_EQ(ParenthesisText(QStringLiteral("Odd (")), QString());
    EXPECT_EQ(ParenthesisTextOrDash(QStringLiteral("Armor-Piercing (AP)")), QStringLiteral("AP"));
    EXPECT_EQ(ParenthesisTextOrDash(QStringLiteral("Normal")), QStringLiteral("-"));
}

} // namespace
