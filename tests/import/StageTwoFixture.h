#pragma once

#include "import/ImportResult.h"
#include "import/ImportTarget.h"
#include "model/Vehicle.h"

#include <QStringList>

#include <memory>

#include <gtest/gtest.h>

// The default settings and the shipped rules tables, with the number format
// fixed so that the reports read the same everywhere.
void UseShippedRulesForImport();

// Stage 1 of the import on Text alone.
TImportResult StageOne(const QString& Text);

// What the main window does after every edit, as far as the figures go.
void RecalculateFigures(TVehicle& V);

// The main window's part in stage 2, without a window: it keeps the design
// and notes every call in order.
class THeadlessMain : public TImportTarget
{
    std::unique_ptr<TVehicle> FDesign = std::make_unique<TVehicle>();

public:
    TVehicle& Design = *FDesign;
    QStringList Calls;

    TVehicle& Vehicle() const override { return *FDesign; }
    void FileNew() override;
    void AddWeaponToList(const TWeaponType& Weapon, int Serial, QString& LocationText, TLocation Location) override;
    void LoadGUI() override;
    void RecalcVehicle(bool RebuildCA) override;
    void HandleEWPArmor() override { Calls << QStringLiteral("HandleEWPArmor"); }
    void HandleRocketVis() override { Calls << QStringLiteral("HandleRocketVis"); }
};

class StageTwo : public ::testing::Test
{
protected:
    static void SetUpTestSuite() { UseShippedRulesForImport(); }
};
