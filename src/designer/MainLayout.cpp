// The window's two layouts: the normal one of 800 lines and the compact one
// of 600 lines, in which the part boxes share the pages of pc600. Both are
// laid out for a window 1014 wide; the boxes follow their anchors when the
// window is resized.

#include "designer/MainWindow.h"
#include "designer/PageControl.h"
#include "platform/widgets/Anchors.h"

#include <QGroupBox>
#include <QLayout>
#include <QScrollArea>
#include <QStatusBar>
#include <QVBoxLayout>
#include <algorithm>

namespace {

constexpr int LaidOutWidth = 1014;

// The page control (or box) goes into host, filling it.
void PutInto(QWidget* child, QWidget* host)
{
    if (!host->layout()) {
        auto* layout = new QVBoxLayout(host);
        layout->setContentsMargins(1, 1, 1, 1);
    }
    host->layout()->addWidget(child);
    child->show();
}

// The compact armor page is lower than the armor box: the box scrolls in
// it rather than losing its last rows.
QScrollArea* ArmorScroller(QWidget* armorPage)
{
    return armorPage->findChild<QScrollArea*>(QString(), Qt::FindDirectChildrenOnly);
}

} // namespace

void TfrmMain::LayOutNow()
{
    // A hidden window would size its parts only when shown.
    layout()->invalidate();
    layout()->activate();
    ApplyAnchors(centralWidget());
}

void TfrmMain::SetUpResolution(bool Res600)
{
    // The places below are those of a window of the layout's own size: a
    // window the user has resized goes back to it first, so that the boxes
    // return to their places, and takes the user's width again at the end.
    const int userWidth = width();
    if (!FLaidOutSize.isEmpty()) {
        setMinimumSize(0, 0);
        resize(FLaidOutSize);
        LayOutNow();
    }
    const QList<QWidget*> anchored = {gbEngine, gbArmor, gbTires, gbSelection, gbInstalled, gbIcon, gbText, gbTest, pc600};
    for (QWidget* box : anchored)
        SetAnchors(box, Qt::LeftEdge | Qt::TopEdge);

    statusBar()->setVisible(!Res600);
    // Emptied of their page controls, the boxes would show their captions
    // beside the tabs of pc600.
    for (QWidget* box : {static_cast<QWidget*>(gbInfo), static_cast<QWidget*>(gbTires),
                         static_cast<QWidget*>(gbCrew), static_cast<QWidget*>(gbBody),
                         static_cast<QWidget*>(gbEngine)})
        box->setVisible(!Res600);
    QWidget* armorPage = pc600->findChild<QWidget*>(QStringLiteral("ts600Armor"));
    pc600->setVisible(Res600);

    // Places within the window below the tool bar.
    const auto top = [](QWidget* box, int y) { box->move(box->x(), y); };
    if (!Res600) {
        PutInto(pcInfo, gbInfo);
        PutInto(pcBody, gbBody);
        PutInto(pcEngine, gbEngine);
        PutInto(pcTires, gbTires);
        PutInto(pcCrew, gbCrew);
        if (QScrollArea* scroller = ArmorScroller(armorPage); scroller && scroller->widget() == gbArmor)
            scroller->takeWidget();
        gbArmor->setParent(centralWidget());
        gbArmor->move(824, 0);
        gbArmor->show();
        gbTest->move(0, 600);
        top(gbText, 600);
        top(gbSelection, 281);
        gbInstalled->setGeometry(gbInstalled->x(), 465, 509, 240);
        gbIcon->setGeometry(890, 465, gbIcon->width(), 239);
        resize(width(), 800);
    } else {
        pc600->setGeometry(380, 0, 508, 220);
        pc600->raise();
        PutInto(pcInfo, pc600->findChild<QWidget*>(QStringLiteral("ts600Info")));
        PutInto(pcBody, pc600->findChild<QWidget*>(QStringLiteral("ts600Body")));
        PutInto(pcEngine, pc600->findChild<QWidget*>(QStringLiteral("ts600PowerPlant")));
        PutInto(pcTires, pc600->findChild<QWidget*>(QStringLiteral("ts600Tires")));
        PutInto(pcCrew, pc600->findChild<QWidget*>(QStringLiteral("ts600Crew")));
        QScrollArea* scroller = ArmorScroller(armorPage);
        if (!scroller) {
            scroller = new QScrollArea;
            scroller->setFrameShape(QFrame::NoFrame);
            PutInto(scroller, armorPage);
        }
        scroller->setWidget(gbArmor);
        gbArmor->show();
        top(gbText, 415);
        top(gbSelection, 220);
        // Below the selection box the installed box reaches the window's
        // right edge as the selection box does: 621 wide, it would leave a
        // band beside it.
        gbInstalled->setGeometry(gbInstalled->x(), 404, LaidOutWidth - gbInstalled->x(), 120);
        gbIcon->setGeometry(890, 0, gbIcon->width(), 221);
        gbTest->move(0, 415);
        resize(width(), 600);
    }

    const int layoutHeight = height();
    resize(LaidOutWidth, layoutHeight);
    LayOutNow();
    // The layout's heights of 800 and 600 lines include the window's title
    // and frame, which the size of a window here leaves out: the window has
    // room below the lowest boxes. The boxes take their anchors in a window
    // just as high as they reach; the window of the layout's height then
    // gives that room to the boxes anchored to the bottom, and a return to
    // the lower size gives every box its place back.
    int lowest = 0;
    for (const QWidget* box : {gbInstalled, gbText, gbIcon})
        lowest = std::max(lowest, box->geometry().bottom() + 1);
    resize(LaidOutWidth, layoutHeight - std::max(centralWidget()->height() - lowest, 0));
    LayOutNow();
    FLaidOutSize = size();
    constexpr Qt::Edges leftTopRight = Qt::LeftEdge | Qt::TopEdge | Qt::RightEdge;
    SetAnchors(gbEngine, leftTopRight);
    // The compact layout's page control holds the part pages and stretches
    // with the window as they do in the normal layout.
    SetAnchors(pc600, Res600 ? leftTopRight : Qt::LeftEdge | Qt::TopEdge);
    // In the compact layout the armor box scrolls in its page, which never
    // changes its size.
    if (gbArmor->parentWidget() == centralWidget())
        SetAnchors(gbArmor, Qt::TopEdge | Qt::RightEdge);
    SetAnchors(gbTires, leftTopRight);
    SetAnchors(gbSelection, leftTopRight);
    SetAnchors(gbInstalled, Qt::LeftEdge | Qt::TopEdge | Qt::RightEdge | Qt::BottomEdge);
    // The compact layout has the selection box below the icon box, which
    // then must not grow into it.
    SetAnchors(gbIcon, Res600 ? Qt::TopEdge | Qt::RightEdge : Qt::TopEdge | Qt::RightEdge | Qt::BottomEdge);
    // The opponent's log takes the text box's place and keeps its height.
    for (QWidget* box : {gbText, gbTest})
        SetAnchors(box, Qt::LeftEdge | Qt::TopEdge | Qt::BottomEdge);
    // A window smaller than its layout would cut boxes off.
    setMinimumSize(LaidOutWidth, layoutHeight);
    resize(std::max(userWidth, LaidOutWidth), layoutHeight);
    LayOutNow();
}
