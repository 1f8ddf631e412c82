#include "SheetFixture.h"

#include "gamecar/Graphics.h"
#include "model/Global.h"
#include "model/RulesReaders.h"
#include "model/SettingsVariables.h"
#include "platform/Numbers.h"
#include "printing/PrintUtils.h"

void SheetTest::SetUpTestSuite()
{
    const TWorkingFolder folder(QStringLiteral(RIGSMITH_RUNTIME_DIR));
    SetSettingsDefaults(QStringLiteral(RIGSMITH_RUNTIME_DIR));
    ReadAllTypes();
    SetDecimalSeparator(QLatin1Char('.'));
    LoadGraphics();
}

void SheetTest::TearDownTestSuite()
{
    FreeGraphics();
}

SheetTest::SheetTest() : Folder(QStringLiteral(RIGSMITH_RUNTIME_DIR)), LayoutPicture(365, 373)
{
    SetSettingsDefaults(QStringLiteral(RIGSMITH_RUNTIME_DIR));
    SetPrinter(&Recorder);
    Car = std::make_unique<TGameCar>();
    Form = std::make_unique<TfrmPrint>(nullptr, LayoutPicture);
}

SheetTest::~SheetTest()
{
    Form.reset();
    SetPrinter(nullptr);
}

void SheetTest::Open(const char* fileName)
{
    QString err;
    V().Load(QStringLiteral("Designs/") + QString::fromLatin1(fileName), err);
    ASSERT_TRUE(err.isEmpty()) << err.toStdString();
    CrewBuffer = V().Crew;
    Car->Reset();
    Form->SetupPrint(Car.get());
    Recorder.Clear();
}
