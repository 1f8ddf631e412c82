#include "platform/widgets/Anchors.h"

#include <QApplication>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

// A parent of 400 x 300 with one child at (10, 20), 100 x 50, anchored to
// the given sides against that size.
struct TAnchoredChild {
    explicit TAnchoredChild(Qt::Edges sides)
    {
        Parent.resize(400, 300);
        Child = new QWidget(&Parent);
        Child->setGeometry(10, 20, 100, 50);
        SetAnchors(Child, sides, QSize(400, 300));
    }
    QWidget Parent;
    QWidget* Child = nullptr;
};

TEST(Anchors, TwoOppositeSidesStretchOneFarSideMovesTheNearSidesStay)
{
    const struct {
        Qt::Edges Sides;
        QRect Grown;
    } cases[] = {
        {Qt::LeftEdge | Qt::TopEdge, {10, 20, 100, 50}},
        {Qt::LeftEdge | Qt::TopEdge | Qt::RightEdge, {10, 20, 150, 50}},
        {Qt::TopEdge | Qt::RightEdge, {60, 20, 100, 50}},
        {Qt::TopEdge | Qt::RightEdge | Qt::BottomEdge, {60, 20, 100, 80}},
        {Qt::LeftEdge | Qt::BottomEdge, {10, 50, 100, 50}},
        {Qt::LeftEdge | Qt::TopEdge | Qt::RightEdge | Qt::BottomEdge, {10, 20, 150, 80}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.Sides));
        TAnchoredChild w(c.Sides);
        // A hidden parent places its children when asked.
        w.Parent.resize(450, 330);
        ApplyAnchors(&w.Parent);
        EXPECT_EQ(w.Child->geometry(), c.Grown);
        EXPECT_EQ(Anchors(w.Child), c.Sides);
        // Back to the size it was placed for, back to its place.
        w.Parent.resize(400, 300);
        ApplyAnchors(&w.Parent);
        EXPECT_EQ(w.Child->geometry(), QRect(10, 20, 100, 50));
    }
}

TEST(Anchors, AShownParentsResizePlacesItsChildren)
{
    TAnchoredChild w(Qt::TopEdge | Qt::RightEdge);
    w.Parent.show();
    w.Parent.resize(500, 300);
    QApplication::processEvents();
    EXPECT_EQ(w.Child->geometry(), QRect(110, 20, 100, 50));
}

TEST(Anchors, TheDistancesAreTakenAgainstTheSizeTheControlWasPlacedFor)
{
    QWidget parent;
    parent.resize(200, 100);
    auto* child = new QWidget(&parent);
    child->setGeometry(10, 10, 30, 20);
    // Placed for a parent of 100 wide: 60 from its right edge.
    SetAnchors(child, Qt::TopEdge | Qt::RightEdge, QSize(100, 100));
    ApplyAnchors(&parent);
    EXPECT_EQ(child->geometry(), QRect(110, 10, 30, 20));
    // Anchoring again takes the distances as they stand; left and top alone
    // keep the control where it is put.
    SetAnchors(child, Qt::LeftEdge | Qt::TopEdge);
    parent.resize(300, 100);
    ApplyAnchors(&parent);
    EXPECT_EQ(child->geometry(), QRect(110, 10, 30, 20));
}

TEST(Anchors, AStretchedControlKeepsItsMinimumWidthAndAMovedOneItsOwnWidth)
{
    TAnchoredChild stretched(Qt::LeftEdge | Qt::TopEdge | Qt::RightEdge);
    stretched.Child->setMinimumWidth(40);
    stretched.Parent.resize(100, 300);
    ApplyAnchors(&stretched.Parent);
    EXPECT_EQ(stretched.Child->geometry(), QRect(10, 20, 40, 50));

    // A width the program gives a moving control later keeps its right edge.
    TAnchoredChild moved(Qt::TopEdge | Qt::RightEdge);
    moved.Child->resize(60, 50);
    ApplyAnchors(&moved.Parent);
    EXPECT_EQ(moved.Child->geometry(), QRect(50, 20, 60, 50));
}

} // namespace
