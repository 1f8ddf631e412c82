#include "StageTwoFixture.h"

#include "import/CrewWeaponRecognisers.h"
#include "import/TextSearch.h"

namespace {

struct TRecogniserCase {
    const char* Text;
    const char* Value;
    const char* Remains;
};

using CrewRecogniser = StageTwo;

TEST_F(CrewRecogniser, ReadsSeatsAndGear)
{
    const TRecogniserCase Cases[] = {
        {"Driver, Gunner (Body Armor, Submachine Gun), Two-space Rocket Platform",
         "Driver: \r\nGunner: Submachine Gun, Body Armor", "Two-space Rocket Platform"},
        {"Driver (Body Armor, Gas Mask), front: MG", "Driver: Body Armor, Gas Mask", "front: MG"},
        {"Driver and Gunner: Improved Body Armor, front: MG", "Driver and Gunner: Improved Body Armor", "front: MG"},
        {"Driver, Gas Mask, BA, Spoiler", "Driver: Gas Mask, Body Armor", "Spoiler"},
        {"Driver (Gas Mask, GM)", "Driver: Gas Mask", ""},
        {"Driver (Fire Extinguisher, Portable Fire Extinguisher)", "Driver: Portable Fire Extinguisher", ""},
        {"Driver (Micro, H Pistol)", "Driver: Heavy Pistol, Portable Micromissile Launchen", ""},
        {"Driver, Cargo", "Driver: ", "Cargo"},
        {"Gunner (Body Armor)", "", "Gunner (Body Armor)"},
        {"Driver ()", "Driver: ", "()"},
    };
    for (const TRecogniserCase& Case : Cases) {
        QString S = QLatin1String(Case.Text);
        EXPECT_EQ(ParseCrew(S).toStdString(), Case.Value) << Case.Text;
        EXPECT_EQ(S.toStdString(), Case.Remains) << Case.Text;
        EXPECT_TRUE(SearchTable.isEmpty());
        EXPECT_TRUE(SortedSearchTable.isEmpty());
    }
}

using WeaponRecogniser = StageTwo;

TEST_F(WeaponRecogniser, ReadsWeaponsAndAccessories)
{
    const TRecogniserCase Cases[] = {
        {"3 Heavy Rockets front", "* Weapons: \r\nfront:  3x Heavy Rocket\r\n", ""},
        {"front: 2 MG (AP, AP)", "* Weapons: \r\nfront:  2x Machine Gun (Ammo: AP)\r\n", ""},
        {"back: MD (+Ammo), left: SmD", "* Weapons: \r\nback:  Minedropper (+Ammo)\r\nleft:  Smoke Discharger\r\n", ""},
        {"MG, +SWC", "* Weapons: \r\nfront:  Machine Gun (+SWC)\r\n", ""},
        {"+SWC, MG", "* Weapons: \r\nfront:  Machine Gun\r\n", "+SWC"},
        {"in turret: IR L+HRSWC", "* Weapons: \r\nturret:  Laser (IR) (+HRSWC)\r\n", ""},
        {"back: 2 Pulse LL", "* Weapons: \r\nback:  2x Light Laser (Pulse)\r\n", ""},
        {"back: SD, in turret: IR Pulse L+HRSWC , on EWP: LtR",
         "* Weapons: \r\nback:  Spikedropper\r\nturret:  Laser (IR) (Pulse) (+HRSWC)\r\newp:  Light Rocket\r\n", ""},
        // One magazine for a group of three, loads for two of them.
        {"front: 3 MG (AP, AP, +2 Ammo), left: 2 AC (HEAT, +Ammo)",
         "* Weapons: \r\nfront:  3x Machine Gun (Ammo: AP, AP, -) (+2 Ammo)\r\nleft:  2x Autocannon (Ammo: HEAT, -) "
         "(+1 Ammo)\r\n",
         ""},
        {"MG with APE ammo", "* Weapons: \r\nfront:  Machine Gun (Ammo: APe)\r\n", ""},
        {"MG front extra magazine", "* Weapons: \r\nfront:  Machine Gun (+Ammo)\r\n", ""},
        {"2-space turret", "# No weapons found!\r\n* Equipment: \r\nTwo-space Turret\r\n", ""},
        {"0-space turret", "# No weapons found!\r\n* Equipment: \r\nZero-space Turret\r\n", ""},
        {"2-space Rocket EWP (10 pt)", "# No weapons found!\r\n* Equipment: \r\nTwo-space  Rocket  (10 pt) EWP\r\n", ""},
        {"Two-space Rocket Platform", "# No weapons found!\r\n* Equipment: \r\nTwo-space  Rocket Platform \r\n", ""},
        {"2 Bumper Triggers", "# No weapons found!\r\n* Equipment: \r\nBumper Trigger Front\r\nBumper Trigger Back\r\n", ""},
        {"back: Bumper Trigger", "# No weapons found!\r\n* Equipment: \r\nBumper Trigger Back\r\n", ""},
        {"2x Bumper Spikes (front), Spoiler", "# No weapons found!\r\n* Equipment: \r\n2x Bumper Spikes (front)\r\nSpoiler\r\n", ""},
        // Armor points are no count, and a location word serves the weapons
        // listed after it.
        {"One-Space Side Rocket EWP (4 pt)", "# No weapons found!\r\n* Equipment: \r\nOne-space  Side Rocket  (4 pt) EWP\r\n", ""},
        {"turret: L+HRSWC (3 pt FP CA)", "* Weapons: \r\nturret:  Laser (+HRSWC) (3 pt FP CA)\r\n", ""},
        {"back: FT, MD, left: SmD", "* Weapons: \r\nback:  Flamethrower\r\nback:  Minedropper\r\nleft:  Smoke Discharger\r\n", ""},
        // A turret without a size is the place of what it names.
        {"MG in turret, Turret Spoiler", "* Weapons: \r\nturret:  Machine Gun\r\n* Equipment: \r\nSpoiler\r\n", ""},
        {"Turret, Two-space turret", "# No weapons found!\r\n* Equipment: \r\nTwo-space Turret\r\n", "Turret"},
        // An add-on item names the weapon it holds; a pod without a size
        // names no pod.
        {"Two-space Turret (2 HR), One-space Top Rocket EWP (MR)",
         "* Weapons: \r\nturret:  2x Heavy Rocket\r\newp:  Medium Rocket\r\n* Equipment: \r\nTwo-space Turret\r\n"
         "One-space  Top Rocket  EWP\r\n",
         ""},
        {"Top Rocket EWP", "", "Top Rocket EWP"},
        // Top and Side name the pod, not a place.
        {"One-space Top Rocket EWP, Two-space Side EWP",
         "# No weapons found!\r\n* Equipment: \r\nOne-space  Top Rocket  EWP\r\nTwo-space  Side  EWP\r\n", ""},
        {"front: 4 MG (AP, +Ammo)", "* Weapons: \r\nfront:  4x Machine Gun (Ammo: AP, -) (+1 Ammo)\r\n", ""},
        {"front: 99999999 MG (AP)", "* Weapons: \r\nfront:  99999999x Machine Gun (Ammo: AP, -)\r\n", ""},
        // The 2 of N2O is no count.
        {"front: N2O", "", "front: N2O"},
        {"Weight", "", "Weight"},
        {"", "", ""},
        {",,, ;;; ...", "", ""},
    };
    for (const TRecogniserCase& Case : Cases) {
        QString S = QLatin1String(Case.Text);
        EXPECT_EQ(ParseWeapons(S).toStdString(), Case.Value) << Case.Text;
        EXPECT_EQ(S.toStdString(), Case.Remains) << Case.Text;
        EXPECT_TRUE(SearchTable.isEmpty());
        EXPECT_TRUE(SortedSearchTable.isEmpty());
    }
}

} // namespace
