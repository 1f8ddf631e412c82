#include "SheetFixture.h"

#include "common/WorkingFolder.h"
#include "model/Global.h"

void SheetTest::Open(const char* fileName)
{
    const TWorkingFolder folder(QStringLiteral(RIGSMITH_RUNTIME_DIR));
    QString err;
    V().Load(QStringLiteral("Designs/") + QString::fromLatin1(fileName), err);
    ASSERT_TRUE(err.isEmpty()) << err.toStdString();
    CrewBuffer = V().Crew;
    FCar->Reset();
    Form->SetupPrint(FCar.get());
    Clear();
}

void SheetTest::AddEveryNote()
{
    ConfettiNr = true;
    V().CAFrame = true;
    V().Rollcage = true;
    // Airdam, spoiler, active suspension, ABS, heavy-duty shocks and the
    // paint-cloud filter.
    for (const int nr : {0, 1, 9, 10, 11, 12})
        V().SetEquipment(nr, 1, QString());
    V().GetWeight(WeightList);
    V().GetRange();
    ASSERT_TRUE(V().Sloped);
    ASSERT_GT(V().GasEngine.CurrentMPG, 0);
}

void SheetTest::Clear()
{
    Log().clear();
    Page->Recorder.Texts.clear();
}

QStringList SheetTest::Texts()
{
    QStringList texts;
    for (const QString& line : Log())
        if (line.startsWith(QLatin1String("Text ")))
            texts << line.mid(5);
    return texts;
}

QStringList SheetTest::Shapes()
{
    QStringList shapes;
    for (const QString& line : Log())
        if (!line.startsWith(QLatin1String("Text ")))
            shapes << line;
    return shapes;
}

QStringList SheetTest::Fonts()
{
    QStringList fonts;
    for (const TRecordedText& text : Page->Recorder.Texts)
        fonts << QStringLiteral("%1 %2").arg(text.Font.Name).arg(text.Font.Size);
    return fonts;
}
