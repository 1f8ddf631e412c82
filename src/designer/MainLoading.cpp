// Filling the main window's choice lists from the rules tables.

#include "designer/MainWindow.h"
#include "designer/PageControl.h"

#include "model/Global.h"

#include <QComboBox>
#include <QGroupBox>
#include <QPushButton>

namespace {

// Every record's Name that the filter lets through, in table order, and
// entry 0 chosen.
template <typename TRecord, typename F>
void FillList(QComboBox* list, const QVector<TRecord>& records, F&& offered)
{
    list->clear();
    for (const TRecord& record : records) {
        if (offered(record))
            list->addItem(record.Name);
    }
    list->setCurrentIndex(0);
}

template <typename TRecord>
void FillList(QComboBox* list, const QVector<TRecord>& records)
{
    FillList(list, records, [](const TRecord&) { return true; });
}

} // namespace

void TfrmMain::SetUpGUI()
{
    FillList(cbBodyType, BodyTypes.Items, [](const TBodyType& b) { return !b.Oversize && !b.Racer; });
    FillList(cbChassis, ChassisTypes.Items);
    FillList(cbSuspension, SuspensionTypes.Items);
    FillList(cbCEngine, CEngineTypes.Items, [](const TCEngineType& e) { return !e.Oversize; });
    FillList(cbGEngine, GEngineTypes.Items, [](const TGEngineType& e) { return !e.Oversize; });
    FillList(cbGasTank, GasTankTypes.Items);
    // Metal tires are not for sale.
    const auto notMetal = [](const TTireType& t) { return t.Name != QLatin1String("Metal"); };
    FillList(cbTireFront, TireTypes.Items, notMetal);
    FillList(cbTireRear, TireTypes.Items, notMetal);
    // The weapon lists, the accessory rows, the add-on lists and the test-map
    // pictures are filled here once they are part of the window.

    // The blank first entry stands for no hand weapon.
    for (QComboBox* list : {cbDriverHandgun, cbGunnerHandgun}) {
        list->clear();
        list->addItem(QStringLiteral(" "));
        for (const THandGunType& gun : HandGunTypes.Items)
            list->addItem(gun.Name);
    }

    RecalcVehicle(true);
    ShowOpponentControls();
    // The weapon efficiency labels and the compact layout follow here with
    // the weapon panel and the compact layout.
}

void TfrmMain::ShowOpponentControls()
{
    const bool shown = cbAttackTarget->currentIndex() == 3 && pcTesting->ActivePageIndex() != 0;
    gbTest->setVisible(shown);
    pcTesting->setTabVisible(pcTesting->indexOf(tsStats), shown);
    btnLoadOpponent->setVisible(shown);
}
