#pragma once

#include "designer/FileDialog.h"
#include "designer/RowScrollBox.h"
#include "designer/RunTimeRows.h"
#include "import/ImportTarget.h"
#include "model/Enums.h"
#include "platform/gui/Bitmap32.h"

#include <QMainWindow>
#include <QPoint>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QVector>

class QAction;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QScrollArea;
class QSpinBox;
class QTimer;
class QToolBar;
class QToolButton;
class TPageControl;
class TGameCar;
class TVehicle;
struct TWeaponType;

// Where the program runs from: the executable (its folder holds the settings
// file and is the base of the opponent default) and the command line after
// the program's own name. The working folder holds Data, Graphics and Designs.
struct TProgramPaths {
    QString ExecutableFile;
    QStringList Arguments;

    // The running program's own paths.
    static TProgramPaths FromApplication();
    // The executable's path with the extension ".ini".
    QString SettingsFile() const;
    QString ExecutableFolder() const;
};

// The main window's own state, shared by the files that make up the window.
// Full path of the design being edited; empty for none.
extern QString FileName;
// The last values of the plastic and metal left-armor spins, so that a change
// of the left armor can be carried over to the right.
extern int LastArmorLeft;
extern int LastMetalArmorLeft;
// The test map's backgrounds and wall pieces, loaded at start-up.
extern TBitmap32* GridCenterImage;
extern TBitmap32* GridMapImage;
extern TBitmap32* Wall8Image;
extern TBitmap32* Wall30Image;

// The designer's main window. Its methods are spread over one file per
// concern: start-up and shutdown, the settings file, the part handlers, the
// recalculation, the building of the controls.
class TfrmMain : public QMainWindow, public TImportTarget
{
    Q_OBJECT

public:
    explicit TfrmMain(TProgramPaths paths);
    ~TfrmMain() override;

    // Builds every object that lives as long as the program. A step that
    // fails releases what was built, reports the step through ReportError
    // and returns false; the window must then not be shown.
    bool Init();
    // Writes the settings file and releases what Init built. Run once, when
    // the window closes.
    void DeInit();
    // Runs each time the window is shown: the test map takes its stored
    // choices and is drawn.
    void FormShow();

    void ReadConfig();
    void WriteConfig();

    void SetUpGUI();
    // The ten weapon lists from the rules table, the tank gun only under its
    // setting; entry 0 of each chosen.
    void FillWeaponLists();
    // The three efficiency labels of the weapon panel, or its class label.
    void ShowWeaponEfficiency();
    // The normal window layout, or the compact one of 600 lines; the
    // boxes then follow their anchors as the window is resized.
    void SetUpResolution(bool Res600);
    void RecalcVehicle(bool RebuildCA) override;
    void ShowTitle();
    // Redraws the test map, the icon box and the layout plan.
    void ShowTestVehicle();
    // Opens a design file as the own design or as the opponent; a missing
    // or unnamed file is skipped silently. A design that fails to read, or
    // whose controls or figures fail, is refused with a box naming the file,
    // and the design open before stays with its file name.
    enum class TFileLoad { Opened, Missing, Refused };
    TFileLoad FileLoad(const QString& Name, bool AsOpponent);
    // Copies the design into the controls and recalculates once; a failure
    // is reported.
    void LoadGUI() override;
    // The same, letting a failure reach the caller.
    void ShowDesign();

    // Part and option handlers.
    void cbBodyTypeSelect();
    void cbChassisSelect();
    void cbSuspensionSelect();
    void cbCEngineSelect();
    void cbGEngineSelect();
    void cbGasTankSelect();
    void cbTireFrontSelect();
    void cbTireRearSelect();
    void rbWheelsClick();
    void chkStreamliningClick();
    void chkCAFrameClick();
    void chkRollcageClick();
    void edGasTankSizeChange();
    void edN2OChange();
    void rbTiresFrontClick();
    void chkTiresFrontClick();
    void rbTiresRearClick();
    void chkTiresRearClick();
    void edArmorChange();
    void edArmorLeftChange();
    void edArmorMLeftChange();
    void btnRemovePlasticArmorClick();
    void btnRemoveMetalArmorClick();
    void ClickRecalcVehicle();
    // The handler of each of a set of options that exclude each other.
    void OptionClick(const QCheckBox* box, const QVector<QCheckBox*>& partners);

    // Breakdown label clicks and the text edits.
    void lblCostValClick();
    void lblWeightValClick();
    void lblSpaceValClick();
    void lblYearValClick();
    void edTextNameChange();
    void edTextDescriptionChange();
    void edTextAuthorChange();

    // The options, limits, about and data-sources dialogs.
    void acSettingsExecute();
    void acOptionsExecute();
    void acInfoExecute();
    void acDataUsedExecute();

    void UpdateLastMenu(const QString& NewFile);
    void ShowHint(const QString& hint);
    void FileExit();

    // Component-armor rows (scrCA), accessory rows (scrInstalledEquipment)
    // and the add-on lists: turret, pods and rocket platform.
    void FillCA();
    void AddObjectToCAList(const QString& Caption, int Tag, double Spaces, const QString& LabelText);
    void AddWeaponToCAList(const TWeaponType& Weapon, int Index);
    void chkCAFPClick(QWidget* Sender);
    void seCAChange(QWidget* Sender);
    void FillEquipmentList();
    void chkEquipmentClick(QWidget* Sender);
    // Shows the design's accessories in their rows without writing them back.
    void ShowEquipment();
    void FillAddOnTurret(QComboBox* List);
    void FillAddOnEWP(QComboBox* List);
    void FillRocketPlatform(QComboBox* List);
    void cbAddOnTurretChange();
    void cbAddOnEWPChange();
    void cbRocketPlatformChange();
    void chkAddOnEWPForwardClick();
    void chkAddOnEWPRocketClick();
    void HandleEWPArmor() override;
    void HandleRocketVis() override;
    // Selects the given add-ons in their lists and runs their handlers, then
    // shows the design's pod options.
    void ShowAddOns(int Turret, int EWP, int RocketPlatform);
    QComboBox* cbAddOnTurret = nullptr;
    QComboBox* cbAddOnEWP = nullptr;
    QComboBox* cbRocketPlatform = nullptr;
    QCheckBox* chkAddOnEWPForward = nullptr;
    QCheckBox* chkAddOnEWPRocket = nullptr;
    // Top of the next component-armor row in the scroll box's content.
    int CARowTop = 0;

    // File commands and recent files (MainFileCommands.cpp).
    void FileNew() override;
    void FileOpen();
    void FileSave();
    void FileSaveAs();
    // Shows the print form; sets up the printer.
    void FilePrint();
    void FilePrintSetup();
    // Opens the design that a recent-files item names in its hint.
    void mnuRecentClick(const QAction* Sender);
    // The open and save dialogs keep the name of the last design opened or
    // saved, and offer it next time.
    TFileDialog dlgOpen{TFileDialog::fdOpen, QStringLiteral("Select a vehicle to load")};
    TFileDialog dlgSave{TFileDialog::fdSave, QStringLiteral("Select a filename to save your vehicle into")};

    const TProgramPaths& Paths() const { return FPaths; }
    // The design being edited: Car's vehicle.
    TVehicle& Vehicle() const override;

    // The controls, named as the design names them.
    QToolBar* tbMain = nullptr;
    QAction* acNew = nullptr;
    QAction* acLoad = nullptr;
    QAction* acImport = nullptr;
    QAction* acSave = nullptr;
    QAction* acSaveAs = nullptr;
    QAction* acPrint = nullptr;
    QAction* acPrintSetup = nullptr;
    QAction* acQuit = nullptr;
    QAction* acSettings = nullptr;
    QAction* acOptions = nullptr;
    QAction* acInfo = nullptr;
    QAction* acDataUsed = nullptr;
    QMenu* mnuRecent = nullptr;
    QAction* mnuRecentItems[10] = {};

    QGroupBox* gbImages = nullptr;
    TPageControl* pcTesting = nullptr;
    QWidget* tsLayout = nullptr;
    QWidget* tsTesting = nullptr;
    QWidget* tsStats = nullptr;
    QLabel* imgLayout = nullptr;
    QLabel* imgTest = nullptr;
    QComboBox* cbAttackTarget = nullptr;
    QGroupBox* gbTest = nullptr;
    QPushButton* btnLoadOpponent = nullptr;

    QGroupBox* gbInfo = nullptr;
    TPageControl* pcInfo = nullptr;
    QWidget* tsDebug = nullptr;
    QLabel* lblCost = nullptr;
    QLabel* lblCostVal = nullptr;
    QLabel* lblWeight = nullptr;
    QLabel* lblWeightVal = nullptr;
    QLabel* lblSpace = nullptr;
    QLabel* lblSpaceVal = nullptr;
    QLabel* lblHC = nullptr;
    QLabel* lblHCVal = nullptr;
    QLabel* lblMaxSpeed = nullptr;
    QLabel* lblMaxSpeedVal = nullptr;
    QLabel* lblMaxReverse = nullptr;
    QLabel* lblMaxReverseVal = nullptr;
    QLabel* lblMaxAcc = nullptr;
    QLabel* lblMaxAccVal = nullptr;
    QLabel* lblCruisingSpeed = nullptr;
    QLabel* lblCruisingSpeedVal = nullptr;
    QLabel* lblRange = nullptr;
    QLabel* lblRangeVal = nullptr;
    QLabel* lblVehicleYear = nullptr;
    QLabel* lblVehicleYearVal = nullptr;
    QLabel* lblMaxWeightNow = nullptr;
    QLabel* lblMaxWeightWant = nullptr;
    QLabel* lblDamageFrontVal = nullptr;
    QLabel* lblDamageBackVal = nullptr;
    QLabel* lblDamageLeftVal = nullptr;
    QLabel* lblDamageRightVal = nullptr;
    QLabel* lblDamageTurretVal = nullptr;
    QLabel* lblDamageEWP = nullptr;
    QLabel* lblDamageEWPVal = nullptr;
    QLabel* lblDamageRocket = nullptr;
    QLabel* lblDamageRocketVal = nullptr;
    QLabel* lblDamageRamModVal = nullptr;
    QLabel* lblDamageRamCruiseVal = nullptr;
    QLabel* lblDamageRamMaxVal = nullptr;
    QPlainTextEdit* edRecordSheet = nullptr;
    QPlainTextEdit* edOutsidersSheet = nullptr;
    QPlainTextEdit* edDebug = nullptr;

    QGroupBox* gbText = nullptr;
    QLineEdit* edTextName = nullptr;
    QLineEdit* edTextAuthor = nullptr;
    QPlainTextEdit* edTextDescription = nullptr;

    QGroupBox* gbBody = nullptr;
    TPageControl* pcBody = nullptr;
    QComboBox* cbBodyType = nullptr;
    QCheckBox* chkStreamlining = nullptr;
    QComboBox* cbChassis = nullptr;
    QCheckBox* chkRollcage = nullptr;
    QCheckBox* chkCAFrame = nullptr;
    QComboBox* cbSuspension = nullptr;

    QGroupBox* gbCrew = nullptr;
    TPageControl* pcCrew = nullptr;
    QCheckBox* cbDriverBodyArmor = nullptr;
    QCheckBox* cbDriverImprovedBodyArmor = nullptr;
    QCheckBox* cbDriverImpactArmor = nullptr;
    QCheckBox* cbDriverGasMask = nullptr;
    QCheckBox* cbDriverPFE = nullptr;
    QCheckBox* cbDriverTC = nullptr;
    QCheckBox* cbDriverITC = nullptr;
    QComboBox* cbDriverHandgun = nullptr;
    QCheckBox* cbGunnerSeat = nullptr;
    QCheckBox* cbGunnerBodyArmor = nullptr;
    QCheckBox* cbGunnerImprovedBodyArmor = nullptr;
    QCheckBox* cbGunnerImpactArmor = nullptr;
    QCheckBox* cbGunnerGasMask = nullptr;
    QCheckBox* cbGunnerPFE = nullptr;
    QCheckBox* cbGunnerTC = nullptr;
    QCheckBox* cbGunnerITC = nullptr;
    QComboBox* cbGunnerHandgun = nullptr;

    QGroupBox* gbEngine = nullptr;
    TPageControl* pcEngine = nullptr;
    QComboBox* cbCEngine = nullptr;
    QCheckBox* cbPowerPlatinumCatalyst = nullptr;
    QCheckBox* cbPowerSuperconductors = nullptr;
    QCheckBox* cbPowerExtraPowerCells = nullptr;
    QSpinBox* edISC = nullptr;
    QLabel* lblPowerCell = nullptr;
    QComboBox* cbGEngine = nullptr;
    QComboBox* cbGasTank = nullptr;
    QSpinBox* edGasTankSize = nullptr;
    QSpinBox* edN2O = nullptr;
    QCheckBox* cbCarburetor = nullptr;
    QCheckBox* cbMultibarrelCarburetor = nullptr;
    QCheckBox* cbTubularHeaders = nullptr;
    QCheckBox* cbBlueprinting = nullptr;
    QCheckBox* cbTurboCharger = nullptr;
    QCheckBox* cbVPTurboCharger = nullptr;
    QCheckBox* cbSupercharger = nullptr;
    QLabel* lblPowerGas = nullptr;

    QGroupBox* gbArmor = nullptr;
    TPageControl* pcArmor = nullptr;
    QWidget* tsCA = nullptr;
    QSpinBox* edArmorFront = nullptr;
    QSpinBox* edArmorLeft = nullptr;
    QSpinBox* edArmorRight = nullptr;
    QSpinBox* edArmorRear = nullptr;
    QSpinBox* edArmorTop = nullptr;
    QSpinBox* edArmorBottom = nullptr;
    QSpinBox* edArmorMFront = nullptr;
    QSpinBox* edArmorMLeft = nullptr;
    QSpinBox* edArmorMRight = nullptr;
    QSpinBox* edArmorMRear = nullptr;
    QSpinBox* edArmorMTop = nullptr;
    QSpinBox* edArmorMBottom = nullptr;
    QLabel* lblArmorEWP = nullptr;
    QSpinBox* edArmorEWP = nullptr;
    QCheckBox* chkArmorSloped = nullptr;
    QCheckBox* chkArmorFP = nullptr;
    QCheckBox* chkArmorLR = nullptr;
    QPushButton* btnRemovePlasticArmor = nullptr;
    QPushButton* btnRemoveMetalArmor = nullptr;
    QLabel* lblArmorSumPts[3] = {};
    QLabel* lblArmorSumLbs[3] = {};
    TRowScrollBox* scrCA = nullptr;

    QGroupBox* gbTires = nullptr;
    TPageControl* pcTires = nullptr;
    QComboBox* cbTireFront = nullptr;
    QRadioButton* rbTiresFrontNone = nullptr;
    QRadioButton* rbTiresFrontRadial = nullptr;
    QRadioButton* rbTiresFrontOffRoad = nullptr;
    QRadioButton* rbTiresFrontSlicks = nullptr;
    QCheckBox* chkTiresFrontSteelbelt = nullptr;
    QCheckBox* chkTiresFrontFireProof = nullptr;
    QSpinBox* edTireFWheelguard = nullptr;
    QSpinBox* edTireFWheelHub = nullptr;
    QLabel* lblTiresFrontDP = nullptr;
    QLabel* lblTiresFrontCost = nullptr;
    QLabel* lblTiresFrontWeight = nullptr;
    QComboBox* cbTireRear = nullptr;
    QRadioButton* rbTiresRearNone = nullptr;
    QRadioButton* rbTiresRearRadial = nullptr;
    QRadioButton* rbTiresRearOffRoad = nullptr;
    QRadioButton* rbTiresRearSlicks = nullptr;
    QCheckBox* chkTiresRearSteelbelt = nullptr;
    QCheckBox* chkTiresRearFireProof = nullptr;
    QSpinBox* edTireRWheelguard = nullptr;
    QSpinBox* edTireRWheelHub = nullptr;
    QLabel* lblTiresRearDP = nullptr;
    QLabel* lblTiresRearCost = nullptr;
    QLabel* lblTiresRearWeight = nullptr;
    QRadioButton* rb4Wheels = nullptr;
    QRadioButton* rb62Wheels = nullptr;
    QRadioButton* rb63Wheels = nullptr;

    QGroupBox* gbSelection = nullptr;
    TPageControl* pcWeaponSelect = nullptr;

    QGroupBox* gbInstalled = nullptr;
    TPageControl* pcInstalled = nullptr;
    TRowScrollBox* scrInstalledWeapons = nullptr;
    QLabel* lblInvalidWeaponLoad = nullptr;
    TRowScrollBox* scrInstalledEquipment = nullptr;

    QGroupBox* gbIcon = nullptr;
    QLabel* imgIcon = nullptr;
    QComboBox* cbCarBodyView = nullptr;

    // The page control of the compact window layout.
    TPageControl* pc600 = nullptr;

    // Weapon selection, the weapon data panel and the weapon rows
    // (MainWeapons.cpp).
    void cbWeaponChange(QObject* Sender);
    void btnAddWeaponClick();
    void btnDeleteWeaponClick(QWidget* Sender);
    void tmrNukeTimer();
    void cbWeaponLocationChange(QWidget* Sender);
    void cbWeaponSWC(QWidget* Sender);
    void chkWeaponExtraAmmo(QWidget* Sender);
    void cbWeaponAmmoChange(QWidget* Sender);
    // A weapon row's list, location or ammunition, puts its text into the
    // row's weapon and recalculates; a text the design cannot take leaves
    // the design as it was.
    void ApplyWeaponRowList(QWidget* Sender, void (*apply)(TVehicle& V, int row, const QString& text));
    void chkWeaponLaserIR(QWidget* Sender);
    void chkWeaponLaserPulse(QWidget* Sender);
    void lblNewWeaponNameClick(QWidget* Sender);
    // One row for the weapon at WeaponRowTop; the vehicle is not changed.
    // LocationText is the first location the row offers.
    void AddWeaponToList(const TWeaponType& Weapon, int Suffix, QString& LocationText, TLocation Location) override;
    // Entries each followed by CR LF.
    QString AvailableLocations(const TWeaponType& Weapon) const;
    QString AmmoList(const TWeaponType& Weapon) const;
    static int AmmoIndex(const QString& Ammo, const QString& List);
    void CheckWeaponLoad();
    // Every row's location list again, after an add-on change.
    void RefreshWeaponWhere();
    // Releases every weapon row and a delete button still waiting.
    void ReleaseWeaponRows();
    // The ten weapon lists in tab order: "All" first, then class 0 to 8.
    QComboBox* WeaponList(int Tab) const;

    QComboBox* cbWeapon = nullptr;
    QComboBox* cbWeaponSmallBore = nullptr;
    QComboBox* cbWeaponLargeBore = nullptr;
    QComboBox* cbWeaponRockets = nullptr;
    QComboBox* cbWeaponLasers = nullptr;
    QComboBox* cbWeaponFlamethrowers = nullptr;
    QComboBox* cbWeaponGases = nullptr;
    QComboBox* cbWeaponLiquids = nullptr;
    QComboBox* cbWeaponSolids = nullptr;
    QComboBox* cbWeaponDischargers = nullptr;
    QPushButton* btnAddWeapon[10] = {};
    QPlainTextEdit* edWeaponComment = nullptr;
    QLabel* lblWeaponToHit = nullptr;
    QLabel* lblWeaponEffect = nullptr;
    QLabel* lblWeaponDamage = nullptr;
    QLabel* lblWeaponShots = nullptr;
    QLabel* lblWeaponCost = nullptr;
    QLabel* lblWeaponWeight = nullptr;
    QLabel* lblWeaponSpace = nullptr;
    QLabel* lblWeaponDP = nullptr;
    QLabel* lblWeaponClass = nullptr;
    QLabel* lblWeaponYear = nullptr;
    QLabel* lblWeaponSpaceEff = nullptr;
    QLabel* lblWeaponCostEff = nullptr;
    QLabel* lblWeaponWeightEff = nullptr;
    // Hidden; supplies the glyph of the rows' delete buttons.
    QToolButton* btnDeleteGlyph = nullptr;
    // Releases a removed row's delete button once its click has ended.
    QTimer* tmrNuke = nullptr;
    // Top of the next weapon row in the scroll box's content.
    int WeaponRowTop = 16;
    // The delete button of the row removed last, hidden until tmrNuke
    // releases it; no longer one of WeaponRows.
    QPointer<QWidget> PendingDelete;
    TRunTimeRows WeaponRows;

    // The test map's controls and commands (MainTestFiring.cpp) and the
    // statistics page (MainStatistics.cpp).
    // Draws the opponent onto the map and its silhouette into MapMask while
    // the target is "Vehicle".
    void ShowOpponent();
    void cbAttackTargetChange();
    void cbAttackLocationChange();
    void cbTargetFacingChange();
    void cbCarBodyViewChange();
    void chkTestTraceClick();
    void pcTestingChange();
    void btnNextCarClick();
    void btnPrevCarClick();
    void btnLoadOpponentMouseDown(Qt::MouseButton Button, Qt::KeyboardModifiers Shift, QPoint Pos);
    // Reloads the opponent from its file, resets both cars and empties the
    // log and the statistics.
    void acTestResetExecute();
    // The same against the given opponent file, which becomes Enemy once it
    // has loaded.
    void ResetTest(const QString& Opponent);
    void acTestFireExecute();
    // The mouse-down of the map: sets the aim point; the right button fires.
    void imgIconMouseDown(Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X, int Y);
    // Rebuilds both statistics reports from the cars' counters and damage.
    void FillStats(const TGameCar& Own, const TGameCar& Opponent);
    QAction* acTestFire = nullptr;
    QAction* acTestReset = nullptr;
    QComboBox* cbAttackLocation = nullptr;
    QLabel* lblAttackLocation = nullptr;
    QComboBox* cbTargetFacing = nullptr;
    QLabel* lblTargetFacing = nullptr;
    QPushButton* btnTestAttack = nullptr;
    QPushButton* btnReset = nullptr;
    QCheckBox* chkTestTrace = nullptr;
    QPlainTextEdit* edTestText = nullptr;
    QPlainTextEdit* edStatsVehicle = nullptr;
    QPlainTextEdit* edStatsOpponent = nullptr;
    QPushButton* btnPrevCar = nullptr;
    QPushButton* btnNextCar = nullptr;

    // What imgLayout, imgTest and imgIcon show: the layout plan (the record
    // sheet prints it as it stands), the test map with what the firing
    // painted into it, and the own car's top view.
    TBitmap32 LayoutPicture;
    TBitmap32 TestPicture;
    TBitmap32 IconPicture;

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool event(QEvent* event) override;

private:
    // The six-wheel radios follow the body and the chassis.
    void ApplySixWheelRules();
    void CarryLeftArmorOver(QSpinBox* left, QSpinBox* right, int& lastLeft);
    // The opponent box, the Stats tab and the opponent button show only
    // while the target is a vehicle and the test map is shown.
    void ShowOpponentControls();
    // Sizes the window's parts and places the anchored boxes now, also while
    // the window is hidden.
    void LayOutNow();
    // Shows a breakdown list in a box and in the debug memo.
    void ShowBreakdown(const QStringList& list);
    void BuildControls();
    // The weapon selection box with its lists and data panel (MainWeapons.cpp).
    void BuildWeaponSelection();
    void ConnectWeaponHandlers();
    void BuildActions();
    // The add-on lists and pod options at the head of the accessory box.
    void BuildAddOnControls();
    void ConnectAddOnHandlers();
    void ConnectHandlers();
    // The commands of the options, limits, about and data-sources dialogs.
    void ConnectDialogs();
    // Releases, in shutdown order, whatever Init has built so far.
    void ReleaseAll();
    void RebuildDescriptions();
    // The weight limits of this and the next acceleration class, and the
    // armor points that would still fit or must go.
    void ShowWeightForAccel();
    // File commands and recent files: binds the commands to their actions
    // and the recent-files items.
    void ConnectFileCommands();
    // The test map's commands and handlers, and the mouse-down events of
    // the map and the opponent button.
    void ConnectTestHandlers();
    // The wall of the wall targets along the attack side.
    void DrawWall();

    TProgramPaths FPaths;
    // The window's size when the boxes took their anchors; empty before.
    QSize FLaidOutSize;
    bool FInitDone = false;
    bool FDeInitDone = false;
    // The title splash is due once the shown window has painted.
    bool FTitleAfterPaint = false;
};

extern TfrmMain* frmMain;
