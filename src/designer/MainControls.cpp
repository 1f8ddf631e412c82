// The main window's controls, built in code and named as the design names
// them, so that the handlers and the tests find each by its name.

#include "designer/MainWindow.h"
#include "designer/OneLineMemo.h"
#include "designer/PageControl.h"

#include "platform/widgets/WidgetUtils.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <limits>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QSpinBox>
#include <QStatusBar>
#include <QToolBar>
#include <QVBoxLayout>

namespace {

template <typename T>
T* Named(T* widget, const QString& name)
{
    widget->setObjectName(name);
    return widget;
}
template <typename T>
T* Named(T* widget, const char* name)
{
    return Named(widget, QString(QLatin1String(name)));
}

// A group box whose page control fills it.
TPageControl* GroupPages(QGroupBox*& box, const char* boxName, const QString& caption, const char* pagesName)
{
    box = Named(new QGroupBox(caption), boxName);
    auto* pages = Named(new TPageControl(box), pagesName);
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(1, 1, 1, 1);
    layout->addWidget(pages);
    return pages;
}

// Fills one tab page row by row, in as many columns as the page asks for:
// a control alone, or a caption beside it, fills one column of a row.
class TPageBuilder
{
public:
    TPageBuilder(TPageControl* pages, const QString& name, const QString& caption)
        : FPage(Named(new QWidget, name)), FGrid(new QGridLayout(FPage))
    {
        FGrid->setContentsMargins(3, 2, 3, 2);
        FGrid->setHorizontalSpacing(4);
        FGrid->setVerticalSpacing(0);
        pages->addTab(FPage, caption);
    }
    ~TPageBuilder()
    {
        if (FFilled)
            return;
        NewRow();
        FGrid->setRowStretch(FRow, 1);
    }

    QWidget* Page() const { return FPage; }

    // The rows that follow have this many columns.
    void Columns(int count)
    {
        NewRow();
        FColumns = count;
    }
    void NewRow()
    {
        if (FColumn > 0) {
            ++FRow;
            FColumn = 0;
        }
    }

    template <typename T>
    T* Add(T* widget)
    {
        FGrid->addWidget(widget, FRow, 2 * FColumn, 1, Span());
        Next();
        return widget;
    }
    template <typename T>
    T* Add(const QString& caption, T* widget)
    {
        FGrid->addWidget(new QLabel(caption), FRow, 2 * FColumn);
        FGrid->addWidget(widget, FRow, 2 * FColumn + 1, 1, FColumns == 1 ? -1 : 1);
        Next();
        return widget;
    }
    // A control of its own row that takes the height the page has left.
    template <typename T>
    T* Fill(T* widget)
    {
        NewRow();
        FGrid->setRowStretch(FRow, 1);
        FFilled = true;
        return Add(widget);
    }
    // A caption label and a value label beside it, named after the caption
    // with "Val" added.
    void Pair(QLabel*& caption, const QString& name, const QString& text, QLabel*& value)
    {
        caption = Named(new QLabel(text), name);
        value = Named(new QLabel, name + QStringLiteral("Val"));
        FGrid->addWidget(caption, FRow, 2 * FColumn);
        FGrid->addWidget(value, FRow, 2 * FColumn + 1);
        Next();
    }

private:
    // Rows of one column reach across the columns of rows with more.
    int Span() const { return FColumns == 1 ? -1 : 2; }
    void Next()
    {
        if (++FColumn == FColumns) {
            ++FRow;
            FColumn = 0;
        }
    }

    QWidget* FPage;
    QGridLayout* FGrid;
    int FRow = 0;
    int FColumn = 0;
    int FColumns = 1;
    bool FFilled = false;
};

// Several controls side by side, as one control of a page.
QWidget* Row(std::initializer_list<QWidget*> controls)
{
    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(6);
    // Lists take the room that is left; without a list the controls keep
    // to the left.
    bool stretched = false;
    for (QWidget* control : controls) {
        const bool list = qobject_cast<QComboBox*>(control) != nullptr;
        layout->addWidget(control, list ? 1 : 0);
        stretched = stretched || list;
    }
    if (!stretched)
        layout->addStretch();
    return row;
}

// A caption label for a control of a row.
QLabel* Caption(const QString& text)
{
    return new QLabel(text);
}

QCheckBox* Check(const QString& name, const QString& caption)
{
    return Named(new QCheckBox(caption), name);
}

QRadioButton* Radio(const QString& name, const QString& caption)
{
    return Named(new QRadioButton(caption), name);
}

QComboBox* Choice(const QString& name)
{
    auto* box = Named(new QComboBox, name);
    box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    box->setMinimumContentsLength(8);
    return box;
}

QSpinBox* Spin(const QString& name, int min, int max)
{
    auto* spin = Named(new QSpinBox, name);
    spin->setRange(min, max);
    return spin;
}

QLabel* Value(const QString& name)
{
    return Named(new QLabel, name);
}

QPlainTextEdit* Memo(const char* name)
{
    auto* memo = Named(new QPlainTextEdit, name);
    memo->setReadOnly(true);
    memo->setLineWrapMode(QPlainTextEdit::NoWrap);
    return memo;
}

TRowScrollBox* ScrollBox(const char* name)
{
    return Named(new TRowScrollBox, name);
}

// The controls of one crew member's page, named after the member
// ("Driver", "Gunner").
struct TCrewControls {
    QCheckBox*& BodyArmor;
    QCheckBox*& ImprovedBodyArmor;
    QCheckBox*& ImpactArmor;
    QCheckBox*& GasMask;
    QCheckBox*& PFE;
    QCheckBox*& TC;
    QCheckBox*& ITC;
    QComboBox*& Handgun;
};

void AddCrewControls(TPageBuilder& page, const QString& member, const TCrewControls& c)
{
    const QString prefix = QStringLiteral("cb") + member;
    c.BodyArmor = page.Add(Check(prefix + QStringLiteral("BodyArmor"), QStringLiteral("Body armor")));
    c.ImprovedBodyArmor =
        page.Add(Check(prefix + QStringLiteral("ImprovedBodyArmor"), QStringLiteral("Improved body armor")));
    c.ImpactArmor = page.Add(Check(prefix + QStringLiteral("ImpactArmor"), QStringLiteral("Impact armor")));
    c.GasMask = page.Add(Check(prefix + QStringLiteral("GasMask"), QStringLiteral("Gas mask")));
    c.PFE = page.Add(Check(prefix + QStringLiteral("PFE"), QStringLiteral("Portable fire extinguisher")));
    c.TC = page.Add(Check(prefix + QStringLiteral("TC"), QStringLiteral("Targeting computer")));
    c.ITC = page.Add(Check(prefix + QStringLiteral("ITC"), QStringLiteral("Improved targeting computer")));
    c.Handgun = page.Add(QStringLiteral("Hand weapon:"), Choice(prefix + QStringLiteral("Handgun")));
}

// The six armor sides of one armor kind; the spin boxes are named after
// the kind's prefix ("edArmor", "edArmorM").
struct TArmorSides {
    QSpinBox*& Front;
    QSpinBox*& Left;
    QSpinBox*& Right;
    QSpinBox*& Rear;
    QSpinBox*& Top;
    QSpinBox*& Bottom;
};

void AddArmorSides(TPageBuilder& page, const QString& prefix, const TArmorSides& c)
{
    c.Front = page.Add(QStringLiteral("Front:"), Spin(prefix + QStringLiteral("Front"), 0, 99));
    c.Left = page.Add(QStringLiteral("Left:"), Spin(prefix + QStringLiteral("Left"), 0, 99));
    c.Right = page.Add(QStringLiteral("Right:"), Spin(prefix + QStringLiteral("Right"), 0, 99));
    c.Rear = page.Add(QStringLiteral("Back:"), Spin(prefix + QStringLiteral("Rear"), 0, 99));
    c.Top = page.Add(QStringLiteral("Top:"), Spin(prefix + QStringLiteral("Top"), 0, 99));
    c.Bottom = page.Add(QStringLiteral("Underbody:"), Spin(prefix + QStringLiteral("Bottom"), 0, 99));
}

// The points and weight of the armor, shown at the foot of each armor page.
void AddArmorSums(TPageBuilder& page, QLabel* (&points)[3], QLabel* (&weight)[3], int kind)
{
    points[kind] = page.Add(Value(QStringLiteral("lblArmorSumPts%1").arg(kind)));
    weight[kind] = page.Add(Value(QStringLiteral("lblArmorSumLbs%1").arg(kind)));
}

// The controls of one axle's tire page; the names carry the axle's name
// ("Front", "Rear") and, for the wheel guards and hubs, its letter.
struct TTireControls {
    QComboBox*& Tire;
    QLabel*& DP;
    QLabel*& Cost;
    QLabel*& Weight;
    QRadioButton*& None;
    QRadioButton*& Radial;
    QRadioButton*& OffRoad;
    QRadioButton*& Slicks;
    QCheckBox*& Steelbelt;
    QCheckBox*& FireProof;
    QSpinBox*& Wheelguard;
    QSpinBox*& WheelHub;
};

void BuildTirePage(TPageControl* pages, const QString& axle, const QString& letter, const TTireControls& c)
{
    const QString tires = QStringLiteral("Tires") + axle;
    TPageBuilder page(pages, QStringLiteral("ts") + tires, axle);
    c.Tire = Choice(QStringLiteral("cbTire") + axle);
    c.DP = Value(QStringLiteral("lbl") + tires + QStringLiteral("DP"));
    c.Cost = Value(QStringLiteral("lbl") + tires + QStringLiteral("Cost"));
    c.Weight = Value(QStringLiteral("lbl") + tires + QStringLiteral("Weight"));
    page.Add(Row({c.Tire, c.DP, c.Cost, c.Weight}));
    // The long caption of the first choice takes a row of its own.
    c.None = page.Add(Radio(QStringLiteral("rb") + tires + QStringLiteral("None"),
                            QStringLiteral("No Handling Modifications")));
    page.Columns(3);
    c.Radial = page.Add(Radio(QStringLiteral("rb") + tires + QStringLiteral("Radial"), QStringLiteral("Radial")));
    c.OffRoad = page.Add(Radio(QStringLiteral("rb") + tires + QStringLiteral("OffRoad"), QStringLiteral("Off-road")));
    c.Slicks =
        page.Add(Radio(QStringLiteral("rb") + tires + QStringLiteral("Slicks"), QStringLiteral("Racing slicks")));
    page.Columns(2);
    c.Steelbelt =
        page.Add(Check(QStringLiteral("chk") + tires + QStringLiteral("Steelbelt"), QStringLiteral("Steelbelted")));
    c.FireProof =
        page.Add(Check(QStringLiteral("chk") + tires + QStringLiteral("FireProof"), QStringLiteral("Fireproof")));
    page.Columns(1);
    c.Wheelguard = Spin(QStringLiteral("edTire") + letter + QStringLiteral("Wheelguard"), 0, 10);
    c.WheelHub = Spin(QStringLiteral("edTire") + letter + QStringLiteral("WheelHub"), 0, 10);
    page.Add(Row({Caption(QStringLiteral("Wheelguards:")), c.Wheelguard, Caption(QStringLiteral("Wheelhubs:")),
                  c.WheelHub}));
    c.None->setChecked(true);
}

} // namespace

void TfrmMain::BuildControls()
{
    setObjectName(QStringLiteral("frmMain"));
    resize(1014, 800);
    // The window was laid out for "MS Sans Serif" 8; where it is missing, a
    // sans family of like width stands in.
    QFont font;
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"),
                      QStringLiteral("DejaVu Sans")});
    font.setPointSize(8);
    setFont(font);

    // View: layout plan, test map, statistics.
    pcTesting = GroupPages(gbImages, "gbImages", QStringLiteral(" View "), "pcTesting");
    {
        TPageBuilder layout(pcTesting, "tsLayout", QStringLiteral("Layout"));
        tsLayout = layout.Page();
        imgLayout = layout.Add(Named(new QLabel, "imgLayout"));
        imgLayout->setFixedSize(365, 373);
    }
    {
        TPageBuilder testing(pcTesting, "tsTesting", QStringLiteral("Test"));
        tsTesting = testing.Page();
        // Two rows of controls above the map, so that the whole map shows
        // below them whatever the target.
        cbAttackTarget = Choice("cbAttackTarget");
        cbAttackTarget->addItems({QStringLiteral("Map"), QStringLiteral("Wall, 8 DP"), QStringLiteral("Wall, 30 DP"),
                                  QStringLiteral("Vehicle")});
        btnTestAttack = Named(new QPushButton(QStringLiteral("Fire")), "btnTestAttack");
        btnReset = Named(new QPushButton(QStringLiteral("Reset")), "btnReset");
        chkTestTrace = Check("chkTestTrace", QStringLiteral("Trace"));
        SetControlHint(chkTestTrace,
                       QStringLiteral("Upon firing, each weapon will leave a trace to show exactly what happened"));
        testing.Add(Row({Caption(QStringLiteral("Target:")), cbAttackTarget, btnTestAttack, btnReset, chkTestTrace}));
        lblAttackLocation = Named(Caption(QStringLiteral("Location:")), "lblAttackLocation");
        cbAttackLocation = Choice("cbAttackLocation");
        cbAttackLocation->addItems(
            {QStringLiteral("Front"), QStringLiteral("Left"), QStringLiteral("Right"), QStringLiteral("Back")});
        lblTargetFacing = Named(Caption(QStringLiteral("Facing:")), "lblTargetFacing");
        cbTargetFacing = Choice("cbTargetFacing");
        cbTargetFacing->addItems(
            {QStringLiteral("Up"), QStringLiteral("Left"), QStringLiteral("Right"), QStringLiteral("Down")});
        // Their entries are short.
        for (QComboBox* list : {cbAttackLocation, cbTargetFacing})
            list->setMinimumContentsLength(5);
        lblTargetFacing->hide();
        cbTargetFacing->hide();
        btnLoadOpponent = Named(new QPushButton(QStringLiteral("Opponent...")), "btnLoadOpponent");
        SetControlHint(btnLoadOpponent,
                       QStringLiteral("Decide which opponent to load. Shift-click to change the opponents appearance"));
        QWidget* placement =
            testing.Add(Row({lblAttackLocation, cbAttackLocation, lblTargetFacing, cbTargetFacing, btnLoadOpponent}));
        // The map stays in its place while the target hides the row's controls.
        placement->setMinimumHeight(cbAttackLocation->sizeHint().height());
        imgTest = testing.Add(Named(new QLabel, "imgTest"));
        imgTest->setFixedSize(365, 317);
        imgTest->setCursor(Qt::CrossCursor);
        SetControlHint(imgTest, QStringLiteral("Click into here for a target"));
        // The opponent's log takes the place of the text box while it shows.
        gbTest = Named(new QGroupBox(QStringLiteral(" Test ")), "gbTest");
        edTestText = Memo("edTestText");
        edTestText->setLineWrapMode(QPlainTextEdit::WidgetWidth);
        auto* log = new QVBoxLayout(gbTest);
        log->setContentsMargins(2, 2, 2, 2);
        log->addWidget(edTestText);
    }
    {
        TPageBuilder stats(pcTesting, "tsStats", QStringLiteral("Stats"));
        tsStats = stats.Page();
        // A fixed-pitch face, so that the columns of the weapon table line up.
        QFont fixed(QStringLiteral("Courier"));
        fixed.setStyleHint(QFont::TypeWriter);
        const struct {
            QPlainTextEdit*& Memo;
            const char* Name;
            const char* Box;
            const char* Caption;
            const char* Hint;
        } reports[] = {
            {edStatsVehicle, "edStatsVehicle", "gbStatsVehicle", " Own Vehicle ", "Weapon usage and efficiency"},
            {edStatsOpponent, "edStatsOpponent", "gbStatsOpponent", " Opponent Damage ",
             "Damage taken by the opponent"},
        };
        for (const auto& report : reports) {
            auto* box = Named(new QGroupBox(QLatin1String(report.Caption)), report.Box);
            report.Memo = Memo(report.Name);
            report.Memo->setFont(fixed);
            SetControlHint(report.Memo, QLatin1String(report.Hint));
            report.Memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
            report.Memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
            auto* layout = new QVBoxLayout(box);
            layout->setContentsMargins(2, 2, 2, 2);
            layout->addWidget(report.Memo);
            stats.Add(box);
        }
    }

    // Info: the figures of the design.
    pcInfo = GroupPages(gbInfo, "gbInfo", QStringLiteral(" Info "), "pcInfo");
    {
        TPageBuilder basics(pcInfo, "tsInfoBasics", QStringLiteral("Basics"));
        basics.Columns(2);
        basics.Pair(lblCost, "lblCost", QStringLiteral("Cost:"), lblCostVal);
        basics.Pair(lblWeight, "lblWeight", QStringLiteral("Weight:"), lblWeightVal);
        basics.Pair(lblSpace, "lblSpace", QStringLiteral("Spaces:"), lblSpaceVal);
        basics.Pair(lblHC, "lblHC", QStringLiteral("Handling class:"), lblHCVal);
        basics.Pair(lblMaxSpeed, "lblMaxSpeed", QStringLiteral("Top speed:"), lblMaxSpeedVal);
        basics.Pair(lblMaxReverse, "lblMaxReverse", QStringLiteral("Reverse speed:"), lblMaxReverseVal);
        basics.Pair(lblMaxAcc, "lblMaxAcc", QStringLiteral("Acceleration:"), lblMaxAccVal);
        basics.Pair(lblCruisingSpeed, "lblCruisingSpeed", QStringLiteral("Cruising speed:"), lblCruisingSpeedVal);
        basics.Pair(lblRange, "lblRange", QStringLiteral("Range:"), lblRangeVal);
        basics.Pair(lblVehicleYear, "lblVehicleYear", QStringLiteral("Design year:"), lblVehicleYearVal);
        basics.Columns(1);
        lblMaxWeightNow = basics.Add(Value("lblMaxWeightNow"));
        lblMaxWeightWant = basics.Add(Value("lblMaxWeightWant"));
    }
    {
        TPageBuilder damage(pcInfo, "tsInfoDamage", QStringLiteral("Damage"));
        damage.Columns(2);
        QLabel* caption = nullptr;
        damage.Pair(caption, "lblDamageFront", QStringLiteral("Front:"), lblDamageFrontVal);
        damage.Pair(caption, "lblDamageBack", QStringLiteral("Back:"), lblDamageBackVal);
        damage.Pair(caption, "lblDamageLeft", QStringLiteral("Left:"), lblDamageLeftVal);
        damage.Pair(caption, "lblDamageRight", QStringLiteral("Right:"), lblDamageRightVal);
        damage.Pair(caption, "lblDamageTurret", QStringLiteral("Turret:"), lblDamageTurretVal);
        damage.Pair(lblDamageEWP, "lblDamageEWP", QStringLiteral("EWP:"), lblDamageEWPVal);
        damage.Pair(lblDamageRocket, "lblDamageRocket", QStringLiteral("Rocket platform:"), lblDamageRocketVal);
        damage.Columns(1);
        damage.Pair(caption, "lblDamageRamMod", QStringLiteral("Ram modifier:"), lblDamageRamModVal);
        damage.Pair(caption, "lblDamageRamCruise", QStringLiteral("Ram at cruising speed:"), lblDamageRamCruiseVal);
        damage.Pair(caption, "lblDamageRamMax", QStringLiteral("Ram at top speed:"), lblDamageRamMaxVal);
    }
    {
        TPageBuilder official(pcInfo, "tsOfficialInfo", QStringLiteral("Official Data"));
        edRecordSheet = official.Add(Memo("edRecordSheet"));
        edRecordSheet->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    }
    {
        TPageBuilder outsider(pcInfo, "tsInfoOutsider", QStringLiteral("Outsider Data"));
        edOutsidersSheet = outsider.Add(Memo("edOutsidersSheet"));
        edOutsidersSheet->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    }
    {
        TPageBuilder debug(pcInfo, "tsDebug", QStringLiteral("Debug"));
        tsDebug = debug.Page();
        edDebug = debug.Add(Memo("edDebug"));
    }

    // Text: name, author, description.
    gbText = Named(new QGroupBox(QStringLiteral(" Text ")), "gbText");
    {
        auto* grid = new QGridLayout(gbText);
        grid->setContentsMargins(4, 2, 4, 4);
        grid->setSpacing(2);
        edTextName = Named(new QLineEdit, "edTextName");
        edTextAuthor = Named(new QLineEdit, "edTextAuthor");
        // A line edit cuts its text at 32,767 characters by default, and the
        // design would take the cut text back from it.
        for (QLineEdit* edit : {edTextName, edTextAuthor})
            edit->setMaxLength(std::numeric_limits<int>::max());
        edTextDescription = Named(new TOneLineMemo, "edTextDescription");
        grid->addWidget(new QLabel(QStringLiteral("Name:")), 0, 0);
        grid->addWidget(edTextName, 0, 1);
        grid->addWidget(new QLabel(QStringLiteral("Author:")), 1, 0);
        grid->addWidget(edTextAuthor, 1, 1);
        grid->addWidget(edTextDescription, 2, 0, 1, 2);
    }

    pcBody = GroupPages(gbBody, "gbBody", QStringLiteral(" Body "), "pcBody");
    {
        TPageBuilder body(pcBody, "tsBody", QStringLiteral("Body"));
        cbBodyType = body.Add(Choice("cbBodyType"));
        chkStreamlining = body.Add(Check("chkStreamlining", QStringLiteral("Streamlining")));
    }
    {
        TPageBuilder chassis(pcBody, "tsChassis", QStringLiteral("Chassis"));
        cbChassis = chassis.Add(Choice("cbChassis"));
        chkRollcage = chassis.Add(Check("chkRollcage", QStringLiteral("Roll cage")));
        chkCAFrame = chassis.Add(Check("chkCAFrame", QStringLiteral("Component armor frame")));
    }
    {
        TPageBuilder suspension(pcBody, "tsSuspension", QStringLiteral("Suspension"));
        cbSuspension = suspension.Add(Choice("cbSuspension"));
    }

    pcCrew = GroupPages(gbCrew, "gbCrew", QStringLiteral(" Crew "), "pcCrew");
    {
        TPageBuilder driver(pcCrew, "tsCrewDriver", QStringLiteral("Driver"));
        AddCrewControls(driver, QStringLiteral("Driver"),
                        {cbDriverBodyArmor, cbDriverImprovedBodyArmor, cbDriverImpactArmor, cbDriverGasMask,
                         cbDriverPFE, cbDriverTC, cbDriverITC, cbDriverHandgun});
    }
    {
        TPageBuilder gunner(pcCrew, "tsCrewGunner", QStringLiteral("Gunner"));
        cbGunnerSeat = gunner.Add(Check("cbGunnerSeat", QStringLiteral("Gunner on board")));
        AddCrewControls(gunner, QStringLiteral("Gunner"),
                        {cbGunnerBodyArmor, cbGunnerImprovedBodyArmor, cbGunnerImpactArmor, cbGunnerGasMask,
                         cbGunnerPFE, cbGunnerTC, cbGunnerITC, cbGunnerHandgun});
    }

    pcEngine = GroupPages(gbEngine, "gbEngine", QStringLiteral(" Power Plant "), "pcEngine");
    {
        TPageBuilder cell(pcEngine, "tsEngineElectric", QStringLiteral("Power Cell"));
        cbCEngine = cell.Add(Choice("cbCEngine"));
        cell.Columns(2);
        cbPowerPlatinumCatalyst = cell.Add(Check("cbPowerPlatinumCatalyst", QStringLiteral("Platinum catalysts")));
        cbPowerSuperconductors = cell.Add(Check("cbPowerSuperconductors", QStringLiteral("Superconductors")));
        cbPowerExtraPowerCells = cell.Add(Check("cbPowerExtraPowerCells", QStringLiteral("Extra power cells")));
        cell.Columns(1);
        edISC = Spin("edISC", 0, 3);
        cell.Add(Row({Caption(QStringLiteral("Improved supercharger capacitors:")), edISC}));
        lblPowerCell = cell.Add(Value("lblPowerCell"));
    }
    {
        TPageBuilder gas(pcEngine, "tsEngineGas", QStringLiteral("Gasoline"));
        cbGEngine = Choice("cbGEngine");
        cbGasTank = Choice("cbGasTank");
        gas.Add(Row({cbGEngine, Caption(QStringLiteral("Tank:")), cbGasTank}));
        edGasTankSize = Spin("edGasTankSize", 0, 99);
        edN2O = Spin("edN2O", 0, 3);
        lblPowerGas = Value("lblPowerGas");
        gas.Add(Row({Caption(QStringLiteral("Gallons:")), edGasTankSize, Caption(QStringLiteral("Nitrous oxide:")),
                     edN2O}));
        gas.Columns(2);
        cbCarburetor = gas.Add(Check("cbCarburetor", QStringLiteral("Carburetor")));
        cbMultibarrelCarburetor =
            gas.Add(Check("cbMultibarrelCarburetor", QStringLiteral("Multibarrel carb.")));
        cbTubularHeaders = gas.Add(Check("cbTubularHeaders", QStringLiteral("Tubular headers")));
        cbBlueprinting = gas.Add(Check("cbBlueprinting", QStringLiteral("Blueprinting")));
        cbTurboCharger = gas.Add(Check("cbTurboCharger", QStringLiteral("Turbocharger")));
        cbVPTurboCharger = gas.Add(Check("cbVPTurboCharger", QStringLiteral("VP turbocharger")));
        cbSupercharger = gas.Add(Check("cbSupercharger", QStringLiteral("Supercharger")));
        gas.Add(lblPowerGas);
    }

    pcArmor = GroupPages(gbArmor, "gbArmor", QStringLiteral(" Armor "), "pcArmor");
    {
        TPageBuilder plastic(pcArmor, "tsNormal", QStringLiteral("Plastic"));
        AddArmorSides(plastic, QStringLiteral("edArmor"),
                      {edArmorFront, edArmorLeft, edArmorRight, edArmorRear, edArmorTop, edArmorBottom});
        btnRemovePlasticArmor = plastic.Add(Named(new QPushButton(QStringLiteral("Clear")), "btnRemovePlasticArmor"));
        AddArmorSums(plastic, lblArmorSumPts, lblArmorSumLbs, 0);
    }
    {
        TPageBuilder metal(pcArmor, "tsMetal", QStringLiteral("Metal"));
        AddArmorSides(metal, QStringLiteral("edArmorM"),
                      {edArmorMFront, edArmorMLeft, edArmorMRight, edArmorMRear, edArmorMTop, edArmorMBottom});
        btnRemoveMetalArmor = metal.Add(Named(new QPushButton(QStringLiteral("Clear")), "btnRemoveMetalArmor"));
        AddArmorSums(metal, lblArmorSumPts, lblArmorSumLbs, 1);
    }
    {
        TPageBuilder type(pcArmor, "tsType", QStringLiteral("Type"));
        chkArmorSloped = type.Add(Check("chkArmorSloped", QStringLiteral("Sloped")));
        chkArmorFP = type.Add(Check("chkArmorFP", QStringLiteral("Fireproof")));
        chkArmorLR = type.Add(Check("chkArmorLR", QStringLiteral("Laser-reflective")));
        lblArmorEWP = Named(new QLabel(QStringLiteral("EWP armor:")), "lblArmorEWP");
        type.Add(lblArmorEWP);
        edArmorEWP = type.Add(Spin("edArmorEWP", 0, 40));
        AddArmorSums(type, lblArmorSumPts, lblArmorSumLbs, 2);
    }
    {
        TPageBuilder ca(pcArmor, "tsCA", QStringLiteral("CA"));
        tsCA = ca.Page();
        scrCA = ca.Fill(ScrollBox("scrCA"));
    }

    pcTires = GroupPages(gbTires, "gbTires", QStringLiteral(" Tires "), "pcTires");
    BuildTirePage(pcTires, QStringLiteral("Front"), QStringLiteral("F"),
                  {cbTireFront, lblTiresFrontDP, lblTiresFrontCost, lblTiresFrontWeight, rbTiresFrontNone,
                   rbTiresFrontRadial, rbTiresFrontOffRoad, rbTiresFrontSlicks, chkTiresFrontSteelbelt,
                   chkTiresFrontFireProof, edTireFWheelguard, edTireFWheelHub});
    BuildTirePage(pcTires, QStringLiteral("Rear"), QStringLiteral("R"),
                  {cbTireRear, lblTiresRearDP, lblTiresRearCost, lblTiresRearWeight, rbTiresRearNone,
                   rbTiresRearRadial, rbTiresRearOffRoad, rbTiresRearSlicks, chkTiresRearSteelbelt,
                   chkTiresRearFireProof, edTireRWheelguard, edTireRWheelHub});
    {
        TPageBuilder wheels(pcTires, "tsTiresWheels", QStringLiteral("Wheels"));
        rb4Wheels = wheels.Add(Radio("rb4Wheels", QStringLiteral("4 Wheels")));
        rb62Wheels = wheels.Add(Radio("rb62Wheels", QStringLiteral("6 Wheels, 2 Axis")));
        rb63Wheels = wheels.Add(Radio("rb63Wheels", QStringLiteral("6 Wheels, 3 Axis")));
        rb4Wheels->setChecked(true);
    }

    pcInstalled = GroupPages(gbInstalled, "gbInstalled", QStringLiteral(" Installed "), "pcInstalled");
    {
        TPageBuilder weapons(pcInstalled, "tsInstalledWeapons", QStringLiteral("Weapons"));
        scrInstalledWeapons = weapons.Fill(ScrollBox("scrInstalledWeapons"));
        lblInvalidWeaponLoad = Named(new QLabel(scrInstalledWeapons->widget()), "lblInvalidWeaponLoad");
        lblInvalidWeaponLoad->setGeometry(0, 0, 493, 16);
        lblInvalidWeaponLoad->hide();
    }
    BuildWeaponSelection();
    {
        TPageBuilder equipment(pcInstalled, "tsInstalledEquipment", QStringLiteral("Accessories"));
        scrInstalledEquipment = equipment.Fill(ScrollBox("scrInstalledEquipment"));
    }

    gbIcon = Named(new QGroupBox(QStringLiteral(" Icon ")), "gbIcon");
    {
        auto* layout = new QVBoxLayout(gbIcon);
        // The compact layout gives the box 221 lines: the picture, the list
        // and the buttons fit them one below the other only this close.
        layout->setContentsMargins(9, 1, 9, 1);
        layout->setSpacing(1);
        imgIcon = Named(new QLabel, "imgIcon");
        imgIcon->setFixedSize(100, 150);
        cbCarBodyView = Choice("cbCarBodyView");
        cbCarBodyView->addItems({QStringLiteral("Solid Car Body"), QStringLiteral("Near Solid"),
                                 QStringLiteral("Half View"), QStringLiteral("Quarter View"),
                                 QStringLiteral("Invisible")});
        btnPrevCar = Named(new QPushButton(QStringLiteral("<")), "btnPrevCar");
        SetControlHint(btnPrevCar, QStringLiteral("Previous car graphics"));
        btnNextCar = Named(new QPushButton(QStringLiteral(">")), "btnNextCar");
        SetControlHint(btnNextCar, QStringLiteral("Next car graphics"));
        layout->addWidget(imgIcon);
        layout->addWidget(cbCarBodyView);
        layout->addWidget(Row({btnPrevCar, btnNextCar}));
        layout->addStretch();
    }

    // Shown only in the compact layout.
    pc600 = Named(new TPageControl, "pc600");
    pc600->addTab(Named(new QWidget, "ts600Info"), QStringLiteral("Info"));
    {
        QWidget* data = Named(new QWidget, "ts600DataSubs");
        auto* subs = Named(new TPageControl(data), "pc600DataSubs");
        (new QVBoxLayout(data))->addWidget(subs);
        subs->addTab(Named(new QWidget, "ts600Body"), QStringLiteral("Body"));
        subs->addTab(Named(new QWidget, "ts600PowerPlant"), QStringLiteral("Power Plant"));
        subs->addTab(Named(new QWidget, "ts600Tires"), QStringLiteral("Tires"));
        subs->addTab(Named(new QWidget, "ts600Crew"), QStringLiteral("Crew"));
        subs->addTab(Named(new QWidget, "ts600Armor"), QStringLiteral("Armor"));
        pc600->addTab(data, QStringLiteral("Data"));
    }
    pc600->hide();

    // Every box at its fixed place in the window of 1014 x 800, below the
    // tool bar; the compact layout moves them.
    auto* central = new QWidget;
    const struct {
        QWidget* Box;
        QRect Place;
    } places[] = {
        {gbImages, {0, 0, 380, 422}},   {gbInfo, {0, 422, 380, 178}},    {gbText, {0, 600, 380, 105}},
        {gbTest, {0, 600, 380, 105}},   {gbBody, {380, 0, 182, 96}},     {gbCrew, {380, 96, 182, 185}},
        {gbEngine, {562, 0, 262, 144}}, {gbTires, {562, 144, 262, 137}}, {gbArmor, {824, 0, 190, 281}},
        {gbSelection, {380, 281, 634, 184}}, {gbInstalled, {380, 465, 509, 240}}, {gbIcon, {890, 465, 124, 239}},
        {pc600, {380, 0, 508, 220}},
    };
    for (const auto& place : places) {
        place.Box->setParent(central);
        place.Box->setGeometry(place.Place);
    }
    gbTest->raise();
    setCentralWidget(central);

    statusBar()->setObjectName(QStringLiteral("StatusBar"));
    BuildActions();
    BuildAddOnControls();
}

void TfrmMain::BuildActions()
{
    auto action = [this](QAction*& target, const char* name, const QString& caption, const QString& hint) {
        target = new QAction(caption, this);
        target->setObjectName(QLatin1String(name));
        target->setStatusTip(hint);
        target->setToolTip(hint);
    };
    action(acNew, "acNew", QStringLiteral("New"), QStringLiteral("Create a new vehicle"));
    action(acLoad, "acLoad", QStringLiteral("Load..."), QStringLiteral("Load an existing vehicle"));
    action(acImport, "acImport", QStringLiteral("Import"), QStringLiteral("Import a vehicle description text"));
    action(acSave, "acSave", QStringLiteral("Save"), QStringLiteral("Save the current vehicle"));
    action(acSaveAs, "acSaveAs", QStringLiteral("Save as..."), QStringLiteral("Save vehicle under a new name"));
    action(acPrint, "acPrint", QStringLiteral("Print..."), QStringLiteral("Print the current vehicle"));
    action(acPrintSetup, "acPrintSetup", QStringLiteral("Print setup..."), QStringLiteral("Set up the printer"));
    action(acQuit, "acQuit", QStringLiteral("Quit"), QStringLiteral("Ooooh, guess!"));
    action(acSettings, "acSettings", QStringLiteral("Settings"),
           QStringLiteral("Settings, such as Division, Year and allowed Weapons"));
    action(acOptions, "acOptions", QStringLiteral("Options"), QStringLiteral("General options"));
    action(acInfo, "acInfo", QStringLiteral("Info..."), QStringLiteral("Show some general program info."));
    action(acDataUsed, "acDataUsed", QStringLiteral("Data used"), QStringLiteral("Show which data is being used"));
    action(acTestFire, "acTestFire", QStringLiteral("Fire"), QStringLiteral("Fire at the given target"));
    action(acTestReset, "acTestReset", QStringLiteral("Reset"), QStringLiteral("Reset everything here"));

    tbMain = addToolBar(QStringLiteral("tbMain"));
    tbMain->setObjectName(QStringLiteral("tbMain"));
    tbMain->setMovable(false);
    tbMain->setFixedHeight(29);
    tbMain->addActions({acNew, acLoad, acImport, acSave, acSaveAs});
    tbMain->addSeparator();
    tbMain->addActions({acPrint, acPrintSetup});
    tbMain->addSeparator();
    tbMain->addActions({acSettings, acOptions});
    tbMain->addSeparator();
    tbMain->addActions({acInfo, acDataUsed});

    QMenu* files = menuBar()->addMenu(QStringLiteral("Files"));
    files->addAction(acNew);
    mnuRecent = files->addMenu(QStringLiteral("Recent..."));
    for (int i = 0; i < 10; ++i) {
        mnuRecentItems[i] = mnuRecent->addAction(QString());
        mnuRecentItems[i]->setObjectName(QStringLiteral("mnuRecent%1").arg(i));
        mnuRecentItems[i]->setVisible(false);
    }
    files->addActions({acLoad, acImport, acSave, acSaveAs});
    files->addSeparator();
    files->addActions({acPrint, acPrintSetup});
    files->addSeparator();
    files->addAction(acQuit);
    QMenu* design = menuBar()->addMenu(QStringLiteral("Design"));
    design->addAction(acSettings);
    design->addSeparator();
    design->addAction(acOptions);
    QMenu* help = menuBar()->addMenu(QStringLiteral("Help"));
    help->addAction(acInfo);
    help->addSeparator();
    help->addAction(acDataUsed);
}
