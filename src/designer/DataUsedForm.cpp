// The data-sources form.

#include "designer/DataUsedForm.h"

#include "model/Global.h"
#include "platform/Format.h"

#include <QLabel>
#include <QShowEvent>
#include <algorithm>

TfrmDataUsed* frmDataUsed = nullptr;

namespace {

template <typename TTable>
void ShowSource(QLabel* label, const char* pattern, const TTable& table)
{
    label->setText(Format(QLatin1String(pattern), {table.Name, table.Author, table.Comment}));
}

} // namespace

TfrmDataUsed::TfrmDataUsed(QWidget* parent) : TInfoForm(parent)
{
    setObjectName(QStringLiteral("frmDataUsed"));
    setWindowTitle(QStringLiteral("Data used in this program"));
    setWindowFlags(Qt::Dialog | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    resize(773, 218);
    setCursor(Qt::PointingHandCursor);

    // Top to bottom, 16 pixels apart.
    const struct {
        QLabel* TfrmDataUsed::*Label;
        const char* Name;
    } rows[] = {{&TfrmDataUsed::lblBody, "lblBody"},         {&TfrmDataUsed::lblChassis, "lblChassis"},
                {&TfrmDataUsed::lblSuspension, "lblSuspension"}, {&TfrmDataUsed::lblCEngine, "lblCEngine"},
                {&TfrmDataUsed::lblGEngine, "lblGEngine"},   {&TfrmDataUsed::lblGasTank, "lblGasTank"},
                {&TfrmDataUsed::lblTire, "lblTire"},         {&TfrmDataUsed::lblWeapon, "lblWeapon"},
                {&TfrmDataUsed::lblAmmo, "lblAmmo"},         {&TfrmDataUsed::lblHandgun, "lblHandgun"},
                {&TfrmDataUsed::lblEquipment, "lblEquipment"}};
    for (const auto& row : rows) {
        auto* label = new QLabel(this);
        label->setObjectName(QLatin1String(row.Name));
        label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        // A source too long for the form's width goes on in a second line
        // rather than being cut at both ends.
        label->setWordWrap(true);
        this->*row.Label = label;
    }
    StackLabels();
}

void TfrmDataUsed::StackLabels()
{
    int top = 8;
    for (QLabel* label : {lblBody, lblChassis, lblSuspension, lblCEngine, lblGEngine, lblGasTank, lblTire, lblWeapon,
                          lblAmmo, lblHandgun, lblEquipment}) {
        label->setGeometry(8, top, 753, std::max(16, label->heightForWidth(753)));
        top += label->height();
    }
    // The form grows by the lines that wrapped.
    resize(width(), std::max(218, top + 8));
}

void TfrmDataUsed::showEvent(QShowEvent* event)
{
    TInfoForm::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TfrmDataUsed::FormShow()
{
    ShowSource(lblBody, "Body: %s (%s). %s", BodyTypes);
    ShowSource(lblChassis, "Chassis: %s (%s). %s", ChassisTypes);
    ShowSource(lblSuspension, "Suspension: %s (%s). %s", SuspensionTypes);
    ShowSource(lblCEngine, "CEngine: %s (%s). %s", CEngineTypes);
    ShowSource(lblGEngine, "GEngine: %s (%s). %s", GEngineTypes);
    ShowSource(lblGasTank, "GasTank: %s (%s). %s", GasTankTypes);
    ShowSource(lblTire, "Tire: %s (%s). %s", TireTypes);
    ShowSource(lblWeapon, "Weapon: %s (%s). %s", WeaponTypes);
    ShowSource(lblAmmo, "Ammo: %s (%s). %s", AmmoTypes);
    ShowSource(lblHandgun, "HandGun: %s (%s). %s", HandGunTypes);
    ShowSource(lblEquipment, "Equipment: %s (%s). %s", EquipmentTypes);
    StackLabels();
}
