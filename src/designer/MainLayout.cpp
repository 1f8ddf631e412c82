// The window's two layouts: the normal one of 800 lines and the compact one
// of 600 lines, in which the part boxes share the pages of pc600.

#include "designer/MainWindow.h"
#include "designer/PageControl.h"

#include <QGroupBox>
#include <QScrollArea>
#include <QStatusBar>
#include <QVBoxLayout>

namespace {

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

void TfrmMain::SetUpResolution(bool Res600)
{
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
        return;
    }
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
    gbInstalled->setGeometry(gbInstalled->x(), 404, 621, 120);
    gbIcon->setGeometry(890, 0, gbIcon->width(), 221);
    gbTest->move(0, 415);
    resize(width(), 600);
}
