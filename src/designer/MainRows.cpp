// The component-armor rows and the accessory rows, built at run time inside
// their scroll boxes. The controls of one row share its tag, and the handlers
// find a row's controls again by name prefix and tag.

#include "designer/MainWindow.h"
#include "platform/widgets/Application.h"

#include "designer/LabelClicks.h"

#include "model/EnumTexts.h"
#include "model/ErrorReport.h"
#include "model/Global.h"
#include "model/Vehicle.h"
#include "platform/Format.h"
#include "platform/Numbers.h"
#include "platform/widgets/Anchors.h"
#include "platform/widgets/WidgetUtils.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QSpinBox>

namespace {

// Tags of the component-armor rows that are not weapons.
constexpr int DriverTag = 100;
constexpr int GunnerTag = 101;
constexpr int EngineTag = 102;

// The first accessory row's top, below the add-on lists.
constexpr int FirstEquipmentRowTop = 42;
constexpr int RowHeight = 20;
// A component-armor spin as high as its row: a higher one would cover the
// top of the next row's spin.
constexpr int CASpinHeight = RowHeight;

const QString EquipmentBoxPrefix = QStringLiteral("chkEquipment");
const QString EquipmentSpinPrefix = QStringLiteral("spinEquipment");
const QString EquipmentEditPrefix = QStringLiteral("edEquipment");

// A control of a row: a child of the scroll box's content, which scrolls as
// a whole, so the row's top is its place in the content.
template <typename T>
T* RowControl(QScrollArea* box, T* control, const QString& name, int tag, int left, int top)
{
    control->setParent(box->widget());
    control->setObjectName(name);
    SetTag(control, tag);
    control->move(left, top);
    control->setCursor(Qt::PointingHandCursor);
    return control;
}

// Spaces below 1 count as 1 for component armor.
Extended CASpaces(double spaces)
{
    return std::max(static_cast<Extended>(spaces), 1.0L);
}

int MaxCAPoints(Extended spaces)
{
    return Round(spaces * 20);
}

bool IsEquipmentRowControl(const QWidget* control)
{
    const QString prefix = control->objectName().section(QLatin1Char('_'), 0, 0);
    return prefix == EquipmentBoxPrefix || prefix == EquipmentSpinPrefix || prefix == EquipmentEditPrefix;
}

} // namespace

void TfrmMain::FillCA()
{
    if (!AllowCA)
        return;
    CARowTop = 0;
    // The rows are rebuilt only by a full recalculation, never from inside
    // one of their own handlers, so they can go at once.
    scrCA->ReleaseRows();
    AddObjectToCAList(QStringLiteral("Driver"), DriverTag, 2, QString());
    if (CrewBuffer[1].Seat)
        AddObjectToCAList(QStringLiteral("Gunner"), GunnerTag, 2, QString());
    TVehicle& V = Vehicle();
    QStringList engine;
    const int engineSpaces = V.GetEngineSpace(engine);
    if (!engine.isEmpty())
        AddObjectToCAList(engine.first().section(QLatin1Char(':'), 0, 0), EngineTag, engineSpaces,
                          QStringLiteral("Engine"));
    for (int i = 0; i < V.Weapons.Items.size(); ++i)
        AddWeaponToCAList(V.Weapons.Items[i], i);
    // The rows show when the program next waits for the user: those that the
    // next recalculation of the same command replaces are never shown.
    scrCA->SizeToRows();
}

void TfrmMain::AddObjectToCAList(const QString& Caption, int Tag, double Spaces, const QString& LabelText)
{
    const TVehicle& V = Vehicle();
    int points = 0;
    bool fireproof = false;
    if (Tag == DriverTag || Tag == GunnerTag) {
        const TCrewType& seat = V.Crew[Tag - DriverTag];
        points = seat.CA;
        fireproof = seat.CA_FP;
    } else if (Tag == EngineTag) {
        points = V.EngineCA;
        fireproof = V.EngineCA_FP;
    }
    const Extended spaces = CASpaces(Spaces);
    const int maxPoints = MaxCAPoints(spaces);

    auto* label = RowControl(scrCA, new QLabel(LabelText.isEmpty() ? Caption : LabelText),
                             Format(QStringLiteral("lblObjectCA_%d"), {Tag}), Tag, 0, CARowTop + 4);
    label->unsetCursor();
    label->adjustSize();
    SetControlHint(label, Format(QStringLiteral("CA for the %s: max %d points, at $%.0n and %.0n lbs each"),
                                 {Caption, maxPoints, spaces * 5, spaces * 2}));

    auto* box = RowControl(scrCA, new QCheckBox(QStringLiteral("FP")), Format(QStringLiteral("chkObjectCA_%d"), {Tag}),
                           Tag, 70, CARowTop + 3);
    box->resize(205, box->sizeHint().height());
    SetControlHint(box, Format(QStringLiteral("Fireproof Component Armor for the %s?"), {Caption}));
    box->setChecked(fireproof);
    connect(box, &QCheckBox::toggled, this, ShowingErrors([this, box] { chkCAFPClick(box); }));

    auto* spin = RowControl(scrCA, new QSpinBox, Format(QStringLiteral("seObjectCA_%d"), {Tag}), Tag, 104, CARowTop);
    spin->resize(41, CASpinHeight);
    spin->setRange(0, maxPoints);
    spin->setValue(points);
    SetControlHint(spin,
                   Format(QStringLiteral("Select amount of plastic armor for the %s (max: %d)"), {Caption, maxPoints}));
    connect(spin, &QSpinBox::valueChanged, this, ShowingErrors([this, spin] { seCAChange(spin); }));

    for (QWidget* control : std::initializer_list<QWidget*>{label, box, spin})
        control->show();
    CARowTop += RowHeight;
    scrCA->RowsChanged();
}

void TfrmMain::AddWeaponToCAList(const TWeaponType& Weapon, int Index)
{
    const Extended spaces = CASpaces(Weapon.Space);
    const int maxPoints = MaxCAPoints(spaces);
    const QString location = LocationToStr(Weapon.Location);

    auto* label = RowControl(scrCA, new QLabel(Weapon.Abbreviation), Format(QStringLiteral("lblWeaponCA_%d"), {Index}),
                             Index, 0, CARowTop + 4);
    label->adjustSize();
    SetControlHint(label, Format(QStringLiteral("CA for the %s %s: max %d points, at $%.0n and %.0n lbs each"),
                                 {location, Weapon.Name, maxPoints, spaces * 5, spaces * 2}));
    // A click on the label shows the weapon in the selection box.
    ConnectLabelClick(label, [this, label] { lblNewWeaponNameClick(label); });

    auto* box = RowControl(scrCA, new QCheckBox(QStringLiteral("FP")),
                           Format(QStringLiteral("chkObjectCA_%d"), {Index}), Index, 70, CARowTop + 3);
    box->resize(205, box->sizeHint().height());
    SetControlHint(box, Format(QStringLiteral("Fireproof Component Armor for the %s %s?"), {location, Weapon.Name}));
    box->setChecked(Weapon.CA_FP);
    connect(box, &QCheckBox::toggled, this, ShowingErrors([this, box] { chkCAFPClick(box); }));

    auto* spin = RowControl(scrCA, new QSpinBox, Format(QStringLiteral("seWeaponCA_%d"), {Index}), Index, 104,
                            CARowTop);
    spin->resize(41, CASpinHeight);
    spin->setRange(0, maxPoints);
    spin->setValue(Weapon.CA);
    SetControlHint(spin, Format(QStringLiteral("Select amount of plastic armor for the %s %s (max: %d)"),
                                {location, Weapon.Name, maxPoints}));
    connect(spin, &QSpinBox::valueChanged, this, ShowingErrors([this, spin] { seCAChange(spin); }));

    for (QWidget* control : std::initializer_list<QWidget*>{label, box, spin})
        control->show();
    CARowTop += RowHeight;
    scrCA->RowsChanged();
}

namespace {

// The component armor a row edits: a weapon by its index, a crew seat or the
// engine; null points for a tag that names nothing.
struct TCATarget {
    int* Points = nullptr;
    bool* Fireproof = nullptr;
};

TCATarget CATarget(TVehicle& V, int tag)
{
    if (tag >= 0 && tag < V.Weapons.Items.size()) {
        TWeaponType& weapon = V.Weapons.Items[tag];
        return {&weapon.CA, &weapon.CA_FP};
    }
    if (tag == DriverTag || tag == GunnerTag) {
        TCrewType& seat = V.Crew[tag - DriverTag];
        return {&seat.CA, &seat.CA_FP};
    }
    if (tag == EngineTag)
        return {&V.EngineCA, &V.EngineCA_FP};
    return {};
}

} // namespace

void TfrmMain::chkCAFPClick(QWidget* Sender)
{
    const TCATarget target = CATarget(Vehicle(), Tag(Sender));
    if (auto* box = qobject_cast<QCheckBox*>(Sender); box && target.Fireproof)
        *target.Fireproof = box->isChecked();
    // The row being edited must survive the recalculation.
    RecalcVehicle(false);
}

void TfrmMain::seCAChange(QWidget* Sender)
{
    const TCATarget target = CATarget(Vehicle(), Tag(Sender));
    if (auto* spin = qobject_cast<QSpinBox*>(Sender); spin && target.Points)
        *target.Points = spin->value();
    RecalcVehicle(false);
}

void TfrmMain::FillEquipmentList()
{
    QWidget* content = scrInstalledEquipment->widget();
    for (QWidget* control : content->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (IsEquipmentRowControl(control))
            delete control;
    }
    int top = FirstEquipmentRowTop;
    const QSize rows(TRowScrollBox::RowsWidth, 0);
    for (int i = 0; i < EquipmentTypes.Items.size(); ++i) {
        const TEquipmentType& accessory = EquipmentTypes.Items[i];
        const int nr = accessory.Nr;
        auto* box = RowControl(scrInstalledEquipment, new QCheckBox(accessory.Name),
                               Format(QStringLiteral("chkEquipment_%d"), {i}), nr, 4, top + 4);
        box->resize(205, box->sizeHint().height());
        // The box stretches with the scroll box; the amount and the
        // information move with its right edge.
        SetAnchors(box, Qt::LeftEdge | Qt::TopEdge | Qt::RightEdge, rows);
        SetControlHint(box, accessory.Comment);
        connect(box, &QCheckBox::toggled, this, ShowingErrors([this, box] { chkEquipmentClick(box); }));
        box->show();
        if (accessory.MaxAmt > 1) {
            auto* spin = RowControl(scrInstalledEquipment, new QSpinBox,
                                    Format(QStringLiteral("spinEquipment_%d"), {i}), nr, 174, top);
            spin->resize(37, 22);
            SetAnchors(spin, Qt::TopEdge | Qt::RightEdge, rows);
            spin->setRange(1, accessory.MaxAmt);
            spin->setValue(1);
            SetControlHint(spin, accessory.Comment);
            connect(spin, &QSpinBox::valueChanged, this, ShowingErrors([this, spin] { chkEquipmentClick(spin); }));
            spin->show();
        }
        if (accessory.AddInfoOk) {
            auto* edit = RowControl(scrInstalledEquipment, new QLineEdit,
                                    Format(QStringLiteral("edEquipment_%d"), {i}), nr, 215, top);
            edit->resize(rows.width() - 233, 22);
            SetAnchors(edit, Qt::TopEdge | Qt::RightEdge, rows);
            edit->setCursor(Qt::IBeamCursor);
            SetControlHint(edit, QStringLiteral("Enter additional information here"));
            connect(edit, &QLineEdit::textChanged, this, ShowingErrors([this, edit] { chkEquipmentClick(edit); }));
            edit->show();
        }
        top += RowHeight;
    }
    scrInstalledEquipment->FitToRows();
}

void TfrmMain::chkEquipmentClick(QWidget* Sender)
{
    QWidget* content = scrInstalledEquipment->widget();
    const int nr = Tag(Sender);
    auto* box = qobject_cast<QCheckBox*>(FindControlByPrefix(content, EquipmentBoxPrefix, nr));
    if (!box) {
        ReportError(Format(QStringLiteral("Checkbox with Tag %d not found"), {nr}), QStringLiteral("chkEquipmentClick"),
                    2);
        return;
    }
    TVehicle& V = Vehicle();
    if (!box->isChecked()) {
        V.SetEquipment(nr, 0, QString());
    } else {
        const auto* spin = qobject_cast<QSpinBox*>(FindControlByPrefix(content, EquipmentSpinPrefix, nr));
        const auto* edit = qobject_cast<QLineEdit*>(FindControlByPrefix(content, EquipmentEditPrefix, nr));
        V.SetEquipment(nr, spin ? spin->value() : 1, edit ? edit->text() : QString());
    }
    RecalcVehicle(true);
}

void TfrmMain::ShowEquipment()
{
    QWidget* content = scrInstalledEquipment->widget();
    const TVehicle& V = Vehicle();
    for (const TEquipmentType& accessory : EquipmentTypes.Items) {
        const int nr = accessory.Nr;
        auto* box = qobject_cast<QCheckBox*>(FindControlByPrefix(content, EquipmentBoxPrefix, nr));
        if (!box)
            continue;
        TEquipmentType fitted;
        V.GetEquipment(nr, fitted);
        {
            const QSignalBlocker quiet(box);
            box->setChecked(fitted.Amount > 0);
        }
        if (auto* spin = qobject_cast<QSpinBox*>(FindControlByPrefix(content, EquipmentSpinPrefix, nr))) {
            const QSignalBlocker quiet(spin);
            spin->setValue(fitted.Amount);
        }
        if (auto* edit = qobject_cast<QLineEdit*>(FindControlByPrefix(content, EquipmentEditPrefix, nr))) {
            const QSignalBlocker quiet(edit);
            edit->setText(fitted.Info);
        }
    }
}
