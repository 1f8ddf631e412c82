#include "AccountingTestBase.h"

#include <functional>

namespace {

using VehicleYearTest = AccountingTest;

TEST_F(VehicleYearTest, AnOldDesignIsOfTheBaseYear)
{
    TVehicle v; // every fixture item dates from 2025
    List = QStringList{QStringLiteral("earlier")};
    EXPECT_EQ(v.GetYear(List), 2031);
    EXPECT_EQ(List, QStringList{QStringLiteral("Entire Vehicle: 2031")});
}

TEST_F(VehicleYearTest, TrailHoldsTheSuccessiveLatestComponents)
{
    TVehicle v;
    v.Chassis.Year = 2035;
    v.Suspension.Year = 2033;
    v.TiresFront.Year = 2040;
    EXPECT_EQ(v.GetYear(List), 2040);
    EXPECT_EQ(List, QStringList({"Standard Chassis : 2035", "Standard Tires : 2040"}));
}

TEST_F(VehicleYearTest, EveryKindOfComponentInVisitingOrder)
{
    TVehicle v;
    v.Body.Year = 2032;
    v.TiresRear.Year = 2033;
    v.CAFrame = true;   // 2038
    v.Rollcage = true;  // 2033: not later
    v.Sloped = true;    // 2039
    v.Armor.TopM = 1;   // 2036: not later
    v.PowerCellEngine.Year = 2040;
    v.PowerCellEngine.SC = true;
    TWeaponType w = TRulesFixture::Weapon("MG");
    w.Year = 2041;
    int index;
    v.AddWeapon(w, index);
    v.Equipment.Items[6].Year = 2042;
    v.Equipment.Items[7].Year = 2050; // not installed
    v.SetEquipment(6, 1, QString());
    v.EWP = ewpOneSpaceTop;
    EXPECT_EQ(v.GetYear(List), 2042);
    EXPECT_EQ(List, QStringList({
                        "Subcompact Body : 2032",
                        "Standard Rear Tires : 2033",
                        "CA Frame : 2038",
                        "Sloped Armor : 2039",
                        "Small Engine : 2040",
                        "Machine Gun : 2041",
                        "Radio : 2042",
                    }));
}

TEST_F(VehicleYearTest, OnlyTheFirstOptionOfAYearIsListed)
{
    TVehicle v;
    v.PowerCellEngine = TRulesFixture::CEngine("None");
    v.GasEngine = TRulesFixture::GEngine("30 cid");
    v.GasEngine.C = true;
    v.GasEngine.TC = true;
    EXPECT_EQ(v.GetYear(List), 2038);
    EXPECT_EQ(List, QStringList{QStringLiteral("Carburetor : 2038")});
}

TEST_F(VehicleYearTest, OptionsAndTheirTexts)
{
    const struct {
        std::function<void(TVehicle&)> Change;
        const char* Line;
    } cases[] = {
        {[](TVehicle& v) { v.Armor.FP = true; }, "Fireproof Armor : 2033"},
        {[](TVehicle& v) { v.Armor.LR = true; }, "Laser-Reflective Armor : 2034"},
        {[](TVehicle& v) { v.Armor.BackM = 2; }, "Metal Armor : 2036"},
        {[](TVehicle& v) { v.PowerCellEngine.PC = true; }, "Platinum Catalyst : 2038"},
        {[](TVehicle& v) { v.PowerCellEngine.EPC = true; }, "Extra Power Cells : 2038"},
        {[](TVehicle& v) { v.PowerCellEngine.ISC = 1; }, "Improved Supercharger Capacitor : 2038"},
        {[](TVehicle& v) { v.EWP = ewpOneSpaceSide; }, "External Weapon Pods : 2035"},
        {[](TVehicle& v) { v.Crew[0].ITC = true; }, "Improved Targeting Computer : 2034"},
        {[](TVehicle& v) {
             v.Crew[1].Seat = true;
             v.Crew[1].ITC = true;
         },
         "Improved Targeting Computer : 2034"},
    };
    for (const auto& c : cases) {
        TVehicle v;
        c.Change(v);
        v.GetYear(List);
        EXPECT_EQ(List, QStringList{QString::fromLatin1(c.Line)});
    }
}

TEST_F(VehicleYearTest, GasEngineOptions)
{
    const struct {
        bool TGEngineType::*Option;
        const char* Line;
    } cases[] = {
        {&TGEngineType::MC, "Multibarrel Carburetor : 2038"},
        {&TGEngineType::TH, "Tubular Headers : 2038"},
        {&TGEngineType::BP, "Blueprinting : 2038"},
        {&TGEngineType::VTC, "Variable Pitch Turbocharger : 2038"},
        {&TGEngineType::SC, "Supercharger : 2038"},
    };
    for (const auto& c : cases) {
        TVehicle v;
        v.PowerCellEngine = TRulesFixture::CEngine("None");
        v.GasEngine = TRulesFixture::GEngine("30 cid");
        v.GasEngine.*c.Option = true;
        v.GetYear(List);
        EXPECT_EQ(List, QStringList{QString::fromLatin1(c.Line)});
    }
    TVehicle v;
    v.PowerCellEngine = TRulesFixture::CEngine("None");
    v.GasEngine = TRulesFixture::GEngine("30 cid");
    v.GasEngine.Year = 2032;
    v.GasEngine.NO = 1;
    v.GetYear(List);
    EXPECT_EQ(List, QStringList({"30 cid Gas Engine : 2032", "N2O : 2038"}));
}

TEST_F(VehicleYearTest, TheGunnersComputerNeedsAGunner)
{
    TVehicle v;
    v.Crew[1].ITC = true;
    EXPECT_EQ(v.GetYear(List), 2031);
    EXPECT_EQ(List, QStringList{QStringLiteral("Entire Vehicle: 2031")});
}

} // namespace
