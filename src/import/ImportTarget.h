#pragma once

#include "model/Enums.h"
#include "model/RulesTypes.h"

#include <QString>

class TVehicle;

// What the second stage of the import needs from the main window. The window
// implements it by forwarding to its own commands; tests implement it
// without a window.
class TImportTarget
{
public:
    virtual ~TImportTarget() = default;

    // The design being edited (Car's vehicle), read after FileNew.
    virtual TVehicle& Vehicle() const = 0;
    // The New command: the design back to its defaults, the controls reloaded.
    virtual void FileNew() = 0;
    // Builds the weapon's row; does not change the design.
    virtual void AddWeaponToList(const TWeaponType& Weapon, int Serial, QString& LocationText, TLocation Location) = 0;
    // Shows exactly the design in the controls.
    virtual void LoadGUI() = 0;
    virtual void RecalcVehicle(bool RebuildCA) = 0;
    virtual void HandleEWPArmor() = 0;
    virtual void HandleRocketVis() = 0;
};
