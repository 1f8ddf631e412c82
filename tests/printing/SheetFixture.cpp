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
