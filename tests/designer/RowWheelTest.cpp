#include "DesignerWindow.h"

#include "designer/RowScrollBox.h"
#include "model/Global.h"
#include "model/Vehicle.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QScrollBar>
#include <QSpinBox>
#include <QTest>
#include <QWheelEvent>

namespace {

// Every list and spin among the rows of the three row boxes, with a design
// of every kind of weapon, enough of them that every box scrolls.
class RowWheelTest : public DesignerWindowTest
{
protected:
    void SetUp() override
    {
        DesignerWindowTest::SetUp();
        W = &Start();
        QSet<int> classes;
        for (const TWeaponType& rule : WeaponTypes.Items) {
            if (!classes.contains(rule.Class)) {
                classes.insert(rule.Class);
                AddWeapon(rule);
            }
        }
        while (W->Vehicle().WeaponCount() < 24)
            AddWeapon(WeaponTypes.Items.first());
        W->LoadGUI();
        W->show();
        W->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(W));
        QApplication::processEvents();
    }

    void AddWeapon(TWeaponType weapon)
    {
        weapon.Location = locFront;
        int index = 0;
        W->Vehicle().AddWeapon(weapon, index);
    }

    struct TRowBox {
        TRowScrollBox* Box;
        TPageControl* Pages;

        // The box's page comes to the front.
        void Show() const
        {
            QWidget* page = Box;
            while (page && Pages->indexOf(page) < 0)
                page = page->parentWidget();
            Pages->setCurrentWidget(page);
            QApplication::processEvents();
        }
    };

    QList<TRowBox> RowBoxes() const
    {
        return {{W->scrInstalledWeapons, W->pcInstalled}, {W->scrInstalledEquipment, W->pcInstalled},
                {W->scrCA, W->pcArmor}};
    }

    // The names of the box's controls that the wheel would step.
    static QStringList SteppedControls(const TRowScrollBox* box)
    {
        QStringList names;
        for (QWidget* control : box->widget()->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
            if (!control->isHidden() && (qobject_cast<QComboBox*>(control) || qobject_cast<QAbstractSpinBox*>(control)))
                names << control->objectName();
        }
        return names;
    }

    // What the control shows: a list's entry or a spin's value.
    static QString Shown(QWidget* control)
    {
        if (auto* list = qobject_cast<QComboBox*>(control))
            return list->currentText();
        return qobject_cast<QAbstractSpinBox*>(control)->text();
    }

    // Turns the wheel by notches over the control's centre, which the
    // window shows there. The wheel reaches the control itself: the text
    // part of a spin passes it on.
    void TurnWheel(QWidget* control, int notches)
    {
        const QPoint centre = control->rect().center();
        QWidget* under = W->childAt(control->mapTo(W, centre));
        ASSERT_TRUE(under == control || control->isAncestorOf(under)) << control->objectName().toStdString();
        QWheelEvent wheel(centre, control->mapToGlobal(centre), QPoint(), QPoint(0, 120 * notches), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(control, &wheel);
        QApplication::processEvents();
    }

    int Cost() const
    {
        TVehicle copy = W->Vehicle();
        QStringList list;
        return copy.GetCost(list);
    }

    TfrmMain* W = nullptr;
};

TEST_F(RowWheelTest, TheWheelOverAnUnfocusedRowControlScrollsItsBoxAndChangesNothing)
{
    for (const TRowBox& row : RowBoxes()) {
        row.Show();
        QScrollBar* scroll = row.Box->verticalScrollBar();
        ASSERT_GT(scroll->maximum(), 0) << row.Box->objectName().toStdString();
        const QStringList names = SteppedControls(row.Box);
        ASSERT_FALSE(names.isEmpty()) << row.Box->objectName().toStdString();
        for (const QString& name : names) {
            SCOPED_TRACE(name.toStdString());
            auto* control = row.Box->widget()->findChild<QWidget*>(name);
            ASSERT_NE(control, nullptr);
            // A wheel turned over a control would give it the focus first
            // if its focus policy took the wheel.
            EXPECT_NE(control->focusPolicy() & Qt::WheelFocus, Qt::WheelFocus);
            W->setFocus();
            row.Box->ensureWidgetVisible(control, 0, 0);
            QApplication::processEvents();
            const int scrolled = scroll->value();
            const QString shown = Shown(control);
            const int cost = Cost();
            // Down the box, or up where it has scrolled to its end.
            TurnWheel(control, scrolled < scroll->maximum() ? -1 : 1);
            EXPECT_EQ(Shown(control), shown);
            EXPECT_EQ(Cost(), cost);
            EXPECT_NE(scroll->value(), scrolled);
            EXPECT_FALSE(control->hasFocus());
        }
    }
}

TEST_F(RowWheelTest, TheWheelStepsARowControlThatHasTheFocus)
{
    for (const TRowBox& row : RowBoxes()) {
        row.Show();
        for (const QString& name : SteppedControls(row.Box)) {
            SCOPED_TRACE(name.toStdString());
            auto* control = row.Box->widget()->findChild<QWidget*>(name);
            ASSERT_NE(control, nullptr);
            int notches = 0;
            if (auto* list = qobject_cast<QComboBox*>(control)) {
                // A notch down goes to the next entry.
                if (list->count() < 2)
                    continue;
                notches = list->currentIndex() + 1 < list->count() ? -1 : 1;
            } else {
                auto* spin = qobject_cast<QSpinBox*>(control);
                notches = spin->value() < spin->maximum() ? 1 : -1;
            }
            row.Box->ensureWidgetVisible(control, 0, 0);
            control->setFocus(Qt::TabFocusReason);
            QApplication::processEvents();
            ASSERT_TRUE(control->hasFocus());
            const int scrolled = row.Box->verticalScrollBar()->value();
            const QString shown = Shown(control);
            TurnWheel(control, notches);
            EXPECT_NE(Shown(control), shown);
            EXPECT_EQ(row.Box->verticalScrollBar()->value(), scrolled);
        }
    }
}

// However a list comes into a box (built inside it, or polished elsewhere
// and then put in), the wheel over it scrolls the box until it has the focus.
TEST(RowScrollBoxWheelTest, EveryListPutInTheBoxTakesTheWheelOnlyWithTheFocus)
{
    TRowScrollBox box;
    box.resize(200, 100);
    auto* builtInside = new QComboBox(box.widget());
    auto* polishedElsewhere = new QComboBox;
    polishedElsewhere->ensurePolished();
    polishedElsewhere->setParent(box.widget());
    for (QComboBox* list : {builtInside, polishedElsewhere}) {
        list->addItems({QStringLiteral("first"), QStringLiteral("second")});
        list->move(0, list == builtInside ? 0 : 400);
    }
    box.show();
    box.FitToRows();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&box));
    for (QComboBox* list : {builtInside, polishedElsewhere}) {
        SCOPED_TRACE(list == builtInside ? "built inside" : "polished elsewhere");
        box.ensureWidgetVisible(list, 0, 0);
        const int scrolled = box.verticalScrollBar()->value();
        // Down from the top list, up from the bottom one; the entries the
        // other way round.
        const int notch = list == builtInside ? -120 : 120;
        list->setCurrentIndex(list == builtInside ? 0 : 1);
        // The window gives its first control the focus when it shows.
        if (QWidget* focused = QApplication::focusWidget())
            focused->clearFocus();
        const auto turn = [list, notch] {
            const QPoint centre = list->rect().center();
            QWheelEvent wheel(centre, list->mapToGlobal(centre), QPoint(), QPoint(0, notch), Qt::NoButton,
                              Qt::NoModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(list, &wheel);
        };
        turn();
        EXPECT_EQ(list->currentIndex(), list == builtInside ? 0 : 1);
        EXPECT_NE(box.verticalScrollBar()->value(), scrolled);
        list->setFocus(Qt::TabFocusReason);
        turn();
        EXPECT_EQ(list->currentIndex(), list == builtInside ? 1 : 0);
    }
}

} // namespace
