#include "SheetFixture.h"

namespace {

using RecordSheetTest = SheetTest;

// Every sample design prints a whole record sheet with all its sections.
TEST_F(RecordSheetTest, EverySampleDesignPrintsAWholeSheet)
{
    for (const char* design : {"Brickhouse.vx", "Gadfly.vx", "Lightbringer.vx", "Thunderwagon.vx", "VezeRidiv.vx"}) {
        SCOPED_TRACE(design);
        Open(design);
        Form->PrintSheet(0, nullptr);
        for (const char* section : {"Basic Info", "Deceleration Difficulty & Damage", "Tires:", "Weapon",
                                    "Current Speed", "Handling Status", "Difficulty this phase:",
                                    "Acc./Dec. this turn:", "Fired this turn:", "Notes:"}) {
            bool found = false;
            for (const QString& text : Texts())
                found = found || text.section(QLatin1Char(' '), 2) == QLatin1String(section);
            EXPECT_TRUE(found) << section;
        }
        EXPECT_EQ(Shapes().filter(QStringLiteral("Draw ")).filter(QStringLiteral(",6450 ")).size(), 7);
    }
}

} // namespace
