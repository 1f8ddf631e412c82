#include "DesignerWindow.h"

#include "model/EnumTexts.h"
#include "model/Global.h"
#include "model/Lookups.h"
#include "model/Vehicle.h"
#include "platform/widgets/WidgetUtils.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QScrollArea>
#include <QSpinBox>
#include <algorithm>

namespace {

class RowsTest : public DesignerWindowTest
{
protected:
    void SetUp() override
    {
        DesignerWindowTest::SetUp();
        W = &Start();
    }

    int ModelCost() const
    {
        TVehicle copy = W->Vehicle();
        QStringList list;
        return copy.GetCost(list);
    }

    template <typename T>
    T* Equipment(const char* prefix, int nr) const
    {
        return qobject_cast<T*>(FindControlByPrefix(W->scrInstalledEquipment->widget(), QLatin1String(prefix), nr));
    }

    template <typename T>
    T* CA(const char* prefix, int tag) const
    {
        return qobject_cast<T*>(FindControlByPrefix(W->scrCA->widget(), QLatin1String(prefix), tag));
    }

    // The first accessory of the rules that the condition picks.
    template <typename F>
    static const TEquipmentType& Accessory(F&& picks)
    {
        for (const TEquipmentType& e : EquipmentTypes.Items)
            if (picks(e))
                return e;
        ADD_FAILURE() << "no such accessory in the rules";
        return EquipmentTypes.Items.first();
    }

    // Mounts a weapon of the rules as the text import does, and recalculates.
    void Mount(const char* abbreviation, TLocation location = locFront)
    {
        TWeaponType weapon;
        ASSERT_TRUE(FindWeaponType(QLatin1String(abbreviation), weapon));
        weapon.Location = location;
        int index = 0;
        W->Vehicle().AddWeapon(weapon, index);
        W->ClickRecalcVehicle();
    }

    // The component-armor rows from top to bottom, by the names of their labels.
    QStringList CALabels() const
    {
        QList<QLabel*> labels = W->scrCA->widget()->findChildren<QLabel*>(QString(), Qt::FindDirectChildrenOnly);
        std::sort(labels.begin(), labels.end(), [](QLabel* a, QLabel* b) { return a->y() < b->y(); });
        QStringList names;
        for (QLabel* label : labels)
            names << label->objectName();
        return names;
    }

    TfrmMain* W = nullptr;
};

TEST_F(RowsTest, EveryAccessoryOfTheRulesHasItsRow)
{
    ASSERT_FALSE(EquipmentTypes.Items.isEmpty());
    QWidget* content = W->scrInstalledEquipment->widget();
    // The rows are laid out for content of the design's width; the box
    // stretches and the amount and information move with the right edge.
    const int grown = content->width() - TRowScrollBox::RowsWidth;
    for (int i = 0; i < EquipmentTypes.Items.size(); ++i) {
        const TEquipmentType& e = EquipmentTypes.Items[i];
        SCOPED_TRACE(e.Name.toStdString());
        const int top = 42 + 20 * i;
        auto* box = Equipment<QCheckBox>("chkEquipment", e.Nr);
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->objectName(), QStringLiteral("chkEquipment_%1").arg(i));
        EXPECT_EQ(box->text(), e.Name);
        EXPECT_EQ(box->toolTip(), e.Comment);
        EXPECT_EQ(box->geometry().topLeft(), QPoint(4, top + 4));
        EXPECT_EQ(box->width(), 205 + grown);
        EXPECT_FALSE(box->isChecked());

        auto* spin = Equipment<QSpinBox>("spinEquipment", e.Nr);
        EXPECT_EQ(spin != nullptr, e.MaxAmt > 1);
        if (spin) {
            EXPECT_EQ(spin->objectName(), QStringLiteral("spinEquipment_%1").arg(i));
            EXPECT_EQ(spin->geometry(), QRect(174 + grown, top, 37, 22));
            EXPECT_EQ(spin->minimum(), 1);
            EXPECT_EQ(spin->maximum(), e.MaxAmt);
            EXPECT_EQ(spin->value(), 1);
        }
        auto* edit = Equipment<QLineEdit>("edEquipment", e.Nr);
        EXPECT_EQ(edit != nullptr, e.AddInfoOk);
        if (edit) {
            EXPECT_EQ(edit->objectName(), QStringLiteral("edEquipment_%1").arg(i));
            EXPECT_EQ(edit->geometry(), QRect(215 + grown, top, TRowScrollBox::RowsWidth - 233, 22));
            EXPECT_EQ(edit->toolTip(), QStringLiteral("Enter additional information here"));
            EXPECT_TRUE(edit->text().isEmpty());
        }
    }
    // The content ends with the last row, the scroll box being no wider.
    const QRect rows = content->childrenRect();
    EXPECT_EQ(content->height(), rows.bottom() + 1);
    EXPECT_GE(rows.bottom() + 1, 42 + 20 * EquipmentTypes.Items.size());
    EXPECT_LE(content->width(), W->scrInstalledEquipment->viewport()->width());
}

TEST_F(RowsTest, AnAccessoryWithAnAmountAndInformationIsInstalledAsItsRowSays)
{
    const TEquipmentType& e = Accessory([](const TEquipmentType& a) { return a.MaxAmt > 2 && a.AddInfoOk; });
    auto* box = Equipment<QCheckBox>("chkEquipment", e.Nr);
    auto* spin = Equipment<QSpinBox>("spinEquipment", e.Nr);
    auto* edit = Equipment<QLineEdit>("edEquipment", e.Nr);
    ASSERT_TRUE(box && spin && edit);
    const TVehicle& V = W->Vehicle();
    const QString plainCost = W->lblCostVal->text();

    // Changing the amount of an accessory that is not installed keeps it out.
    spin->setValue(2);
    EXPECT_EQ(V.EquipmentAmount(e.Nr), 0);
    EXPECT_FALSE(V.HasEquipment(e.Nr));

    box->setChecked(true);
    EXPECT_EQ(V.EquipmentAmount(e.Nr), 2);
    EXPECT_TRUE(V.HasEquipment(e.Nr));
    spin->setValue(3);
    edit->setText(QStringLiteral("Channel 9"));
    TEquipmentType fitted;
    V.GetEquipment(e.Nr, fitted);
    EXPECT_EQ(fitted.Amount, 3);
    EXPECT_EQ(fitted.Info, QStringLiteral("Channel 9"));
    EXPECT_EQ(W->lblCostVal->text(), QStringLiteral("$ %1").arg(ModelCost()));

    box->setChecked(false);
    V.GetEquipment(e.Nr, fitted);
    EXPECT_EQ(fitted.Amount, 0);
    EXPECT_FALSE(fitted.Installed);
    EXPECT_TRUE(fitted.Info.isEmpty());
    EXPECT_EQ(W->lblCostVal->text(), plainCost);
    EXPECT_TRUE(Errors.Texts().isEmpty()) << Errors.Texts().join(QLatin1Char('\n')).toStdString();
}

TEST_F(RowsTest, AnAccessoryWithoutSpinIsInstalledOnce)
{
    const TEquipmentType& e = Accessory([](const TEquipmentType& a) { return a.MaxAmt <= 1 && !a.AddInfoOk; });
    Equipment<QCheckBox>("chkEquipment", e.Nr)->setChecked(true);
    EXPECT_EQ(W->Vehicle().EquipmentAmount(e.Nr), 1);
    EXPECT_TRUE(W->Vehicle().HasEquipment(e.Nr));
}

TEST_F(RowsTest, AControlWithoutAnAccessoryBoxIsReportedAndChangesNothing)
{
    const QString cost = W->lblCostVal->text();
    QWidget stray;
    SetTag(&stray, 9999);
    W->chkEquipmentClick(&stray);
    EXPECT_EQ(Errors.Texts(),
              QStringList{QStringLiteral("An error occured in chkEquipmentClick:\r\nCheckbox with Tag 9999 not found")});
    EXPECT_EQ(W->lblCostVal->text(), cost);
}

TEST_F(RowsTest, LoadingADesignShowsItsAccessoriesWithoutRewritingThem)
{
    const TEquipmentType& e = Accessory([](const TEquipmentType& a) { return a.MaxAmt > 2 && a.AddInfoOk; });
    const TEquipmentType& single = Accessory([](const TEquipmentType& a) { return a.MaxAmt <= 1; });
    TVehicle& V = W->Vehicle();
    V.SetEquipment(e.Nr, 3, QStringLiteral("Channel 9"));
    V.SetEquipment(single.Nr, 1, QString());
    W->LoadGUI();
    EXPECT_TRUE(Equipment<QCheckBox>("chkEquipment", e.Nr)->isChecked());
    EXPECT_EQ(Equipment<QSpinBox>("spinEquipment", e.Nr)->value(), 3);
    EXPECT_EQ(Equipment<QLineEdit>("edEquipment", e.Nr)->text(), QStringLiteral("Channel 9"));
    EXPECT_TRUE(Equipment<QCheckBox>("chkEquipment", single.Nr)->isChecked());
    TEquipmentType fitted;
    V.GetEquipment(e.Nr, fitted);
    EXPECT_EQ(fitted.Amount, 3);
    EXPECT_EQ(fitted.Info, QStringLiteral("Channel 9"));

    // A design without them unticks the rows; the rows go on working.
    V.SetEquipment(e.Nr, 0, QString());
    V.SetEquipment(single.Nr, 0, QString());
    W->LoadGUI();
    EXPECT_FALSE(Equipment<QCheckBox>("chkEquipment", e.Nr)->isChecked());
    EXPECT_TRUE(Equipment<QLineEdit>("edEquipment", e.Nr)->text().isEmpty());
    Equipment<QCheckBox>("chkEquipment", single.Nr)->setChecked(true);
    EXPECT_TRUE(V.HasEquipment(single.Nr));
    EXPECT_EQ(W->lblCostVal->text(), QStringLiteral("$ %1").arg(ModelCost()));
}

TEST_F(RowsTest, TheDriverAndTheEngineHaveComponentArmorRows)
{
    // A new design has no power plant yet, so no engine to armor.
    EXPECT_EQ(CALabels(), QStringList{QStringLiteral("lblObjectCA_100")});
    // The content ends where the row ends.
    EXPECT_EQ(W->scrCA->widget()->height(), W->scrCA->widget()->childrenRect().bottom() + 1);
    EXPECT_LT(W->scrCA->widget()->height(), 40);
    Choose(W->cbCEngine, QStringLiteral("Medium"));
    EXPECT_EQ(CALabels(), (QStringList{QStringLiteral("lblObjectCA_100"), QStringLiteral("lblObjectCA_102")}));
    auto* label = CA<QLabel>("lblObjectCA", 100);
    auto* box = CA<QCheckBox>("chkObjectCA", 100);
    auto* spin = CA<QSpinBox>("seObjectCA", 100);
    ASSERT_TRUE(label && box && spin);
    EXPECT_EQ(label->text(), QStringLiteral("Driver"));
    EXPECT_EQ(label->toolTip(), QStringLiteral("CA for the Driver: max 40 points, at $10 and 4 lbs each"));
    EXPECT_EQ(label->pos(), QPoint(0, 4));
    EXPECT_EQ(box->text(), QStringLiteral("FP"));
    EXPECT_EQ(box->toolTip(), QStringLiteral("Fireproof Component Armor for the Driver?"));
    EXPECT_EQ(box->geometry().topLeft(), QPoint(70, 3));
    EXPECT_EQ(spin->toolTip(), QStringLiteral("Select amount of plastic armor for the Driver (max: 40)"));
    EXPECT_EQ(spin->pos(), QPoint(104, 0));
    EXPECT_EQ(spin->maximum(), 40);

    auto* engineLabel = CA<QLabel>("lblObjectCA", 102);
    ASSERT_NE(engineLabel, nullptr);
    EXPECT_EQ(engineLabel->text(), QStringLiteral("Engine"));
    EXPECT_EQ(engineLabel->pos(), QPoint(0, 24));
    EXPECT_EQ(engineLabel->toolTip(), QStringLiteral("CA for the Medium Cell Engine: max 80 points, at $20 and 8 lbs each"));
    EXPECT_EQ(CA<QCheckBox>("chkObjectCA", 102)->toolTip(),
              QStringLiteral("Fireproof Component Armor for the Medium Cell Engine?"));
    EXPECT_EQ(CA<QSpinBox>("seObjectCA", 102)->maximum(), 80);
    // The content is as high as the last row reaches, its fireproof box
    // standing 3 lines lower than its spin.
    EXPECT_EQ(W->scrCA->widget()->height(),
              std::max(CA<QSpinBox>("seObjectCA", 102)->geometry().bottom(),
                       CA<QCheckBox>("chkObjectCA", 102)->geometry().bottom()) + 1);
}

TEST_F(RowsTest, ComponentArmorOfTheCrewAndEngineReachesTheDesignAndStays)
{
    Choose(W->cbCEngine, QStringLiteral("Medium"));
    TVehicle& V = W->Vehicle();
    const QString plainCost = W->lblCostVal->text();
    CA<QSpinBox>("seObjectCA", 100)->setValue(12);
    CA<QCheckBox>("chkObjectCA", 100)->setChecked(true);
    CA<QSpinBox>("seObjectCA", 102)->setValue(5);
    CA<QCheckBox>("chkObjectCA", 102)->setChecked(true);
    EXPECT_EQ(V.Crew[0].CA, 12);
    EXPECT_TRUE(V.Crew[0].CA_FP);
    EXPECT_EQ(V.EngineCA, 5);
    EXPECT_TRUE(V.EngineCA_FP);
    EXPECT_NE(W->lblCostVal->text(), plainCost);
    EXPECT_EQ(W->lblCostVal->text(), QStringLiteral("$ %1").arg(ModelCost()));

    // A full recalculation rebuilds the rows from the design.
    W->chkStreamlining->setChecked(true);
    EXPECT_EQ(V.Crew[0].CA, 12);
    EXPECT_EQ(CA<QSpinBox>("seObjectCA", 100)->value(), 12);
    EXPECT_TRUE(CA<QCheckBox>("chkObjectCA", 100)->isChecked());
    EXPECT_EQ(CA<QSpinBox>("seObjectCA", 102)->value(), 5);
}

TEST_F(RowsTest, TheGunnerRowFollowsTheGunnerSeatAndItsArmorStaysInTheDesign)
{
    W->cbGunnerSeat->setChecked(true);
    EXPECT_EQ(CALabels(), (QStringList{QStringLiteral("lblObjectCA_100"), QStringLiteral("lblObjectCA_101")}));
    EXPECT_EQ(CA<QLabel>("lblObjectCA", 101)->text(), QStringLiteral("Gunner"));
    CA<QSpinBox>("seObjectCA", 101)->setValue(7);
    EXPECT_EQ(W->Vehicle().Crew[1].CA, 7);

    W->cbGunnerSeat->setChecked(false);
    EXPECT_EQ(CA<QLabel>("lblObjectCA", 101), nullptr);
    EXPECT_EQ(W->Vehicle().Crew[1].CA, 7);
    W->cbGunnerSeat->setChecked(true);
    EXPECT_EQ(CA<QSpinBox>("seObjectCA", 101)->value(), 7);
}

TEST_F(RowsTest, EveryWeaponHasAComponentArmorRowByItsSpaces)
{
    Mount("MG");
    Mount("LtR", locBack);
    Mount("ATG");
    EXPECT_EQ(CALabels(), (QStringList{QStringLiteral("lblObjectCA_100"), QStringLiteral("lblWeaponCA_0"), QStringLiteral("lblWeaponCA_1"),
                                       QStringLiteral("lblWeaponCA_2")}));
    const TVehicle& V = W->Vehicle();
    const struct {
        int Index;
        int MaxPoints;
        const char* Hint;
    } cases[] = {
        {0, 20, "CA for the front %1: max 20 points, at $5 and 2 lbs each"},
        // Half a space counts as one.
        {1, 20, "CA for the back %1: max 20 points, at $5 and 2 lbs each"},
        {2, 60, "CA for the front %1: max 60 points, at $15 and 6 lbs each"},
    };
    for (const auto& c : cases) {
        const TWeaponType& weapon = V.Weapons.Items[c.Index];
        SCOPED_TRACE(weapon.Name.toStdString());
        auto* label = CA<QLabel>("lblWeaponCA", c.Index);
        auto* box = CA<QCheckBox>("chkObjectCA", c.Index);
        auto* spin = CA<QSpinBox>("seWeaponCA", c.Index);
        ASSERT_TRUE(label && box && spin);
        EXPECT_EQ(label->text(), weapon.Abbreviation);
        EXPECT_EQ(label->toolTip(), QLatin1String(c.Hint).arg(weapon.Name));
        EXPECT_EQ(label->y(), 20 + 20 * c.Index + 4);
        EXPECT_EQ(spin->maximum(), c.MaxPoints);
        EXPECT_EQ(box->toolTip(),
                  QStringLiteral("Fireproof Component Armor for the %1 %2?").arg(LocationToStr(weapon.Location), weapon.Name));
        EXPECT_EQ(spin->toolTip(), QStringLiteral("Select amount of plastic armor for the %1 %2 (max: %3)")
                                       .arg(LocationToStr(weapon.Location), weapon.Name)
                                       .arg(c.MaxPoints));
    }
}

TEST_F(RowsTest, AWeaponsComponentArmorIsWrittenWithoutRebuildingItsRow)
{
    Mount("MG");
    Mount("AC");
    QPointer<QSpinBox> spin = CA<QSpinBox>("seWeaponCA", 1);
    QPointer<QCheckBox> box = CA<QCheckBox>("chkObjectCA", 1);
    ASSERT_TRUE(spin && box);
    spin->setValue(30);
    box->setChecked(true);
    // The row being edited is the same row afterwards.
    EXPECT_FALSE(spin.isNull());
    EXPECT_FALSE(box.isNull());
    const TVehicle& V = W->Vehicle();
    EXPECT_EQ(V.Weapons.Items[1].CA, 30);
    EXPECT_TRUE(V.Weapons.Items[1].CA_FP);
    EXPECT_EQ(V.Weapons.Items[0].CA, 0);
    EXPECT_EQ(W->lblCostVal->text(), QStringLiteral("$ %1").arg(ModelCost()));
}

TEST_F(RowsTest, AComponentArmorTagThatNamesNothingWritesNothingButRecalculates)
{
    Mount("MG");
    QSpinBox stray;
    stray.setValue(9);
    SetTag(&stray, 5);
    W->Vehicle().EngineCA = 3;
    W->seCAChange(&stray);
    const TVehicle& V = W->Vehicle();
    EXPECT_EQ(V.Weapons.Items[0].CA, 0);
    EXPECT_EQ(V.EngineCA, 3);
    EXPECT_EQ(W->lblCostVal->text(), QStringLiteral("$ %1").arg(ModelCost()));
}

TEST_F(RowsTest, WithoutComponentArmorNoRowsAreBuilt)
{
    W = nullptr;
    FWindow.reset();
    WriteSettings("[AA]\r\nAllowCA=0\r\n");
    W = &Start();
    EXPECT_FALSE(AllowCA);
    EXPECT_TRUE(W->scrCA->widget()->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly).isEmpty());
    EXPECT_FALSE(W->pcArmor->isTabVisible(W->pcArmor->indexOf(W->tsCA)));
    AllowCA = true;
}

} // namespace
