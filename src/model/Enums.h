#pragma once

#include <QString>
#include <cstdint>

// The small enumerations of the design and the rules records. Each is held in
// one byte (turret and pod kinds in an int) and may carry values outside its
// named range: a weapon not yet placed has location 9, an unknown class 9.

enum TLocation : std::uint8_t {
    locFront = 0,
    locLeft = 1,
    locRight = 2,
    locBack = 3,
    locTurret = 4,
    locEWP = 5,
    locRocketPlatform = 6,
    locNotPlaced = 9,
};

enum TWeaponClass : std::uint8_t {
    wcSmallBore = 0,
    wcLargeBore = 1,
    wcRockets = 2,
    wcLasers = 3,
    wcFlamethrowers = 4,
    wcDroppedGases = 5,
    wcDroppedLiquids = 6,
    wcDroppedSolids = 7,
    wcDischargers = 8,
    wcUnknown = 9,
};

enum TWheelLayout : std::uint8_t {
    wl4Wheels = 0,
    wl6Wheels2Axis = 1,
    wl6Wheels3Axis = 2,
};

enum TEffectKind : std::uint8_t {
    ekNone = 0,
    ekArea = 1,
    ekPaint = 2,
    ekSmoke = 3,
    ekDropped = 4,
    ekBurst = 5,
};

enum TDamageKind : std::uint8_t {
    dkNone = 0,
    dkFixed = 1,
    dkDice = 2,
};

enum TArmorKind : std::uint8_t {
    akPlastic = 0,
    akMetal = 1,
    akComposite = 2,
};

// The design holds turret and pod kinds as plain integers.
using TTurretKind = int;
enum : int {
    tkNone = 0,
    tkZeroSpace = 1,
    tkOneSpace = 2,
    tkOneSpacePopUp = 3,
    tkTwoSpace = 4,
    tkTwoSpacePopUp = 5,
    tkThreeSpace = 6,
    tkThreeSpacePopUp = 7,
};

// An odd kind is a pair of side pods, an even kind other than 0 one roof pod.
using TEWPKind = int;
enum : int {
    ewpNone = 0,
    ewpOneSpaceSide = 1,
    ewpOneSpaceTop = 2,
    ewpTwoSpaceSide = 3,
    ewpTwoSpaceTop = 4,
    ewpThreeSpaceSide = 5,
    ewpThreeSpaceTop = 6,
};
