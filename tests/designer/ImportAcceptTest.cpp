#include "DesignerWindow.h"

#include "designer/ImportForm.h"
#include "gamecar/GameCar.h"
#include "model/Global.h"
#include "model/Vehicle.h"

#include <QFile>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

using ImportAcceptTest = DesignerWindowTest;

QString OfficialText(const char* Name)
{
    QFile File(QStringLiteral(RIGSMITH_TEST_DIR "/../gamecar/expected/") + QLatin1String(Name)
               + QStringLiteral(".official.txt"));
    return File.open(QIODevice::ReadOnly) ? QString::fromUtf8(File.readAll()) : QString();
}

// A pasted stat block, imported and accepted, becomes the design in the
// main window; its claimed figures agree, so the leftovers get no report.
TEST_F(ImportAcceptTest, AcceptedStatBlockBecomesTheEditedDesign)
{
    Start();
    frmImport->show();
    frmImport->memText->setPlainText(OfficialText("Gadfly"));
    frmImport->btnImport->click();
    ASSERT_TRUE(frmImport->btnAccept->isEnabled());
    const QString Leftovers = frmImport->memLeftovers->toPlainText();
    frmImport->btnAccept->click();

    TVehicle& V = *Car->Vehicle;
    EXPECT_EQ(V.Name, QStringLiteral("Gadfly"));
    EXPECT_EQ(V.Author, QStringLiteral("Rigsmith"));
    EXPECT_EQ(V.WeaponCount(), 2);
    QStringList List;
    EXPECT_EQ(V.GetCost(List), 3145);
    EXPECT_FALSE(GUILoading);
    EXPECT_EQ(frmImport->memLeftovers->toPlainText(), Leftovers);
    EXPECT_TRUE(frmImport->btnAccept->isEnabled());
}

TEST_F(ImportAcceptTest, DifferingClaimsAreReportedInTheLeftovers)
{
    Start();
    frmImport->show();
    frmImport->memResult->setPlainText(QStringLiteral("* Name: Claims\n* Weapons: \nfront:  Machine Gun\n* HC: 9"));
    frmImport->btnAcceptClick();
    const int HC = Car->Vehicle->GetHC();
    EXPECT_EQ(frmImport->memLeftovers->toPlainText(),
              QStringLiteral("\n---\nClaimed HC: 9, calculated: %1 (%2)").arg(HC).arg(HC - 9));
    EXPECT_EQ(Car->Vehicle->Name, QStringLiteral("Claims"));
}

} // namespace
