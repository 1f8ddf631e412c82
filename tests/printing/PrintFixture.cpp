#include "PrintFixture.h"

#include "common/WorkingFolder.h"
#include "gamecar/Graphics.h"
#include "model/Global.h"
#include "model/Lookups.h"
#include "model/RulesReaders.h"
#include "model/SettingsVariables.h"
#include "model/Vehicle.h"
#include "platform/Numbers.h"
#include "printing/PrintUtils.h"

void PrintFixture::SetUpTestSuite()
{
    const TWorkingFolder folder(QStringLiteral(RIGSMITH_RUNTIME_DIR));
    SetSettingsDefaults(QStringLiteral(RIGSMITH_RUNTIME_DIR));
    ReadAllTypes();
    LoadGraphics();
    SetDecimalSeparator(QLatin1Char('.'));
}

void PrintFixture::TearDownTestSuite()
{
    FreeGraphics();
}

PrintFixture::PrintFixture()
{
    const TWorkingFolder folder(QStringLiteral(RIGSMITH_RUNTIME_DIR));
    SetSettingsDefaults(QStringLiteral(RIGSMITH_RUNTIME_DIR));
    Page = std::make_unique<TRecordingPrinter>();
    FCar = std::make_unique<TGameCar>();
    FindSuspensionType(QStringLiteral("Heavy"), V().Suspension);
    CrewBuffer = TCrewTypes();
    // A blank plan: white paper, as the plan of an empty design leaves it.
    LayoutPicture.SetSize(365, 373);
    LayoutPicture.Clear(clWhite32);
    Form = std::make_unique<TfrmPrint>(nullptr, LayoutPicture);
    Form->SetupPrint(FCar.get(), true);
}

PrintFixture::~PrintFixture() = default;

void PrintFixture::UsePrinter(int pageWidth, int pageHeight, int pixelsPerInch)
{
    // The old printer withdraws itself before the new one takes its place.
    Page.reset();
    Page = std::make_unique<TRecordingPrinter>(pageWidth, pageHeight, pixelsPerInch);
    ReadPrinterMetrics();
}

void PrintFixture::Mount(const char* abbreviation, TLocation location)
{
    TWeaponType w;
    ASSERT_TRUE(FindWeaponType(QString::fromLatin1(abbreviation), w)) << abbreviation;
    w.Location = location;
    int index = 0;
    V().AddWeapon(w, index);
}
