#include "DesignSummary.h"
#include "GeneratedDesigns.h"
#include "StageTwoFixture.h"

#include "gamecar/OfficialDescription.h"
#include "import/BuildDesign.h"
#include "import/ImportResult.h"
#include "import/TextSearch.h"
#include "model/Global.h"

#include <string>

namespace {

// The designs come in blocks of seeds, so that the blocks run side by side.
class GeneratedRoundTrip : public StageTwo, public ::testing::WithParamInterface<int>
{
};

constexpr std::uint32_t FirstSeed = 1;
constexpr int DesignsPerBlock = 250;
constexpr int Blocks = 8;
// The widths a forum or a mail program wraps at, from a narrow column to a
// wide one; 0 is one item a line, -1 one line as written. Mailed is the
// block passed on by mail (MailedOut) at a width narrow enough to wrap the
// invalid mark's line after its "##", in lower case where the design is not
// in capitals.
constexpr int Mailed = -2;
constexpr int MailedWidth = 7;
constexpr int Layouts[] = {-1, 11, 29, 47, 72, 0, Mailed};

std::string LayoutName(int Width, bool Capitals)
{
    if (Width == Mailed)
        return "mailed on at " + std::to_string(MailedWidth) + (Capitals ? ", in capitals" : ", in lower case");
    std::string Name = Width < 0 ? "one line" : Width == 0 ? "one item a line" : "wrapped at " + std::to_string(Width);
    return Capitals ? Name + ", in capitals" : Name;
}

// What the program writes of a generated design, with its header and in the
// printed form, in capitals, hard-wrapped and one item a line, reads back
// through both stages of the import into a design that is the same part by
// part, whose figures are the ones the text claims. The printed form names
// no hand guns, so the design it is compared with carries none.
TEST_P(GeneratedRoundTrip, OfficialDescriptionReadsBackToTheSameDesign)
{
    int Failures = 0;
    const std::uint32_t First = FirstSeed + std::uint32_t(GetParam() * DesignsPerBlock);
    for (std::uint32_t Seed = First; Seed < First + DesignsPerBlock; ++Seed) {
        // With and without header, in capitals and as written: each of the
        // four on every fourth design, so that every layout meets them all.
        const bool WithHeader = Seed % 2 == 0;
        const bool Capitals = Seed / 2 % 2 == 0;
        TVehicle Original;
        GenerateDesign(Original, Seed, WithHeader);
        RecalculateFigures(Original);
        CrewBuffer = Original.Crew;
        QString Written;
        OfficialDescription(Original, WithHeader, Written);
        const QString Expected = DesignSummary(Original, WithHeader);
        for (const int Width : Layouts) {
            QString Text = Capitals ? AnsiUpper(Written) : Width == Mailed ? Written.toLower() : Written;
            if (Width == Mailed)
                Text = MailedOut(Text, MailedWidth);
            else if (Width >= 0)
                Text = LaidOut(Text, Width);
            TImportResult Out;
            ImportDescription(Text, Out);
            THeadlessMain Main;
            // The figures the text claims are those of the design it reads.
            const QString Differences = AcceptImport(Out.Result, Main);
            const QString Read = DesignSummary(Main.Design, WithHeader);
            // Names and notes come back in the case they were written in.
            const bool Folded = Capitals || Width == Mailed;
            if ((Folded ? AnsiUpper(Read) : Read) == (Folded ? AnsiUpper(Expected) : Expected)
                && Differences.isEmpty())
                continue;
            if (++Failures <= 5)
                ADD_FAILURE() << "seed " << Seed << (WithHeader ? " with header, " : " printed, ")
                              << LayoutName(Width, Capitals) << "\n--- expected\n" << Expected.toStdString()
                              << "\n--- read\n" << Read.toStdString() << "\n--- text\n" << Text.toStdString()
                              << "\n--- result\n" << Out.Result.join(QLatin1Char('\n')).toStdString()
                              << "\n--- leftovers\n" << Out.Leftovers.toStdString() << "\n--- claims\n"
                              << Differences.toStdString();
        }
    }
    EXPECT_EQ(Failures, 0);
}

INSTANTIATE_TEST_SUITE_P(Seeds, GeneratedRoundTrip, ::testing::Range(0, Blocks));

} // namespace
