#include "StageTwoFixture.h"

#include "import/BuildDesign.h"
#include "import/ClaimedFigures.h"
#include "import/CrewWeaponRecognisers.h"
#include "import/ImportResult.h"
#include "model/Global.h"
#include "platform/Errors.h"

namespace {

using ImportRobustness = StageTwo;

// Whatever is pasted, both stages end: with a result, or for a count or
// armor value that is no number with the conversion error.
TEST_F(ImportRobustness, AnyTextEnds)
{
    const char* const Texts[] = {
        "",
        "(",
        ")",
        "((((,,,))))",
        "Driver (",
        "Driver )",
        "Driver, Gunner, Driver and Gunner (",
        "Gunner Driver",
        "$",
        "$$ $",
        "lbs",
        "LBS lbs 1lbs",
        "HC",
        "Accel",
        "Top Speed",
        "x, 2x, 3xx, 99999999999x MG",
        "front: front: front:",
        "EWP Turret Rocket Platform",
        "* ",
        "*",
        "#",
        "* Weapons: \nfront:  99999999999x Machine Gun",
        "* Crew: \n\n\nGunner:",
        "* Armor: :::",
        "* Engine: cid N2O GAL",
        "* Equipment: \n(\n)\n()\nx\n0x Spoiler",
        "One Two Three Four Five Six Seven Eight Nine Ten ",
        "\r\n\r\n\r",
    };
    for (const char* Text : Texts) {
        const QString Pasted = QString::fromLatin1(Text);
        QString S = Pasted;
        ParseCrew(S);
        S = Pasted;
        ParseWeapons(S);
        for (auto Read : {ParseAcceleration, ParseTopSpeed, ParseHC, ParseWeight, ParseCost}) {
            S = Pasted;
            Read(S);
        }
        TImportResult Out;
        ImportDescription(Pasted, Out);
        THeadlessMain Main;
        for (const QStringList& Lines : {Out.Result, Pasted.split(QLatin1Char('\n'))}) {
            try {
                AcceptImport(Lines, Main);
            } catch (const EConvertError&) {
            }
            EXPECT_FALSE(GUILoading) << Text;
        }
    }
}

} // namespace
