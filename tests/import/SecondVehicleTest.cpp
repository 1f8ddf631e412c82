#include "StageTwoFixture.h"

#include "import/ImportResult.h"
#include "import/SecondVehicle.h"
#include "import/TextSearch.h"

namespace {

using SecondVehicle = StageTwo;

// Two blocks pasted at once, in every way they follow each other: the first
// reads as it reads alone, and the second stays whole in the leftovers under
// the line that says it was not read.
TEST_F(SecondVehicle, TheSecondOfTwoBlocksIsLeftWholeAndNamed)
{
    const QString First = QStringLiteral("Camper, Extra Heavy Chassis, Off-Road Suspension, PR Tires, Super Power Plant, "
                                         "Driver, back: 2 FT, Fireproof Plastic Armor F20, B15, Accel. 5");
    const QString Second = QStringLiteral("Pickup, Standard Chassis, Light Suspension, Radial Tires, 250 cid Gas Engine, "
                                          "Economy Tank with 8 gallons, top: VMG, Metal Armor F4, U2");
    const QString Headers[][2] = {{QStringLiteral("Mole, designed by Ann Ode"), QStringLiteral("Gnat, designed by Bo Ri")},
                                  {QStringLiteral("Mole by Ann Ode"), QStringLiteral("Gnat by Bo Ri")},
                                  {QStringLiteral("Mole - Ann Ode"), QStringLiteral("Gnat - Bo Ri")},
                                  {QString(), QString()}};
    for (const auto& Header : Headers)
        for (const char* Between : {"\n\n", "\r\n\r\n", "\n \n", "\n"})
            for (const bool Capitals : {false, true}) {
                const QString Break = QLatin1String(Between);
                // Without a blank line only the program's own header starts
                // a vehicle.
                if (Break.count(QLatin1Char('\n')) < 2 && !Header[1].contains(QLatin1String("designed")))
                    continue;
                const QString Alone = (Header[0].isEmpty() ? QString() : Header[0] + QLatin1Char('\n')) + First;
                const QString Next = (Header[1].isEmpty() ? QString() : Header[1] + QLatin1Char('\n')) + Second;
                QString Text = Alone + Break + Next;
                QString AloneText = Alone;
                QString NextText = Next;
                if (Capitals) {
                    Text = AnsiUpper(Text);
                    AloneText = AnsiUpper(AloneText);
                    NextText = AnsiUpper(NextText);
                }
                TImportResult Both;
                ImportDescription(Text, Both);
                TImportResult One;
                ImportDescription(AloneText, One);
                EXPECT_EQ(Both.Result, One.Result) << Text.toStdString();
                EXPECT_EQ(Both.Leftovers.toStdString(),
                          (SecondVehicleNote + LineBreak + ReplaceLineBreaks(NextText, LineBreak)).toStdString())
                    << Text.toStdString();
            }
}

// A comment under a block that mentions a body or a part is no second
// vehicle: it stays in the leftovers as it stood.
TEST_F(SecondVehicle, ACommentUnderTheBlockIsNoSecondVehicle)
{
    for (const char* Comment : {"\n\nSedan owners: the chassis is the thing.", "\nVan by the door, heavy armor.",
                                "\n\nPickup trucks with solid tires are rare"}) {
        TImportResult Out;
        ImportDescription(QStringLiteral("Mole by Ann\nVan, Heavy Chassis, Solid Tires, Plastic Armor F2%1")
                              .arg(QLatin1String(Comment)),
                          Out);
        EXPECT_FALSE(Out.Leftovers.contains(SecondVehicleNote)) << Comment << "\n" << Out.Leftovers.toStdString();
    }
}

} // namespace
