// The weapon selection box with the data panel of the chosen weapon, and the
// weapon rows: one row of controls per mounted weapon, built at run time in
// scrInstalledWeapons. The vehicle's weapon list is the truth; a row's
// controls carry the index of their weapon in that list as their tag.

#include "designer/LabelClicks.h"
#include "designer/MainWindow.h"
#include "platform/widgets/Application.h"
#include "designer/PageControl.h"

#include "model/EnumTexts.h"
#include "model/Global.h"
#include "model/Lookups.h"
#include "model/RuleTables.h"
#include "model/Utils.h"
#include "model/Vehicle.h"
#include "platform/Format.h"
#include "platform/widgets/WidgetUtils.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHash>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QStyle>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

// Rows are stacked this far apart; the first starts below the placement
// message.
constexpr int RowHeight = 20;
constexpr int FirstRowTop = 16;

// The tabs of the selection box and their lists: "All", then one per weapon
// class in class order.
constexpr int WeaponTabCount = 10;
const char* const WeaponTabs[WeaponTabCount] = {"All",           "Small-Bore", "Large-Bore", "Rockets", "Lasers",
                                                "Flamethrowers", "Gases",      "Liquids",    "Solids",  "Dischargers"};
const char* const WeaponListSuffixes[WeaponTabCount] = {"",       "SmallBore",     "LargeBore", "Rockets",
                                                        "Lasers", "Flamethrowers", "Gases",     "Liquids",
                                                        "Solids", "Dischargers"};

const QString LineBreak = QStringLiteral("\r\n");

// The entries of a list text whose entries each end in a line break.
QStringList Entries(const QString& list)
{
    return list.split(LineBreak, Qt::SkipEmptyParts);
}

// The abbreviation that a weapon label's caption "%2d: %s" shows; empty
// when the caption has none.
QString LabelAbbreviation(const QLabel* label)
{
    const QString caption = label->text();
    const qsizetype colon = caption.indexOf(QLatin1String(": "));
    return colon < 0 ? QString() : caption.mid(colon + 2);
}

// The places a weapon's location list offers: those the design gives the
// weapon, and the place it sits in while the design lacks that place (an
// imported weapon's turret, say).
QStringList Places(const QString& available, TLocation location)
{
    QStringList places = Entries(available);
    const QString current = location == locNotPlaced ? QString() : LocationToStr(location);
    if (!current.isEmpty() && !places.contains(current))
        places << current;
    return places;
}

bool IsWeaponRow(const TVehicle& V, int tag)
{
    return tag >= 0 && tag < V.WeaponCount();
}

} // namespace

QComboBox* TfrmMain::WeaponList(int Tab) const
{
    QComboBox* const lists[WeaponTabCount] = {cbWeapon,        cbWeaponSmallBore, cbWeaponLargeBore, cbWeaponRockets,
                                              cbWeaponLasers,  cbWeaponFlamethrowers, cbWeaponGases,  cbWeaponLiquids,
                                              cbWeaponSolids, cbWeaponDischargers};
    return lists[Tab];
}

void TfrmMain::BuildWeaponSelection()
{
    gbSelection = new QGroupBox(QStringLiteral(" Weapon Selection "));
    gbSelection->setObjectName(QStringLiteral("gbSelection"));
    auto* box = new QVBoxLayout(gbSelection);
    box->setContentsMargins(1, 1, 1, 1);
    box->setSpacing(2);
    pcWeaponSelect = new TPageControl(gbSelection);
    pcWeaponSelect->setObjectName(QStringLiteral("pcWeaponSelect"));
    pcWeaponSelect->setFixedHeight(52);
    box->addWidget(pcWeaponSelect);

    QComboBox* lists[WeaponTabCount] = {};
    for (int tab = 0; tab < WeaponTabCount; ++tab) {
        auto* page = new QWidget;
        auto* row = new QHBoxLayout(page);
        row->setContentsMargins(3, 2, 3, 2);
        lists[tab] = new QComboBox(page);
        lists[tab]->setObjectName(QStringLiteral("cbWeapon") + QLatin1String(WeaponListSuffixes[tab]));
        btnAddWeapon[tab] = new QPushButton(QStringLiteral("Add"), page);
        btnAddWeapon[tab]->setObjectName(QStringLiteral("btnAddWeapon") + QLatin1String(WeaponListSuffixes[tab]));
        row->addWidget(lists[tab], 1);
        row->addWidget(btnAddWeapon[tab]);
        pcWeaponSelect->addTab(page, QLatin1String(WeaponTabs[tab]));
    }
    cbWeapon = lists[0];
    cbWeaponSmallBore = lists[1];
    cbWeaponLargeBore = lists[2];
    cbWeaponRockets = lists[3];
    cbWeaponLasers = lists[4];
    cbWeaponFlamethrowers = lists[5];
    cbWeaponGases = lists[6];
    cbWeaponLiquids = lists[7];
    cbWeaponSolids = lists[8];
    cbWeaponDischargers = lists[9];

    // The data panel: the comment beside the figures of the chosen weapon.
    auto* panel = new QHBoxLayout;
    panel->setContentsMargins(3, 0, 3, 2);
    box->addLayout(panel, 1);
    edWeaponComment = new QPlainTextEdit;
    edWeaponComment->setObjectName(QStringLiteral("edWeaponComment"));
    edWeaponComment->setReadOnly(true);
    panel->addWidget(edWeaponComment, 1);
    auto* figures = new QGridLayout;
    figures->setHorizontalSpacing(8);
    figures->setVerticalSpacing(0);
    panel->addLayout(figures, 2);
    const auto figure = [figures](QLabel*& label, const char* name, int row, int column, int span = 1) {
        label = new QLabel;
        label->setObjectName(QLatin1String(name));
        figures->addWidget(label, row, column, 1, span);
    };
    figure(lblWeaponToHit, "lblWeaponToHit", 0, 0);
    figure(lblWeaponDamage, "lblWeaponDamage", 0, 1);
    figure(lblWeaponShots, "lblWeaponShots", 0, 2);
    figure(lblWeaponEffect, "lblWeaponEffect", 1, 0);
    figure(lblWeaponDP, "lblWeaponDP", 1, 1);
    figure(lblWeaponSpace, "lblWeaponSpace", 1, 2);
    figure(lblWeaponCost, "lblWeaponCost", 2, 0);
    figure(lblWeaponWeight, "lblWeaponWeight", 2, 1);
    figure(lblWeaponYear, "lblWeaponYear", 2, 2);
    figure(lblWeaponClass, "lblWeaponClass", 3, 0, 3);
    // The efficiency columns line up in a fixed-pitch font.
    QFont fixed(QStringLiteral("Courier New"));
    fixed.setStyleHint(QFont::Monospace);
    fixed.setPointSize(8);
    figure(lblWeaponSpaceEff, "lblWeaponSpaceEff", 4, 0, 3);
    figure(lblWeaponCostEff, "lblWeaponCostEff", 5, 0, 3);
    figure(lblWeaponWeightEff, "lblWeaponWeightEff", 6, 0, 3);
    for (QLabel* label : {lblWeaponSpaceEff, lblWeaponCostEff, lblWeaponWeightEff})
        label->setFont(fixed);
    figures->setRowStretch(7, 1);

    // The static children of the weapon rows' scroll box are no row.
    QWidget* rows = scrInstalledWeapons->widget();
    SetTag(lblInvalidWeaponLoad, -1);
    btnDeleteGlyph = new QToolButton(rows);
    btnDeleteGlyph->setObjectName(QStringLiteral("btnDeleteGlyph"));
    btnDeleteGlyph->setIcon(style()->standardIcon(QStyle::SP_TitleBarCloseButton));
    SetTag(btnDeleteGlyph, -1);
    btnDeleteGlyph->hide();

    tmrNuke = new QTimer(this);
    tmrNuke->setObjectName(QStringLiteral("tmrNuke"));
    tmrNuke->setInterval(100);
    tmrNuke->setSingleShot(true);
}

void TfrmMain::ConnectWeaponHandlers()
{
    for (int tab = 0; tab < WeaponTabCount; ++tab) {
        QComboBox* list = WeaponList(tab);
        connect(list, &QComboBox::activated, this, ShowingErrors([this, list](int) { cbWeaponChange(list); }));
        connect(btnAddWeapon[tab], &QPushButton::clicked, this, ShowingErrors([this] { btnAddWeaponClick(); }));
    }
    connect(pcWeaponSelect, &QTabWidget::currentChanged, this,
        ShowingErrors([this](int) { cbWeaponChange(pcWeaponSelect); }));
    connect(tmrNuke, &QTimer::timeout, this, ShowingErrors([this] { tmrNukeTimer(); }));
}

namespace {

// The list of the active tab; a page control without an active page shows
// the list of "All".
QComboBox* ActiveWeaponList(const TfrmMain& form)
{
    const int tab = form.pcWeaponSelect->ActivePageIndex();
    return form.WeaponList(tab >= 1 && tab < WeaponTabCount ? tab : 0);
}

} // namespace

void TfrmMain::cbWeaponChange(QObject* Sender)
{
    if (const auto* list = qobject_cast<QComboBox*>(Sender); list && list->currentIndex() < 0)
        return;
    const int index = FindWeaponTypeIndex(ParenthesisText(ActiveWeaponList(*this)->currentText()));
    if (index < 0)
        return;
    const TWeaponType W = WeaponTypes.Items[index];
    edWeaponComment->setPlainText(W.Comment);
    lblWeaponToHit->setText(Format(QStringLiteral("To Hit: %s"), {ToHitToStr(W.ToHit)}));
    lblWeaponEffect->setText(Format(QStringLiteral("Effect: %s"), {EffectToStr(W.EffectKind, W.EffectValue)}));
    lblWeaponDamage->setText(
        Format(QStringLiteral("Damage: %s"), {DiceToStr(W.DamageKind, W.DamageDice, W.DamageMod)}));
    lblWeaponShots->setText(Format(QStringLiteral("Shots: %s"), {IntToStrOrDash(W.Shots)}));
    lblWeaponCost->setText(Format(QStringLiteral("Cost: $%d"), {LoadedWeaponCost(W)}));
    lblWeaponWeight->setText(Format(QStringLiteral("Weight: %d"), {LoadedWeaponWeight(W)}));
    lblWeaponSpace->setText(Format(QStringLiteral("Space: %s"), {FloatToText(W.Space)}));
    lblWeaponDP->setText(Format(QStringLiteral("DP: %s"), {FloatToText(W.DP)}));
    lblWeaponClass->setText(WeaponClassToStr(W.Class));
    lblWeaponYear->setText(Format(QStringLiteral("Available from: %d"), {W.Year}));

    // Firepower per space, cost and weight at the three range bands.
    const TVehicle& V = Vehicle();
    const auto efficiency = [&V, &W](const char* head, int mode) {
        return Format(QLatin1String(head) + QStringLiteral("0-1\": %6f; 1-4\": %6f; 4-8\": %6f"),
                      {V.GetWeaponEfficiency(W, mode, 0), V.GetWeaponEfficiency(W, mode, 1),
                       V.GetWeaponEfficiency(W, mode, 2)});
    };
    lblWeaponSpaceEff->setText(efficiency("Space;  ", 0));
    lblWeaponCostEff->setText(efficiency("Cost;   ", 1));
    lblWeaponWeightEff->setText(efficiency("Weight; ", 2));
}

QString TfrmMain::AvailableLocations(const TWeaponType& Weapon) const
{
    const TVehicle& V = Vehicle();
    const QString mounts = Weapon.MountPoints.toUpper();
    const bool oneShotRocket = Weapon.Class == wcRockets && Weapon.Shots == 1;
    // Rocket pods carry one-shot rockets only, other pods everything else.
    const bool podTakesIt = V.EWPR ? oneShotRocket : !oneShotRocket;
    const bool sidePods = V.EWP % 2 == 1;
    const bool topPod = V.EWP > 0 && V.EWP % 2 == 0;
    QString list;
    const auto offer = [&list, &mounts](const char* location, bool allowed) {
        const QString name = QLatin1String(location);
        if (allowed && mounts.contains(QLatin1Char(';') + name.toUpper() + QLatin1Char(';')))
            list += name + LineBreak;
    };
    offer("front", true);
    offer("back", true);
    offer("left", !sidePods || podTakesIt);
    offer("right", !sidePods || podTakesIt);
    offer("EWP", topPod && podTakesIt && Weapon.Class != wcDischargers);
    offer("turret", V.Turret >= tkOneSpace && V.Body.Nr >= 1 && Weapon.Class != wcDischargers);
    offer("rocket platform", V.RocketPlatform > 0 && Weapon.Class == wcRockets);
    return list;
}

QString TfrmMain::AmmoList(const TWeaponType& Weapon) const
{
    QString list;
    const QString fits = QLatin1Char(';') + Weapon.Abbreviation + QLatin1Char(';');
    for (const TAmmoType& ammo : Vehicle().Ammo.Items) {
        if (!ammo.Weapons.contains(fits) && ammo.Weapons != QLatin1String(";-ALL-;"))
            continue;
        list += (ammo.Abbreviation == QLatin1String("-")
                     ? ammo.Name
                     : Format(QStringLiteral("%s (%s)"), {ammo.Name, ammo.Abbreviation})) +
            LineBreak;
    }
    return list;
}

int TfrmMain::AmmoIndex(const QString& Ammo, const QString& List)
{
    const QString wanted = Ammo.isEmpty() ? QStringLiteral("-") : Ammo;
    const QStringList entries = Entries(List);
    for (int i = 0; i < entries.size(); ++i) {
        if (ParenthesisTextOrDash(entries[i]) == wanted)
            return i;
    }
    return -1;
}

void TfrmMain::AddWeaponToList(const TWeaponType& Weapon, int Suffix, QString& LocationText, TLocation Location)
{
    QWidget* content = scrInstalledWeapons->widget();
    const int row = WeaponRowTop / RowHeight;
    // The controls sit in the scroll box's content, which the scroll box
    // itself moves by its scroll position.
    const int top = WeaponRowTop;
    const auto place = [&](QWidget* control, const char* prefix, int left, int offset) {
        control->setObjectName(QStringLiteral("%1_%2").arg(QLatin1String(prefix)).arg(Suffix));
        SetTag(control, row);
        control->setCursor(Qt::PointingHandCursor);
        control->move(left, top + offset);
        WeaponRows.Add(control);
        control->show();
    };
    const auto list = [&](const char* prefix, int left, int width, const QStringList& entries, const char* hint) {
        auto* box = new QComboBox(content);
        box->addItems(entries);
        box->setFixedSize(width, RowHeight);
        SetControlHint(box, QLatin1String(hint));
        place(box, prefix, left, 0);
        return box;
    };
    const auto check = [&](const char* prefix, const QString& caption, int left, const QString& hint,
                           void (TfrmMain::*handler)(QWidget*), bool ticked) {
        auto* box = new QCheckBox(caption, content);
        box->setFixedSize(100, 16);
        SetControlHint(box, hint);
        place(box, prefix, left, 2);
        // Attached first, so the tick runs the handler as a user's tick would.
        connect(box, &QCheckBox::toggled, this, ShowingErrors([this, box, handler](bool) { (this->*handler)(box); }));
        box->setChecked(ticked);
    };

    auto* label = new QLabel(Format(QStringLiteral("%2d: %s"), {row, Weapon.Abbreviation}), content);
    SetControlHint(label, Format(QStringLiteral("%s: Shots: %s, ToHit: %d, Damage: %s, DP: %d"),
                                 {Weapon.Name, IntToStrOrDash(Weapon.Shots), Weapon.ToHit,
                                  DiceToStr(Weapon.DamageKind, Weapon.DamageDice, Weapon.DamageMod), Weapon.DP}));
    label->adjustSize();
    place(label, "lblWeapon", 0, 4);
    ConnectLabelClick(label, [this, label] { lblNewWeaponNameClick(label); });

    QComboBox* where = list("cbWeaponPosition", 53, 50, Places(AvailableLocations(Weapon), Location),
                            "Select the weapon location");
    where->setCurrentIndex(Location == locNotPlaced ? 0 : where->findText(LocationToStr(Location)));
    connect(where, &QComboBox::activated, this, ShowingErrors([this, where](int) { cbWeaponLocationChange(where); }));

    auto* remove = new QToolButton(content);
    remove->setIcon(btnDeleteGlyph->icon());
    QFont font = remove->font();
    font.setBold(true);
    remove->setFont(font);
    QPalette palette = remove->palette();
    palette.setColor(QPalette::ButtonText, Qt::red);
    remove->setPalette(palette);
    remove->setFixedSize(16, 16);
    remove->setAutoRaise(true);
    SetControlHint(remove, QStringLiteral("Remove this weapon from the vehicle"));
    place(remove, "cbWeaponDelete", 104, 2);
    connect(remove, &QToolButton::clicked, this, ShowingErrors([this, remove] { btnDeleteWeaponClick(remove); }));

    if (Weapon.Class <= wcFlamethrowers) {
        QComboBox* computer = list("cbWeaponSWC", 123, 65,
                                   {QStringLiteral("-"), QStringLiteral("SWC"), QStringLiteral("HRSWC")},
                                   "Optionally select a (High-Res?) Single Weapon Computer for this weapon");
        computer->setCurrentIndex(Weapon.SWC ? 1 : Weapon.HRSWC ? 2 : 0);
        connect(computer, &QComboBox::activated, this, ShowingErrors([this, computer](int) { cbWeaponSWC(computer); }));
    }
    if (Weapon.Class != wcLasers && Weapon.Class != wcDischargers && Weapon.Shots > 1 && Weapon.CPS != 0) {
        check("chkWeaponExtraAmmo", QStringLiteral("Extra Ammo"), 190,
              QStringLiteral("Add an extra ammo magazine to the ") + Weapon.Name, &TfrmMain::chkWeaponExtraAmmo,
              Weapon.ExtraAmmo);
    }
    const QString ammo = AmmoList(Weapon);
    if (!ammo.isEmpty() && ammo != QStringLiteral("Normal") + LineBreak) {
        QComboBox* choice = list("cbWeaponAmmo", 270, 225, Entries(ammo), "Select ammo to use");
        const int index = AmmoIndex(Weapon.Ammo, ammo);
        choice->setCurrentIndex(index < 0 ? 0 : index);
        connect(choice, &QComboBox::activated, this,
            ShowingErrors([this, choice](int) { cbWeaponAmmoChange(choice); }));
    }
    if (Weapon.Class == wcLasers) {
        check("chkWeaponIR", QStringLiteral("IR"), 190,
              QStringLiteral("IR lasers can fire through smoke and paint, though not optimally"),
              &TfrmMain::chkWeaponLaserIR, Weapon.LaserIR);
        if (Weapon.Abbreviation != QLatin1String("TL")) {
            check("chkWeaponPulse", QStringLiteral("Pulse"), 226,
                  QStringLiteral("Pule lasers cause more damage, and cost quite a bit more"),
                  &TfrmMain::chkWeaponLaserPulse, Weapon.LaserPulse);
        }
    }

    WeaponRowTop += RowHeight;
    scrInstalledWeapons->RowsChanged();
    LocationText = where->count() > 0 ? where->itemText(0) : QString();
}

void TfrmMain::btnAddWeaponClick()
{
    // The active tab decides, whichever add button was pressed; a list
    // without a weapon adds nothing.
    TWeaponType weapon;
    if (!FindWeaponType(ParenthesisText(ActiveWeaponList(*this)->currentText()), weapon))
        return;
    weapon.Location = locFront;
    TVehicle& V = Vehicle();
    int index = 0;
    const int serial = V.AddWeapon(weapon, index);
    QString first;
    AddWeaponToList(weapon, serial, first, locNotPlaced);
    V.SetWeaponLocation(index, StrToLocation(first));
    RecalcVehicle(true);
}

void TfrmMain::btnDeleteWeaponClick(QWidget* Sender)
{
    const int R = Tag(Sender);
    if (R < 0)
        return;
    for (const char* prefix : {"lblWeapon", "cbWeaponPosition", "chkWeaponExtraAmmo", "cbWeaponSWC",
                               "cbWeaponAmmo", "chkWeaponIR", "chkWeaponPulse"}) {
        if (QWidget* control = WeaponRows.Find(QLatin1String(prefix), R)) {
            WeaponRows.Remove(control);
            delete control;
        }
    }
    QWidget* button = WeaponRows.Find(QStringLiteral("cbWeaponDelete"), R);
    if (!button)
        return;
    // The button's own click is still running: it leaves the rows now and
    // is released by tmrNuke. A button parked earlier has long finished.
    button->hide();
    WeaponRows.Remove(button);
    SetTag(button, -1);
    if (PendingDelete)
        PendingDelete->deleteLater();
    PendingDelete = button;

    scrInstalledWeapons->RowsChanged();
    for (QWidget* control : WeaponRows.Controls()) {
        const int tag = Tag(control);
        if (tag <= R)
            continue;
        control->move(control->x(), control->y() - RowHeight);
        SetTag(control, tag - 1);
        if (auto* label = qobject_cast<QLabel*>(control)) {
            label->setText(Format(QStringLiteral("%2d: %s"), {tag - 1, LabelAbbreviation(label)}));
            label->adjustSize();
        }
    }
    WeaponRowTop -= RowHeight;
    TVehicle& V = Vehicle();
    if (IsWeaponRow(V, R))
        V.DeleteWeapon(R);
    RecalcVehicle(true);
    tmrNuke->start();
}

void TfrmMain::tmrNukeTimer()
{
    tmrNuke->stop();
    if (PendingDelete)
        PendingDelete->deleteLater();
    PendingDelete = nullptr;
}

void TfrmMain::ReleaseWeaponRows()
{
    WeaponRows.Clear();
    // A parked delete button goes with the rows, once.
    scrInstalledWeapons->ReleaseRows({lblInvalidWeaponLoad, btnDeleteGlyph});
    PendingDelete = nullptr;
}

namespace {

// Puts the selected text of a row's list into the row's weapon. False when
// the list has no selection or the design cannot take the text, which then
// leaves the design as it was.
bool WriteWeaponRowList(TVehicle& V, const QComboBox* list, void (*apply)(TVehicle& V, int row, const QString& text))
{
    if (!list || list->currentIndex() < 0)
        return false;
    try {
        if (IsWeaponRow(V, Tag(list)))
            apply(V, Tag(list), list->currentText());
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

void PlaceWeapon(TVehicle& V, int row, const QString& text)
{
    V.SetWeaponLocation(row, StrToLocation(text));
}

} // namespace

void TfrmMain::ApplyWeaponRowList(QWidget* Sender, void (*apply)(TVehicle& V, int row, const QString& text))
{
    if (!WriteWeaponRowList(Vehicle(), qobject_cast<QComboBox*>(Sender), apply))
        return;
    try {
        RecalcVehicle(true);
    } catch (const std::exception&) {
    }
}

void TfrmMain::cbWeaponLocationChange(QWidget* Sender)
{
    ApplyWeaponRowList(Sender, PlaceWeapon);
    // Moved from a place the design lacks, the weapon cannot go back there.
    auto* list = qobject_cast<QComboBox*>(Sender);
    const TVehicle& V = Vehicle();
    if (!list || !IsWeaponRow(V, Tag(list)))
        return;
    const TWeaponType& weapon = V.Weapons.Items[Tag(list)];
    const QStringList places = Places(AvailableLocations(weapon), weapon.Location);
    for (int i = list->count() - 1; i >= 0; --i) {
        if (!places.contains(list->itemText(i)))
            list->removeItem(i);
    }
}

void TfrmMain::cbWeaponSWC(QWidget* Sender)
{
    const auto* list = qobject_cast<QComboBox*>(Sender);
    TVehicle& V = Vehicle();
    if (!list || !IsWeaponRow(V, Tag(list)))
        return;
    TWeaponType& weapon = V.Weapons.Items[Tag(list)];
    weapon.SWC = list->currentIndex() == 1;
    weapon.HRSWC = list->currentIndex() == 2;
    RecalcVehicle(true);
}

void TfrmMain::cbWeaponAmmoChange(QWidget* Sender)
{
    ApplyWeaponRowList(Sender, [](TVehicle& V, int row, const QString& text) {
        V.Weapons.Items[row].Ammo = ParenthesisTextOrDash(text);
    });
}

namespace {

// The weapon of a row's check box, or null for a box that stands for none.
TWeaponType* CheckedWeapon(TVehicle& V, const QWidget* box)
{
    return IsWeaponRow(V, Tag(box)) ? &V.Weapons.Items[Tag(box)] : nullptr;
}

bool Ticked(const QWidget* box)
{
    const auto* check = qobject_cast<const QCheckBox*>(box);
    return check && check->isChecked();
}

} // namespace

void TfrmMain::chkWeaponExtraAmmo(QWidget* Sender)
{
    if (TWeaponType* weapon = CheckedWeapon(Vehicle(), Sender)) {
        weapon->ExtraAmmo = Ticked(Sender);
        RecalcVehicle(true);
    }
}

void TfrmMain::chkWeaponLaserIR(QWidget* Sender)
{
    if (TWeaponType* weapon = CheckedWeapon(Vehicle(), Sender)) {
        weapon->LaserIR = Ticked(Sender);
        RecalcVehicle(true);
    }
}

void TfrmMain::chkWeaponLaserPulse(QWidget* Sender)
{
    if (TWeaponType* weapon = CheckedWeapon(Vehicle(), Sender)) {
        weapon->LaserPulse = Ticked(Sender);
        RecalcVehicle(true);
    }
}

void TfrmMain::lblNewWeaponNameClick(QWidget* Sender)
{
    const TVehicle& V = Vehicle();
    if (!qobject_cast<QLabel*>(Sender) || !IsWeaponRow(V, Tag(Sender)))
        return;
    const TWeaponType& weapon = V.Weapons.Items[Tag(Sender)];
    const int entry = cbWeapon->findText(Format(QStringLiteral("%s (%s)"), {weapon.Name, weapon.Abbreviation}));
    if (entry < 0)
        return;
    cbWeapon->setCurrentIndex(entry);
    pcWeaponSelect->SetActivePageIndex(0);
    cbWeaponChange(nullptr);
}

void TfrmMain::CheckWeaponLoad()
{
    QString message;
    Vehicle().CheckWeaponPlacement(message);
    lblInvalidWeaponLoad->setText(message);
    lblInvalidWeaponLoad->setVisible(!message.isEmpty());
    scrInstalledWeapons->FitToRows();
}

void TfrmMain::RefreshWeaponWhere()
{
    const QList<QWidget*> controls = WeaponRows.Controls();
    // Each row's label, the first of its row, looked up once for all rows.
    QHash<int, const QLabel*> labels;
    for (const QWidget* control : controls) {
        const auto* label = qobject_cast<const QLabel*>(control);
        if (label && label->objectName().section(QLatin1Char('_'), 0, 0) == QLatin1String("lblWeapon") &&
            !labels.contains(Tag(label)))
            labels.insert(Tag(label), label);
    }
    TVehicle& V = Vehicle();
    for (QWidget* control : controls) {
        auto* list = qobject_cast<QComboBox*>(control);
        if (!list || !list->objectName().toUpper().contains(QLatin1String("POSITION")))
            continue;
        const QLabel* label = labels.value(Tag(list));
        const int record = label ? FindWeaponTypeIndex(LabelAbbreviation(label)) : -1;
        if (record < 0)
            continue;
        const int selected = list->currentIndex();
        list->clear();
        list->addItems(Entries(AvailableLocations(WeaponTypes.Items[record])));
        list->setCurrentIndex(selected != -1 && selected < list->count() ? selected : 0);
        // The weapon takes the selected place as the list's own handler
        // would put it; the one recalculation below serves every row.
        WriteWeaponRowList(V, list, PlaceWeapon);
    }
    RecalcVehicle(true);
}
