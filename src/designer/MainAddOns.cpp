// The add-on lists: turret, external weapon pods and rocket platform. Their
// choices grow with the body size, and the roof takes only one of a turret,
// a top pod and a rocket platform.

#include "designer/MainWindow.h"
#include "platform/widgets/Application.h"

#include "model/Vehicle.h"
#include "platform/widgets/WidgetUtils.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QScrollArea>
#include <QSpinBox>

namespace {

// One entry of an add-on list and the smallest body size that offers it.
struct TAddOnEntry {
    const char* Text;
    int FromBodyNr;
};

const TAddOnEntry TurretEntries[] = {
    {"None", 0},      {"Zero-space", 0},         {"One-space", 1},   {"One-space Pop-up", 1},
    {"Two-space", 2}, {"Two-space Pop-up", 2},   {"Three-space", 7}, {"Three-space Pop-up", 7},
};

const TAddOnEntry EWPEntries[] = {
    {"None", 0},           {"One-Space Side", 0},   {"One-Space Top", 0},   {"Two-Space Side", 1},
    {"Two-Space Top", 1},  {"Three-Space Side", 7}, {"Three-Space Top", 7},
};

const TAddOnEntry RocketPlatformEntries[] = {
    {"None", 0}, {"One-Space", 0}, {"Two-Space", 1}, {"Three-Space", 7},
};

// Entries are only appended in their fixed order, so an entry's index is
// the kind it stands for. The choice survives when the list still holds it.
template <std::size_t N>
void FillAddOnList(QComboBox* list, const TAddOnEntry (&entries)[N], int bodyNr)
{
    const int chosen = std::max(list->currentIndex(), 0);
    list->clear();
    for (const TAddOnEntry& entry : entries) {
        if (bodyNr >= entry.FromBodyNr)
            list->addItem(QLatin1String(entry.Text));
    }
    list->setCurrentIndex(chosen < list->count() ? chosen : 0);
}

// No pod, or a pod on the roof; a list without a choice is neither.
bool NoneOrTopPod(const QComboBox* pods)
{
    const int kind = pods->currentIndex();
    return kind >= 0 && kind % 2 == 0;
}

// A kind that the list does not offer selects "None", so that the list and
// the design never disagree.
void SelectKind(QComboBox* list, int kind)
{
    list->setCurrentIndex(kind >= 0 && kind < list->count() ? kind : 0);
}

} // namespace

void TfrmMain::BuildAddOnControls()
{
    QWidget* box = scrInstalledEquipment->widget();
    const auto place = [box](QWidget* control, const char* name, int left, int top, int width) {
        control->setObjectName(QLatin1String(name));
        control->setParent(box);
        // The add-on controls are never taken for an accessory row.
        SetTag(control, -1);
        control->setGeometry(left, top, width, 22);
        control->setCursor(Qt::PointingHandCursor);
        return control;
    };
    cbAddOnTurret = new QComboBox;
    cbAddOnEWP = new QComboBox;
    cbRocketPlatform = new QComboBox;
    chkAddOnEWPForward = new QCheckBox(QStringLiteral("Weapons face forward"));
    chkAddOnEWPRocket = new QCheckBox(QStringLiteral("Rocket EWP"));
    place(cbAddOnTurret, "cbAddOnTurret", 4, 0, 150);
    place(cbAddOnEWP, "cbAddOnEWP", 160, 0, 150);
    place(cbRocketPlatform, "cbRocketPlatform", 316, 0, 150);
    place(chkAddOnEWPForward, "chkAddOnEWPForward", 160, 20, 150);
    place(chkAddOnEWPRocket, "chkAddOnEWPRocket", 316, 20, 150);
    for (const auto& [control, hint] : {std::pair<QWidget*, const char*>{cbAddOnTurret, "Turret"},
                                        {cbAddOnEWP, "External weapon pods"},
                                        {cbRocketPlatform, "Rocket platform"}}) {
        SetControlHint(control, QLatin1String(hint));
    }
    chkAddOnEWPForward->setChecked(true);
    // A new design has no pod and no rocket platform: their options, the pod
    // armor and the firepower of both start hidden.
    for (QWidget* control : std::initializer_list<QWidget*>{
             chkAddOnEWPForward, chkAddOnEWPRocket, lblArmorEWP, edArmorEWP, lblDamageEWP, lblDamageEWPVal,
             lblDamageRocket, lblDamageRocketVal})
        control->hide();
}

void TfrmMain::ConnectAddOnHandlers()
{
    connect(cbAddOnTurret, &QComboBox::activated, this, ShowingErrors([this] { cbAddOnTurretChange(); }));
    connect(cbAddOnEWP, &QComboBox::activated, this, ShowingErrors([this] { cbAddOnEWPChange(); }));
    connect(cbRocketPlatform, &QComboBox::activated, this, ShowingErrors([this] { cbRocketPlatformChange(); }));
    connect(chkAddOnEWPForward, &QCheckBox::toggled, this, ShowingErrors([this] { chkAddOnEWPForwardClick(); }));
    connect(chkAddOnEWPRocket, &QCheckBox::toggled, this, ShowingErrors([this] { chkAddOnEWPRocketClick(); }));
}

void TfrmMain::FillAddOnTurret(QComboBox* List)
{
    FillAddOnList(List, TurretEntries, Vehicle().Body.Nr);
}

void TfrmMain::FillAddOnEWP(QComboBox* List)
{
    FillAddOnList(List, EWPEntries, Vehicle().Body.Nr);
}

void TfrmMain::FillRocketPlatform(QComboBox* List)
{
    FillAddOnList(List, RocketPlatformEntries, Vehicle().Body.Nr);
}

void TfrmMain::cbAddOnTurretChange()
{
    const int turret = cbAddOnTurret->currentIndex();
    if (turret < 0)
        return;
    Vehicle().Turret = turret;
    // Even a zero-space turret takes the roof; side pods stay.
    if (turret > 0) {
        if (NoneOrTopPod(cbAddOnEWP)) {
            cbAddOnEWP->setCurrentIndex(0);
            cbAddOnEWPChange();
        }
        cbRocketPlatform->setCurrentIndex(0);
        cbRocketPlatformChange();
    }
    // The weapon rows' location lists follow the add-ons; this recalculates.
    RefreshWeaponWhere();
}

void TfrmMain::cbAddOnEWPChange()
{
    const int pods = cbAddOnEWP->currentIndex();
    if (pods < 0)
        return;
    Vehicle().EWP = pods;
    if (pods > 0 && pods % 2 == 0) {
        cbAddOnTurret->setCurrentIndex(0);
        cbRocketPlatform->setCurrentIndex(0);
        cbAddOnTurretChange();
        cbRocketPlatformChange();
    }
    HandleEWPArmor();
    HandleRocketVis();
    RefreshWeaponWhere();
}

void TfrmMain::cbRocketPlatformChange()
{
    const int platform = cbRocketPlatform->currentIndex();
    if (platform < 0)
        return;
    Vehicle().RocketPlatform = platform;
    if (platform > 0) {
        if (NoneOrTopPod(cbAddOnEWP)) {
            cbAddOnEWP->setCurrentIndex(0);
            cbAddOnEWPChange();
        }
        cbAddOnTurret->setCurrentIndex(0);
        cbAddOnTurretChange();
    }
    HandleEWPArmor();
    HandleRocketVis();
    RefreshWeaponWhere();
}

void TfrmMain::chkAddOnEWPForwardClick()
{
    Vehicle().EWPFF = chkAddOnEWPForward->isChecked();
    RecalcVehicle(true);
}

void TfrmMain::chkAddOnEWPRocketClick()
{
    Vehicle().EWPR = chkAddOnEWPRocket->isChecked();
    HandleEWPArmor();
    HandleRocketVis();
    // Rocket pods hold only one-shot rockets.
    RefreshWeaponWhere();
}

void TfrmMain::HandleEWPArmor()
{
    const TVehicle& V = Vehicle();
    const bool pods = V.EWP != ewpNone;
    // Rocket pods carry no armor of their own and fire as rockets.
    const bool armoredPods = pods && !V.EWPR;
    for (QWidget* control : std::initializer_list<QWidget*>{lblArmorEWP, edArmorEWP, lblDamageEWP, lblDamageEWPVal})
        control->setVisible(armoredPods);
    chkAddOnEWPForward->setVisible(pods);
    chkAddOnEWPRocket->setVisible(pods);
}

void TfrmMain::HandleRocketVis()
{
    const bool platform = Vehicle().RocketPlatform > 0;
    lblDamageRocket->setVisible(platform);
    lblDamageRocketVal->setVisible(platform);
}

void TfrmMain::ShowAddOns(int Turret, int EWP, int RocketPlatform)
{
    SelectKind(cbAddOnTurret, Turret);
    cbAddOnTurretChange();
    SelectKind(cbAddOnEWP, EWP);
    cbAddOnEWPChange();
    SelectKind(cbRocketPlatform, RocketPlatform);
    cbRocketPlatformChange();
    const TVehicle& V = Vehicle();
    chkAddOnEWPForward->setChecked(V.EWPFF);
    chkAddOnEWPRocket->setChecked(V.EWPR);
}
