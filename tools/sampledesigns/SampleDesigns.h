#pragma once

#include "model/Enums.h"

#include <QString>
#include <vector>

class TVehicle;

// One weapon of a design built in code, named by its abbreviation in the
// shipped weapons table, with the options it is mounted with.
struct TWeaponMount {
    const char* Abbreviation;
    TLocation Location;
    const char* Ammo = "-";
    bool ExtraAmmo = false;
    bool SWC = false;
    bool HRSWC = false;
    bool LaserIR = false;
    bool LaserPulse = false;
    int CA = 0;
    bool CA_FP = false;
};

// Adds the weapon to the design; a name the table lacks throws.
void Mount(TVehicle& v, const TWeaponMount& m);

// The sample designs shipped in Designs/, built in code from the shipped
// rules tables, so that the files are always what our own Save writes.
struct TSampleDesign {
    const char* FileName;
    void (*Build)(TVehicle& Vehicle);
};

// VezeRidiv.vx first: the settings' default design and default opponent.
const std::vector<TSampleDesign>& SampleDesigns();

// Writes every sample design into Folder; false after a reported failure.
bool WriteSampleDesigns(const QString& Folder);
