#include "DesignerWindow.h"

#include "model/Global.h"
#include "platform/widgets/WidgetUtils.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QSet>
#include <QSpinBox>
#include <algorithm>

namespace {

class WindowLayoutTest : public DesignerWindowTest
{
protected:
    void SetUp() override
    {
        DesignerWindowTest::SetUp();
        W = &Start();
        W->show();
        QApplication::processEvents();
    }

    void ResizeTo(int width, int height)
    {
        W->resize(width, height);
        QApplication::processEvents();
    }

    QList<QWidget*> Boxes() const
    {
        return {W->gbImages, W->gbInfo, W->gbText, W->gbTest,    W->gbBody,      W->gbCrew,   W->gbEngine,
                W->gbTires,  W->gbArmor, W->gbSelection, W->gbInstalled, W->gbIcon, W->pc600};
    }

    QHash<QWidget*, QRect> Places() const
    {
        QHash<QWidget*, QRect> places;
        for (QWidget* box : Boxes())
            places.insert(box, box->geometry());
        return places;
    }

    // Where boxes shown on the window lie over each other, as "a b WxH";
    // each box lies inside the window. The opponent's log takes the text
    // box's place, which is hidden while the log shows.
    QStringList Overlaps() const
    {
        QList<QWidget*> shown;
        for (QWidget* box : Boxes()) {
            if (box->isVisible() && box->parentWidget() == W->centralWidget())
                shown << box;
        }
        QStringList overlaps;
        for (int i = 0; i < shown.size(); ++i) {
            EXPECT_TRUE(W->centralWidget()->rect().contains(shown[i]->geometry()))
                << shown[i]->objectName().toStdString();
            for (int j = i + 1; j < shown.size(); ++j) {
                const QRect common = shown[i]->geometry().intersected(shown[j]->geometry());
                if (!common.isEmpty()) {
                    overlaps << QStringLiteral("%1 %2 %3x%4")
                                    .arg(shown[i]->objectName(), shown[j]->objectName())
                                    .arg(common.width())
                                    .arg(common.height());
                }
            }
        }
        return overlaps;
    }

    // The lowest boxes reach the window's bottom (the text box as far as
    // the layout leaves it above the installed box's bottom), and the boxes
    // of the right column its right edge; in the compact layout the
    // installed box too, below the selection box.
    void ExpectNoBandAtTheBottomOrRight() const
    {
        const QSize room = W->centralWidget()->size();
        const bool compact = W->pc600->isVisible();
        const auto bottom = [](const QWidget* box) { return box->geometry().bottom() + 1; };
        EXPECT_EQ(bottom(W->gbInstalled), room.height());
        EXPECT_GE(bottom(W->gbText), room.height() - 4);
        if (!compact) {
            EXPECT_EQ(bottom(W->gbIcon), room.height() - 1);
        }
        QList<QWidget*> rightColumn = {W->gbSelection, W->gbIcon};
        if (compact)
            rightColumn << W->gbInstalled;
        for (const QWidget* box : rightColumn)
            EXPECT_EQ(box->geometry().right() + 1, room.width()) << box->objectName().toStdString();
    }

    TfrmMain* W = nullptr;
};

TEST_F(WindowLayoutTest, ABiggerWindowStretchesAndMovesTheBoxesByTheirAnchors)
{
    for (const bool compact : {false, true}) {
        SCOPED_TRACE(compact ? "compact" : "normal");
        W->SetUpResolution(compact);
        QApplication::processEvents();
        const QSize laidOut = W->size();
        EXPECT_EQ(laidOut, QSize(1014, compact ? 600 : 800));
        const QHash<QWidget*, QRect> before = Places();
        const int rowsHigh = W->scrInstalledWeapons->height();
        ExpectNoBandAtTheBottomOrRight();
        // The compact layout's own places let a few boxes touch; growing
        // the window brings no box over another.
        const QStringList overlaps = Overlaps();
        EXPECT_EQ(overlaps.isEmpty(), !compact) << overlaps.join(QLatin1String(", ")).toStdString();

        ResizeTo(1014 + 200, laidOut.height() + 150);
        EXPECT_EQ(Overlaps(), overlaps);
        const auto expect = [&](QWidget* box, int dx, int dw, int dh) {
            SCOPED_TRACE(box->objectName().toStdString());
            EXPECT_EQ(box->geometry(), before[box].translated(dx, 0).adjusted(0, 0, dw, dh));
        };
        expect(W->gbImages, 0, 0, 0);
        expect(W->gbInfo, 0, 0, 0);
        expect(W->gbBody, 0, 0, 0);
        expect(W->gbCrew, 0, 0, 0);
        // The compact layout's part pages stretch as the part boxes do.
        expect(W->pc600, 0, compact ? 200 : 0, 0);
        expect(W->gbEngine, 0, 200, 0);
        expect(W->gbTires, 0, 200, 0);
        expect(W->gbSelection, 0, 200, 0);
        expect(W->gbInstalled, 0, 200, 150);
        expect(W->gbText, 0, 0, 150);
        expect(W->gbTest, 0, 0, 150);
        // In the compact layout the icon box stands above the selection box
        // and the armor box scrolls in its page.
        expect(W->gbIcon, 200, 0, compact ? 0 : 150);
        expect(W->gbArmor, compact ? 0 : 200, 0, 0);
        // The weapon rows get the room.
        EXPECT_EQ(W->scrInstalledWeapons->height(), rowsHigh + 150);
        ExpectNoBandAtTheBottomOrRight();

        // A window smaller than its layout would cut boxes off.
        ResizeTo(600, 400);
        EXPECT_EQ(W->size(), laidOut);
        EXPECT_EQ(Places(), before);
    }
}

TEST_F(WindowLayoutTest, SwitchingTheLayoutInAWiderWindowKeepsItsWidthAndTheBoxesFollowIt)
{
    W->SetUpResolution(true);
    const QStringList compactOverlaps = Overlaps();
    W->SetUpResolution(false);
    ResizeTo(1214, 900);
    for (const bool compact : {true, false, true}) {
        SCOPED_TRACE(compact ? "compact" : "normal");
        W->SetUpResolution(compact);
        QApplication::processEvents();
        EXPECT_EQ(Overlaps(), compact ? compactOverlaps : QStringList());
        EXPECT_EQ(W->size(), QSize(1214, compact ? 600 : 800));
        const int right = W->centralWidget()->width() - 1;
        EXPECT_EQ(W->gbSelection->geometry().right(), right);
        EXPECT_EQ(W->gbIcon->geometry().right(), right);
        EXPECT_EQ(W->gbInstalled->width(), compact ? right + 1 - 380 : 509 + 200);
        if (!compact) {
            EXPECT_EQ(W->gbArmor->geometry(), QRect(824 + 200, 0, 190, 281));
        }
    }
}

// The icon box is lowest in the compact layout: its picture, body-view
// list and buttons still stand one below the other inside it.
TEST_F(WindowLayoutTest, TheIconBoxShowsItsPictureListAndButtonsApartInBothLayouts)
{
    for (const bool compact : {false, true}) {
        SCOPED_TRACE(compact ? "compact" : "normal");
        W->SetUpResolution(compact);
        QApplication::processEvents();
        QWidget* buttons = W->btnPrevCar->parentWidget();
        const QList<QWidget*> stacked = {W->imgIcon, W->cbCarBodyView, buttons};
        for (int i = 0; i < stacked.size(); ++i) {
            EXPECT_TRUE(W->gbIcon->contentsRect().contains(stacked[i]->geometry())) << i;
            if (i > 0) {
                EXPECT_GT(stacked[i]->y(), stacked[i - 1]->geometry().bottom()) << i;
            }
        }
        EXPECT_EQ(W->imgIcon->size(), QSize(100, 150));
    }
}

TEST_F(WindowLayoutTest, TheAccessoryRowsStretchAndTheirAmountAndInformationMoveWithTheBox)
{
    W->pcInstalled->setCurrentIndex(W->pcInstalled->indexOf(W->scrInstalledEquipment->parentWidget()));
    QApplication::processEvents();
    QWidget* content = W->scrInstalledEquipment->widget();
    // An accessory whose row has an amount and an information edit.
    const auto accessory = std::find_if(EquipmentTypes.Items.begin(), EquipmentTypes.Items.end(),
                                        [](const TEquipmentType& e) { return e.MaxAmt > 1 && e.AddInfoOk; });
    ASSERT_NE(accessory, EquipmentTypes.Items.end());
    QWidget* box = FindControlByPrefix(content, QStringLiteral("chkEquipment"), accessory->Nr);
    QWidget* spin = FindControlByPrefix(content, QStringLiteral("spinEquipment"), accessory->Nr);
    QWidget* edit = FindControlByPrefix(content, QStringLiteral("edEquipment"), accessory->Nr);
    ASSERT_TRUE(box && spin && edit);
    const QRect boxBefore = box->geometry();
    const QRect spinBefore = spin->geometry();
    const QRect editBefore = edit->geometry();
    const int contentBefore = content->width();
    ResizeTo(1014 + 120, 800);
    const int grown = content->width() - contentBefore;
    EXPECT_EQ(grown, 120);
    EXPECT_EQ(box->geometry(), boxBefore.adjusted(0, 0, grown, 0));
    EXPECT_EQ(spin->geometry(), spinBefore.translated(grown, 0));
    EXPECT_EQ(edit->geometry(), editBefore.translated(grown, 0));
    EXPECT_LT(edit->geometry().right(), W->scrInstalledEquipment->viewport()->width());
}

} // namespace
