#include "DesignerWindow.h"

#include "model/Global.h"
#include "model/Vehicle.h"

#include <QCheckBox>
#include <QLabel>
#include <QSpinBox>

namespace {

class AddOnsTest : public DesignerWindowTest
{
protected:
    void SetUp() override
    {
        DesignerWindowTest::SetUp();
        W = &Start();
    }

    static QStringList Entries(const QComboBox* list)
    {
        QStringList entries;
        for (int i = 0; i < list->count(); ++i)
            entries << list->itemText(i);
        return entries;
    }

    // The add-ons as the design holds them and as the lists show them.
    void ExpectAddOns(int turret, int pods, int platform) const
    {
        const TVehicle& V = W->Vehicle();
        EXPECT_EQ(V.Turret, turret);
        EXPECT_EQ(V.EWP, pods);
        EXPECT_EQ(V.RocketPlatform, platform);
        EXPECT_EQ(W->cbAddOnTurret->currentIndex(), turret);
        EXPECT_EQ(W->cbAddOnEWP->currentIndex(), pods);
        EXPECT_EQ(W->cbRocketPlatform->currentIndex(), platform);
    }

    TfrmMain* W = nullptr;
};

TEST_F(AddOnsTest, TheListsOfferMoreWithTheBodySize)
{
    const struct {
        const char* Body;
        int Nr;
        int Turrets;
        int Pods;
        int Platforms;
    } cases[] = {
        {"Subcompact", 0, 2, 3, 2},
        {"Compact", 1, 4, 5, 3},
        {"Mid-Sized", 2, 6, 5, 3},
        {"Van", 8, 8, 7, 4},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Body);
        Choose(W->cbBodyType, QLatin1String(c.Body));
        ASSERT_EQ(W->Vehicle().Body.Nr, c.Nr);
        EXPECT_EQ(W->cbAddOnTurret->count(), c.Turrets);
        EXPECT_EQ(W->cbAddOnEWP->count(), c.Pods);
        EXPECT_EQ(W->cbRocketPlatform->count(), c.Platforms);
    }
    EXPECT_EQ(Entries(W->cbAddOnTurret),
              (QStringList{"None", "Zero-space", "One-space", "One-space Pop-up", "Two-space", "Two-space Pop-up",
                           "Three-space", "Three-space Pop-up"}));
    EXPECT_EQ(Entries(W->cbAddOnEWP), (QStringList{"None", "One-Space Side", "One-Space Top", "Two-Space Side",
                                                   "Two-Space Top", "Three-Space Side", "Three-Space Top"}));
    EXPECT_EQ(Entries(W->cbRocketPlatform), (QStringList{"None", "One-Space", "Two-Space", "Three-Space"}));
}

TEST_F(AddOnsTest, ASmallerBodyWithdrawsAnAddOnItCannotCarry)
{
    Choose(W->cbBodyType, QStringLiteral("Van"));
    Choose(W->cbAddOnTurret, QStringLiteral("Three-space"));
    ExpectAddOns(6, 0, 0);
    Choose(W->cbBodyType, QStringLiteral("Compact"));
    EXPECT_EQ(W->cbAddOnTurret->count(), 4);
    ExpectAddOns(0, 0, 0);

    // What the smaller body still offers stays fitted.
    Choose(W->cbAddOnEWP, QStringLiteral("Two-Space Side"));
    Choose(W->cbBodyType, QStringLiteral("Subcompact"));
    ExpectAddOns(0, 0, 0);
    Choose(W->cbAddOnEWP, QStringLiteral("One-Space Side"));
    Choose(W->cbBodyType, QStringLiteral("Van"));
    ExpectAddOns(0, 1, 0);
}

TEST_F(AddOnsTest, TheRoofTakesOneOfTurretTopPodAndRocketPlatform)
{
    Choose(W->cbBodyType, QStringLiteral("Van"));
    Choose(W->cbAddOnTurret, QStringLiteral("One-space"));
    ExpectAddOns(2, 0, 0);
    // Side pods combine with anything.
    Choose(W->cbAddOnEWP, QStringLiteral("One-Space Side"));
    ExpectAddOns(2, 1, 0);
    Choose(W->cbAddOnEWP, QStringLiteral("Two-Space Top"));
    ExpectAddOns(0, 4, 0);
    Choose(W->cbAddOnTurret, QStringLiteral("Zero-space"));
    ExpectAddOns(1, 0, 0);
    Choose(W->cbRocketPlatform, QStringLiteral("Two-Space"));
    ExpectAddOns(0, 0, 2);
    Choose(W->cbAddOnEWP, QStringLiteral("Three-Space Side"));
    ExpectAddOns(0, 5, 2);
    Choose(W->cbAddOnEWP, QStringLiteral("One-Space Top"));
    ExpectAddOns(0, 2, 0);
    Choose(W->cbRocketPlatform, QStringLiteral("One-Space"));
    ExpectAddOns(0, 0, 1);
    TVehicle copy = W->Vehicle();
    QStringList list;
    EXPECT_EQ(W->lblCostVal->text(), QStringLiteral("$ %1").arg(copy.GetCost(list)));
}

TEST_F(AddOnsTest, PodArmorPodOptionsAndFirepowerShowOnlyForWhatIsFitted)
{
    const auto shown = [](const QWidget* w) { return !w->isHidden(); };
    EXPECT_FALSE(shown(W->edArmorEWP));
    EXPECT_FALSE(shown(W->chkAddOnEWPForward));
    EXPECT_FALSE(shown(W->lblDamageRocketVal));

    Choose(W->cbAddOnEWP, QStringLiteral("One-Space Side"));
    for (const QWidget* w : std::initializer_list<const QWidget*>{
             W->lblArmorEWP, W->edArmorEWP, W->lblDamageEWP, W->lblDamageEWPVal, W->chkAddOnEWPForward,
             W->chkAddOnEWPRocket})
        EXPECT_TRUE(shown(w)) << w->objectName().toStdString();

    W->chkAddOnEWPRocket->setChecked(true);
    EXPECT_TRUE(W->Vehicle().EWPR);
    for (const QWidget* w :
         std::initializer_list<const QWidget*>{W->lblArmorEWP, W->edArmorEWP, W->lblDamageEWP, W->lblDamageEWPVal})
        EXPECT_FALSE(shown(w)) << w->objectName().toStdString();
    EXPECT_TRUE(shown(W->chkAddOnEWPForward));
    EXPECT_TRUE(shown(W->chkAddOnEWPRocket));

    EXPECT_TRUE(W->chkAddOnEWPForward->isChecked());
    W->chkAddOnEWPForward->setChecked(false);
    EXPECT_FALSE(W->Vehicle().EWPFF);

    Choose(W->cbRocketPlatform, QStringLiteral("One-Space"));
    EXPECT_TRUE(shown(W->lblDamageRocket));
    EXPECT_TRUE(shown(W->lblDamageRocketVal));
    Choose(W->cbAddOnEWP, QStringLiteral("None"));
    EXPECT_FALSE(shown(W->chkAddOnEWPForward));
    EXPECT_FALSE(shown(W->chkAddOnEWPRocket));
    EXPECT_TRUE(shown(W->lblDamageRocketVal));
    Choose(W->cbRocketPlatform, QStringLiteral("None"));
    EXPECT_FALSE(shown(W->lblDamageRocket));
}

TEST_F(AddOnsTest, LoadingADesignShowsItsOwnAddOns)
{
    Choose(W->cbBodyType, QStringLiteral("Van"));
    Choose(W->cbAddOnTurret, QStringLiteral("Two-space"));
    TVehicle& V = W->Vehicle();
    V.Turret = tkNone;
    V.EWP = ewpThreeSpaceSide;
    V.RocketPlatform = 3;
    V.EWPFF = false;
    V.EWPR = true;
    W->LoadGUI();
    ExpectAddOns(0, 5, 3);
    EXPECT_FALSE(W->chkAddOnEWPForward->isChecked());
    EXPECT_TRUE(W->chkAddOnEWPRocket->isChecked());
    EXPECT_FALSE(V.EWPFF);
    EXPECT_TRUE(V.EWPR);
    EXPECT_TRUE(W->edArmorEWP->isHidden());
    EXPECT_FALSE(W->lblDamageRocketVal->isHidden());
}

TEST_F(AddOnsTest, ADesignWithAnAddOnItsBodyDoesNotOfferLoadsWithoutIt)
{
    Choose(W->cbBodyType, QStringLiteral("Van"));
    Choose(W->cbAddOnTurret, QStringLiteral("One-space"));
    TVehicle& V = W->Vehicle();
    V.Body = BodyTypes.Items.first();
    V.Turret = tkThreeSpace;
    W->LoadGUI();
    ExpectAddOns(0, 0, 0);
}

} // namespace
