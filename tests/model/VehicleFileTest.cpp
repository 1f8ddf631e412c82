#include "RulesFixture.h"
#include "common/FileSizeLimit.h"
#include "common/RecordingErrorSink.h"

#include "model/ErrorReport.h"
#include "model/Global.h"
#include "model/Vehicle.h"
#include "platform/Errors.h"
#include "platform/ProfileFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <limits>

#include <sys/stat.h>

namespace {

QString Fixture(const char* name)
{
    return QStringLiteral(RIGSMITH_TEST_DIR "/fixtures/designfile/") + QString::fromLatin1(name);
}

class VehicleLoadTest : public ::testing::Test
{
protected:
    VehicleLoadTest() : FSavedAllowCA(AllowCA) {}
    ~VehicleLoadTest() override { AllowCA = FSavedAllowCA; }

    // A design that no file of these tests describes, to see it survive.
    static void MakeOpenDesign(TVehicle& v)
    {
        v.Body = TRulesFixture::Body(QStringLiteral("Van"));
        v.Name = QStringLiteral("Open design");
        int index = 0;
        v.AddWeapon(TRulesFixture::Weapon(QStringLiteral("L")), index);
    }

    static void ExpectOpenDesign(const TVehicle& v)
    {
        EXPECT_EQ(v.Body.Name, QStringLiteral("Van"));
        EXPECT_EQ(v.Name, QStringLiteral("Open design"));
        ASSERT_EQ(v.WeaponCount(), 1);
        EXPECT_EQ(v.Weapons.Items[0].Abbreviation, QStringLiteral("L"));
    }

    TRulesFixture Rules;
    TRecordingErrorSink Errors;

private:
    bool FSavedAllowCA;
};

} // namespace

TEST_F(VehicleLoadTest, EveryFailedLookupNamesWhatTheFileSaid)
{
    const struct {
        const char* file;
        const char* err;
    } cases[] = {
        {"bad_body.vx", "Body Type 'Hovercraft' not found"},
        {"bad_chassis.vx", "Chassis Type 'Titanium' not found"},
        {"bad_suspension.vx", "Suspension Type 'Hover' not found"},
        {"bad_powerplant.vx", "Power Cell Engine Type 'Huge' not found"},
        {"bad_gasengine.vx", "GasEngine Type '1000 cid' not found"},
        {"bad_gastank.vx", "Gas Tank Type 'Leaky' not found"},
        {"bad_fronttire.vx", "Front Tire Type 'Balloon' not found"},
        {"bad_reartire.vx", "Rear Tire Type 'Balloon' not found"},
        {"missing_reartire.vx", "Rear Tire Type '' not found"},
        {"bad_legacy_fronttire.vx", "Front Tire Type 'Balloon' not found"},
        {"bad_legacy_reartire.vx", "Rear Tire Type 'Balloon' not found"},
        {"bad_weapon.vx", "Weapon Abbreviation 'ZAP' not found"},
        // A weapon count far beyond what a design may hold is refused as such.
        {"endless_weapons.vx", "The file holds 2147483647 weapons, more than the 5000 a design may hold"},
        {"empty.vx", "Body Type '' not found"},
    };
    for (const auto& c : cases) {
        TVehicle v;
        MakeOpenDesign(v);
        GUILoading = false;
        QString err;
        v.Load(Fixture(c.file), err);
        EXPECT_EQ(err, QString::fromLatin1(c.err)) << c.file;
        EXPECT_FALSE(GUILoading) << c.file;
        ExpectOpenDesign(v);
    }
    EXPECT_TRUE(Errors.Texts().isEmpty());
}

// A bad value is quoted whole up to 64 characters and cut after them, so that
// a value of megabytes (within the bound of a design file) makes a short
// message.
TEST_F(VehicleLoadTest, AVeryLongBadValueIsCutInTheMessage)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString x64(64, QLatin1Char('x'));
    const struct {
        QString Value;
        QString Err;
    } cases[] = {
        {x64, QStringLiteral("Body Type '%1' not found").arg(x64)},
        {x64 + QLatin1Char('y'), QStringLiteral("Body Type '%1\u2026' not found").arg(x64)},
        {x64 + QString(3 << 20, QLatin1Char('y')), QStringLiteral("Body Type '%1\u2026' not found").arg(x64)},
        // A letter beyond the 16-bit range that the cut would halve goes whole.
        {QString(63, QLatin1Char('x')) + QString::fromUtf8("\U0001F697") + QLatin1Char('y'),
         QStringLiteral("Body Type '%1\u2026' not found").arg(QString(63, QLatin1Char('x')))},
    };
    for (const auto& c : cases) {
        TProfileFile design(Fixture("bad_body.vx"));
        design.WriteString(QStringLiteral("Body"), QStringLiteral("BodyType"), c.Value);
        const QString path = dir.filePath(QStringLiteral("long.vx"));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(design.ToBytes());
        file.close();
        TVehicle v;
        MakeOpenDesign(v);
        QString err;
        v.Load(path, err);
        EXPECT_EQ(err, c.Err) << c.Value.size();
        ExpectOpenDesign(v);
    }
}

TEST_F(VehicleLoadTest, MissingFileLeavesDesignAndLoadingFlagAlone)
{
    TVehicle v;
    MakeOpenDesign(v);
    const QString name = QStringLiteral("no/such/Design.vx");
    GUILoading = true;
    QString err;
    v.Load(name, err);
    EXPECT_EQ(err, QStringLiteral("File 'no/such/Design.vx' not found"));
    EXPECT_TRUE(GUILoading);
    GUILoading = false;
    ExpectOpenDesign(v);
}

TEST_F(VehicleLoadTest, AnyOtherErrorIsPrefixedWithTheFunction)
{
    TVehicle v;
    MakeOpenDesign(v);
    // A new design of these rules costs more than the accounting can hold,
    // so making the design to read into fails.
    BodyTypes.Items[0].Price = std::numeric_limits<int>::max();
    QString err;
    v.Load(Fixture("handwritten.vx"), err);
    EXPECT_TRUE(err.startsWith(QStringLiteral("Error in function 'Load': "))) << err.toStdString();
    EXPECT_GT(err.size(), QStringLiteral("Error in function 'Load': ").size());
    EXPECT_FALSE(GUILoading);
    ExpectOpenDesign(v);
}

TEST_F(VehicleLoadTest, HandWrittenFileOfTheOlderLayout)
{
    AllowCA = true;
    TVehicle v;
    QString err;
    v.Load(Fixture("handwritten.vx"), err);
    ASSERT_EQ(err, QString());
    EXPECT_TRUE(Errors.Texts().isEmpty());

    // Names match without regard to case and come back as the table writes them.
    EXPECT_EQ(v.Body.Name, QStringLiteral("Mid-sized"));
    EXPECT_EQ(v.Chassis.Name, QStringLiteral("Light"));
    EXPECT_EQ(v.Suspension.Name, QStringLiteral("Heavy"));
    EXPECT_TRUE(v.Streamlined);
    EXPECT_FALSE(v.CAFrame);
    EXPECT_EQ(v.PowerCellEngine.Name, QStringLiteral("None"));
    EXPECT_EQ(v.GasEngine.Name, QStringLiteral("100 cid"));
    EXPECT_EQ(v.GasTank.Name, QStringLiteral("Racing"));
    EXPECT_EQ(v.TankSize, 12); // hexadecimal
    EXPECT_TRUE(v.GasEngine.TC);
    EXPECT_EQ(v.GasEngine.NO, 0); // malformed: the default
    EXPECT_EQ(v.EngineCA, 4);
    EXPECT_TRUE(v.EngineCA_FP);

    // The legacy tire section: sets, layout, guards and hubs, no options.
    EXPECT_EQ(v.TiresFront.Name, QStringLiteral("Plasticore"));
    EXPECT_EQ(v.TiresRear.Name, QStringLiteral("Heavy-Duty"));
    EXPECT_EQ(v.Axis, wl6Wheels3Axis);
    EXPECT_EQ(v.GuardsFront, 2);
    EXPECT_EQ(v.GuardsRear, 0);
    EXPECT_EQ(v.HubsFront, 0);
    EXPECT_EQ(v.HubsRear, 3);
    for (const TTireType* t : {&v.TiresFront, &v.TiresRear})
        EXPECT_FALSE(t->Radial || t->OffRoad || t->Racing || t->Steelbelt || t->Fireproof);

    EXPECT_EQ(v.Armor.Front, 20);
    EXPECT_EQ(v.Armor.Back, 15);
    EXPECT_TRUE(v.Armor.FP);
    EXPECT_FALSE(v.Armor.LR);

    EXPECT_EQ(v.EWP, 2);
    EXPECT_TRUE(v.EWPFF); // absent: true
    ASSERT_EQ(v.WeaponCount(), 2);
    EXPECT_EQ(v.Weapons.Items[0].Abbreviation, QStringLiteral("MG"));
    EXPECT_EQ(v.Weapons.Items[0].Location, locTurret);
    EXPECT_EQ(v.Weapons.Items[0].Ammo, QStringLiteral("-")); // absent
    EXPECT_EQ(v.Weapons.Items[0].CA, 3);
    EXPECT_EQ(v.Weapons.Items[1].Abbreviation, QStringLiteral("RR"));
    // Mount locations are matched exactly; "BACK" is not "back".
    EXPECT_EQ(v.Weapons.Items[1].Location, locFront);
    EXPECT_EQ(v.Weapons.Items[1].Ammo, QStringLiteral("EX"));

    EXPECT_EQ(v.EquipmentAmount(6), 2);
    TEquipmentType radio;
    v.GetEquipment(6, radio);
    EXPECT_EQ(radio.Info, QStringLiteral("CB and police band"));

    EXPECT_TRUE(v.Crew[0].Seat); // whatever the file says
    EXPECT_TRUE(v.Crew[0].BodyArmor);
    EXPECT_TRUE(v.Crew[1].Seat);
    EXPECT_EQ(v.Crew[1].HandGun, QStringLiteral("SMG"));
    EXPECT_EQ(v.Crew[1].CA, 2);

    EXPECT_EQ(v.Name, QStringLiteral("<Name>"));
    EXPECT_EQ(v.Author, QStringLiteral("  Hank  "));
    EXPECT_EQ(v.Comment, QStringLiteral("<Comment>"));
}

TEST_F(VehicleLoadTest, ComponentArmorIsIgnoredWithoutTheRule)
{
    AllowCA = false;
    TVehicle v;
    QString err;
    v.Load(Fixture("handwritten.vx"), err);
    ASSERT_EQ(err, QString());
    EXPECT_EQ(v.EngineCA, 0);
    EXPECT_FALSE(v.EngineCA_FP);
    EXPECT_EQ(v.Weapons.Items[0].CA, 0);
    EXPECT_EQ(v.Crew[1].CA, 0);
}

TEST_F(VehicleLoadTest, NewerTireSectionsWinOverTheLegacyOne)
{
    TVehicle v;
    QString err;
    v.Load(Fixture("bothlayouts.vx"), err);
    ASSERT_EQ(err, QString());
    EXPECT_EQ(v.TiresFront.Name, QStringLiteral("Heavy-Duty"));
    EXPECT_TRUE(v.TiresFront.Radial);
    EXPECT_EQ(v.TiresRear.Name, QStringLiteral("Standard"));
    EXPECT_TRUE(v.TiresRear.Steelbelt);
    EXPECT_EQ(v.Axis, wl4Wheels);
    EXPECT_EQ(v.GuardsFront, 1);
}

TEST_F(VehicleLoadTest, AccessoriesAreFoundByNameBeforeNumber)
{
    TVehicle v;
    QString err;
    v.Load(Fixture("renumbered.vx"), err);
    ASSERT_EQ(err, QString());
    EXPECT_FALSE(v.HasEquipment(3));
    EXPECT_EQ(v.EquipmentAmount(6), 1);  // "Radio", whatever its old number
    EXPECT_EQ(v.EquipmentAmount(13), 2); // an unknown name: by number
}

TEST_F(VehicleLoadTest, RecalculationIsHeldOffWhileTheFileIsRead)
{
    // An accessory number that no accessory has is reported while the file
    // is read, and reading goes on.
    QStringList seen;
    SetErrorSink([&](const QString& text) { seen.append(text + (GUILoading ? " (loading)" : "")); });
    GUILoading = false;
    TVehicle v;
    QString err;
    v.Load(Fixture("unknown_accessory.vx"), err);
    EXPECT_EQ(err, QString());
    EXPECT_EQ(seen, QStringList{"An error occured in Vehicle.SetEquipment(99,1):\r\nNr not found (loading)"});
    EXPECT_FALSE(GUILoading);
    EXPECT_EQ(v.EquipmentAmount(6), 3);
    // Without crew sections the driver's seat is taken and the gunner's is not.
    EXPECT_TRUE(v.Crew[0].Seat);
    EXPECT_FALSE(v.Crew[1].Seat);
}

// The hostile file with its numbers brought down to where the figures of
// the design can still be computed.
QByteArray HostileFileWithinFigures()
{
    QFile file(Fixture("hostile.vx"));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    // The count of accessories stays: it costs no figure.
    return file.readAll()
        .replace("=2147483647", "=21474")
        .replace("=-2147483648", "=-21474")
        .replace("Number=21474", "Number=2147483647");
}

TEST_F(VehicleLoadTest, DamagedFileLoadsWithoutHarm)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("hostile.vx"));
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(HostileFileWithinFigures());
    }
    TVehicle v;
    QString err;
    v.Load(path, err);
    ASSERT_EQ(err.toStdString(), "");

    // Of a section or key given twice the first counts.
    EXPECT_EQ(v.Body.Name, QStringLiteral("Compact"));
    EXPECT_FALSE(v.Rollcage);
    EXPECT_EQ(v.PowerCellEngine.ISC, -21474);
    EXPECT_EQ(v.TankSize, 0); // beyond an integer: the default
    EXPECT_EQ(v.GasEngine.NO, -7);
    EXPECT_EQ(v.GuardsFront, 21474);
    EXPECT_EQ(v.HubsFront, -1);
    EXPECT_EQ(v.GuardsRear, -21474);
    EXPECT_EQ(v.Axis, wl4Wheels); // bytes of no known layout
    EXPECT_EQ(v.Armor.Front, 21474);
    EXPECT_EQ(v.Armor.Back, -21474);
    EXPECT_EQ(v.Armor.Top, -1);
    EXPECT_EQ(v.Turret, 99);
    EXPECT_EQ(v.EWP, -3);
    EXPECT_EQ(v.WeaponCount(), 0); // a negative count
    // A count of accessories far beyond the file reads the sections it has; a
    // number without a section changes no accessory.
    EXPECT_EQ(v.EquipmentAmount(0), 2);
    EXPECT_EQ(v.EquipmentAmount(6), -3);
    EXPECT_EQ(v.EquipmentAmount(13), 21474);
    EXPECT_EQ(v.EquipmentAmount(4), 1);
    EXPECT_TRUE(v.Crew[1].Seat);
    EXPECT_EQ(v.Crew[1].HandGun, QStringLiteral("Bazooka"));
    // Bytes that are no UTF-8 are the older files' code page.
    EXPECT_EQ(v.Name, QStringLiteral("Stra\u00DFenkreuzer \u20AC"));
    EXPECT_TRUE(Errors.Texts().isEmpty());
}

TEST_F(VehicleLoadTest, ADesignWhoseFiguresOverflowIsRefusedAndTheDesignStaysAsItWas)
{
    TVehicle v;
    QString err;
    v.Load(Fixture("handwritten.vx"), err);
    ASSERT_EQ(err, QString());
    const QString name = v.Name;
    // Several numbers beyond reach: none alone is to blame.
    v.Load(Fixture("hostile.vx"), err);
    EXPECT_EQ(err, QStringLiteral("The design's figures cannot be computed: Arithmetic overflow"));
    EXPECT_EQ(v.Name, name);
    EXPECT_TRUE(Errors.Texts().isEmpty());
}

TEST_F(VehicleLoadTest, AFigureThatOverflowsForOneNumberNamesItsKey)
{
    const struct {
        const char* Section;
        const char* Key;
    } cases[] = {
        {"Armor", "Front"},
        {"Armor", "TopM"},
    };
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("big.vx"));
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Key);
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(QByteArray("[Body]\r\nBodyType=Compact\r\nChassis=Heavy\r\nSuspension=Improved\r\n"
                              "[PowerCellEngine]\r\nType=Small\r\n[GasEngine]\r\nType=None\r\nTankType=Economy\r\n"
                              "[TiresFront]\r\nName=Standard\r\n[TiresRear]\r\nName=Standard\r\n"
                              "[Accessories]\r\nNumber=1\r\n[Accessories_0]\r\nNr=0\r\nAmount=1\r\n[")
                   + c.Section + "]\r\n" + c.Key + "=2147483647\r\n");
        file.close();
        TVehicle v;
        QString err;
        v.Load(path, err);
        EXPECT_EQ(err.toStdString(), QStringLiteral("The design's figures cannot be computed: Arithmetic overflow\r\n"
                                                    "The value 2147483647 of [%1] %2 is out of range")
                                         .arg(QLatin1String(c.Section), QLatin1String(c.Key))
                                         .toStdString());
    }
}

namespace {

QByteArray FileBytes(const QString& fileName)
{
    QFile file(fileName);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteBytes(const QString& fileName, const QByteArray& bytes)
{
    QFile file(fileName);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// Every option of the design set to something other than a new design's.
void SetEveryOption(TVehicle& v)
{
    v.Body = TRulesFixture::Body(QStringLiteral("Van"));
    v.Chassis = TRulesFixture::Chassis(QStringLiteral("Extra Heavy"));
    v.Suspension = TRulesFixture::Suspension(QStringLiteral("Off-Road"));
    v.Streamlined = v.CAFrame = v.Rollcage = true;
    v.PowerCellEngine = TRulesFixture::CEngine(QStringLiteral("Large"));
    v.PowerCellEngine.PC = v.PowerCellEngine.SC = v.PowerCellEngine.EPC = true;
    v.PowerCellEngine.ISC = 2;
    v.GasEngine = TRulesFixture::GEngine(QStringLiteral("250 cid"));
    TGEngineType& g = v.GasEngine;
    g.C = g.MC = g.TH = g.BP = g.TC = g.VTC = g.SC = true;
    g.NO = 3;
    v.GasTank = TRulesFixture::GasTank(QStringLiteral("Racing"));
    v.TankSize = 15;
    v.EngineCA = 5;
    v.EngineCA_FP = true;
    v.TiresFront = TRulesFixture::Tire(QStringLiteral("Heavy-Duty"));
    v.TiresRear = TRulesFixture::Tire(QStringLiteral("Puncture-Resistant"));
    for (TTireType* t : {&v.TiresFront, &v.TiresRear})
        t->Radial = t->OffRoad = t->Racing = t->Steelbelt = t->Fireproof = true;
    v.Axis = wl6Wheels3Axis;
    v.GuardsFront = 1;
    v.GuardsRear = 2;
    v.HubsFront = 3;
    v.HubsRear = 4;
    v.Armor = TArmor{11, 12, 13, 14, 15, 16, 17, 21, 22, 23, 24, 25, 26, true, true};
    v.Sloped = true;
    v.Turret = tkTwoSpacePopUp;
    v.EWP = ewpThreeSpaceTop;
    v.EWPFF = false;
    v.EWPR = true;
    v.RocketPlatform = 3;
    const TLocation places[] = {locFront, locLeft, locRight, locBack, locTurret, locEWP, locRocketPlatform};
    const char* weapons[] = {"MG", "RR", "L", "HR", "MD", "SS", "HR"};
    for (int i = 0; i < 7; ++i) {
        TWeaponType w = TRulesFixture::Weapon(QString::fromLatin1(weapons[i]));
        w.Location = places[i];
        w.ExtraAmmo = w.SWC = w.HRSWC = w.LaserIR = w.LaserPulse = w.CA_FP = true;
        w.CA = i + 1;
        w.Ammo = i < 2 ? QStringLiteral("EX") : QStringLiteral("-");
        int index = 0;
        v.AddWeapon(w, index);
    }
    v.SetEquipment(13, 3, QString());
    v.SetEquipment(6, 2, QStringLiteral("  CB \"and\" police "));
    v.SetEquipment(0, 1, QStringLiteral("'quoted'"));
    for (TCrewType& c : v.Crew) {
        c.Seat = c.BodyArmor = c.ImprovedBodyArmor = c.ImpactArmor = c.GasMask = c.PFE = c.TC = c.ITC = true;
        c.CA_FP = true;
        c.CA = 4;
    }
    v.Crew[0].HandGun = QStringLiteral("Pistol");
    v.Crew[1].HandGun = QStringLiteral("SMG");
    v.Name = QStringLiteral(" Roadhog ");
    v.Author = QStringLiteral("\"Hank\"");
    v.Comment = QString(3000, QLatin1Char('x'));
}

class VehicleSaveTest : public VehicleLoadTest
{
protected:
    VehicleSaveTest() { AllowCA = true; }
    QString Path(const char* name) const { return Dir.filePath(QString::fromLatin1(name)); }
    QTemporaryDir Dir;
};

} // namespace

TEST_F(VehicleSaveTest, EmptyListsWriteOnlyTheirCount)
{
    TVehicle v;
    ASSERT_TRUE(v.Save(Path("plain.vx")));
    const TProfileFile ini(Path("plain.vx"));
    EXPECT_EQ(ini.ReadSections(),
              (QStringList{"Body", "PowerCellEngine", "GasEngine", "Engine", "TiresFront", "TiresRear", "Armor",
                           "Weapon", "Accessories", "Crew_0", "Crew_1", "Text", "Preview"}));
    EXPECT_EQ(ini.ReadString("Weapon", "Number", QString()), QStringLiteral("0"));
    EXPECT_EQ(ini.ReadString("Accessories", "Number", QString()), QStringLiteral("0"));
    EXPECT_TRUE(Errors.Texts().isEmpty());
}

TEST_F(VehicleSaveTest, SectionsAndKeysStandInTheirOrder)
{
    TVehicle v;
    SetEveryOption(v);
    ASSERT_TRUE(v.Save(Path("full.vx")));
    const TProfileFile ini(Path("full.vx"));
    EXPECT_EQ(ini.ReadSections(),
              (QStringList{"Body", "PowerCellEngine", "GasEngine", "Engine", "TiresFront", "TiresRear", "Armor",
                           "Weapon", "Weapon_0", "Weapon_1", "Weapon_2", "Weapon_3", "Weapon_4", "Weapon_5",
                           "Weapon_6", "Accessories_0", "Accessories_1", "Accessories_2", "Accessories", "Crew_0",
                           "Crew_1", "Text", "Preview"}));
    const struct {
        const char* section;
        QStringList keys;
    } layout[] = {
        {"Body", {"BodyType", "Chassis", "Suspension", "Streamlined", "CAFrame", "Rollcage"}},
        {"PowerCellEngine", {"Type", "PC", "SC", "EPC", "ISC"}},
        {"GasEngine", {"Type", "TankType", "TankSize", "C", "MC", "TH", "BP", "TC", "VTC", "SC", "NO"}},
        {"Engine", {"CA", "CA_FP"}},
        {"TiresFront", {"Name", "Radial", "OffRoad", "Racing", "Steelbelt", "Fireproof", "Guards", "Hubs"}},
        {"TiresRear", {"Name", "Axis", "Radial", "OffRoad", "Racing", "Steelbelt", "Fireproof", "Guards", "Hubs"}},
        {"Armor", {"Front", "Left", "Right", "Back", "Top", "Bottom", "EWP", "FrontM", "LeftM", "RightM", "BackM",
                   "TopM", "BottomM", "Sloped", "FP", "LR"}},
        {"Weapon", {"Turret", "EWP", "EWPFF", "EWPR", "RocketPlatform", "Number"}},
        {"Weapon_6", {"Name", "Location", "ExtraAmmo", "SWC", "HRSWC", "LaserIR", "LaserPulse", "CA", "CA_FP", "Ammo"}},
        {"Accessories_2", {"Nr", "Amount", "Info", "Name"}},
        {"Accessories", {"Number"}},
        {"Crew_1", {"Seat", "BodyArmor", "ImprovedBodyArmor", "ImpactArmor", "GasMask", "PFE", "TC", "ITC",
                    "HandGun", "CA_FP", "CA"}},
        {"Text", {"Name", "Author", "Comment"}},
        {"Preview", {"Year", "Cost", "Weight", "HC", "MaxSpeed", "MaxAcc", "Range"}},
    };
    for (const auto& s : layout)
        EXPECT_EQ(ini.ReadSection(QString::fromLatin1(s.section)), s.keys) << s.section;

    // Accessories in list order, numbered from 0 over the ones written.
    EXPECT_EQ(ini.ReadInteger("Accessories_0", "Nr", -1), 0);
    EXPECT_EQ(ini.ReadInteger("Accessories_1", "Nr", -1), 6);
    EXPECT_EQ(ini.ReadString("Accessories_1", "Name", QString()), QStringLiteral("Radio"));
    EXPECT_EQ(ini.ReadInteger("Accessories_2", "Nr", -1), 13);
    EXPECT_EQ(ini.ReadString("Weapon_6", "Location", QString()), QStringLiteral("rocket platform"));
    EXPECT_EQ(ini.ReadString("TiresRear", "Axis", QString()), QStringLiteral("6 Wheels, 3 Axis"));
}

TEST_F(VehicleSaveTest, PreviewHoldsTheFiguresOfTheSavedDesign)
{
    TVehicle v;
    SetEveryOption(v);
    ASSERT_TRUE(v.Save(Path("full.vx")));
    const TProfileFile ini(Path("full.vx"));
    QStringList list;
    TVehicle same;
    SetEveryOption(same);
    EXPECT_EQ(ini.ReadInteger("Preview", "Year", -1), same.GetYear(list));
    EXPECT_EQ(ini.ReadInteger("Preview", "Cost", -1), same.GetCost(list));
    EXPECT_EQ(ini.ReadInteger("Preview", "Weight", -1), same.GetWeight(list));
    EXPECT_EQ(ini.ReadInteger("Preview", "HC", -1), same.GetHC());
    EXPECT_EQ(ini.ReadInteger("Preview", "MaxSpeed", -1), same.GetTopSpeed());
    EXPECT_EQ(ini.ReadInteger("Preview", "MaxAcc", -1), same.GetAcceleration());
    EXPECT_EQ(ini.ReadInteger("Preview", "Range", -1), same.GetRange());
    // The breakdowns behind them are the saved design's.
    EXPECT_EQ(CostList, (same.GetCost(list), list));
    EXPECT_EQ(WeightList, (same.GetWeight(list), list));
    EXPECT_EQ(YearList, (same.GetYear(list), list));
    EXPECT_EQ(v.Cost, same.Cost);
    EXPECT_EQ(v.Weight, same.Weight);
}

TEST_F(VehicleSaveTest, RoundTripGivesTheSameFileAndFigures)
{
    TVehicle v;
    SetEveryOption(v);
    ASSERT_TRUE(v.Save(Path("first.vx")));
    TVehicle back;
    QString err;
    back.Load(Path("first.vx"), err);
    ASSERT_EQ(err, QString());
    ASSERT_TRUE(back.Save(Path("second.vx")));
    EXPECT_EQ(FileBytes(Path("first.vx")), FileBytes(Path("second.vx")));

    // Text values come back as they were, also beyond the length an older
    // reader could hold, with leading blanks and in quotes.
    EXPECT_EQ(back.Name, v.Name);
    EXPECT_EQ(back.Author, v.Author);
    EXPECT_EQ(back.Comment, v.Comment);
    TEquipmentType radio;
    back.GetEquipment(6, radio);
    EXPECT_EQ(radio.Info, QStringLiteral("  CB \"and\" police "));

    QStringList a, b;
    EXPECT_EQ(v.GetCost(a), back.GetCost(b));
    EXPECT_EQ(a, b);
    EXPECT_EQ(v.GetWeight(a), back.GetWeight(b));
    EXPECT_EQ(a, b);
    EXPECT_EQ(v.GetYear(a), back.GetYear(b));
    EXPECT_EQ(a, b);
    EXPECT_TRUE(Errors.Texts().isEmpty());
}

TEST_F(VehicleSaveTest, LineBreaksInTextsBecomeBlanks)
{
    TVehicle v;
    v.Comment = QStringLiteral("Fast\r\nand\nloud\r");
    ASSERT_TRUE(v.Save(Path("breaks.vx")));
    TVehicle back;
    QString err;
    back.Load(Path("breaks.vx"), err);
    // Each break is one blank, also the last one.
    EXPECT_EQ(back.Comment, QStringLiteral("Fast and loud "));
}

TEST_F(VehicleSaveTest, SavingOverAFileLeavesNothingOfIt)
{
    WriteBytes(Path("old.vx"), "[Body]\r\nBodyType=Van\r\nColour=red\r\n[Notes]\r\nText=keep?\r\n");
    TVehicle v;
    ASSERT_TRUE(v.Save(Path("old.vx")));
    const TProfileFile ini(Path("old.vx"));
    EXPECT_FALSE(ini.ValueExists("Body", "Colour"));
    EXPECT_FALSE(ini.SectionExists("Notes"));
    EXPECT_EQ(ini.ReadString("Body", "BodyType", QString()), QStringLiteral("Subcompact"));
}

TEST_F(VehicleSaveTest, ComponentArmorIgnoredOnLoadIsSavedAsZero)
{
    TVehicle v;
    SetEveryOption(v);
    ASSERT_TRUE(v.Save(Path("ca.vx")));
    AllowCA = false;
    TVehicle back;
    QString err;
    back.Load(Path("ca.vx"), err);
    ASSERT_EQ(err, QString());
    ASSERT_TRUE(back.Save(Path("noca.vx")));
    const TProfileFile ini(Path("noca.vx"));
    EXPECT_EQ(ini.ReadString("Engine", "CA", QString()), QStringLiteral("0"));
    EXPECT_EQ(ini.ReadString("Engine", "CA_FP", QString()), QStringLiteral("0"));
    EXPECT_EQ(ini.ReadString("Weapon_3", "CA", QString()), QStringLiteral("0"));
    EXPECT_EQ(ini.ReadString("Crew_0", "CA", QString()), QStringLiteral("0"));
}

TEST_F(VehicleSaveTest, FailedSaveReportsAndKeepsTheOldFile)
{
    TVehicle v;
    EXPECT_FALSE(v.Save(Path("no-such-folder/x.vx")));
    ASSERT_EQ(Errors.Texts().size(), 1);
    EXPECT_TRUE(Errors.Texts()[0].startsWith(QStringLiteral("An error occured in Save:\r\n")));

    // A figure that overflows while the preview is computed stops the save
    // before anything reaches the disk.
    const QByteArray old = "[Body]\r\nBodyType=Van\r\n";
    WriteBytes(Path("old.vx"), old);
    v.Body.Price = std::numeric_limits<int>::max();
    Errors.Clear();
    EXPECT_FALSE(v.Save(Path("old.vx")));
    EXPECT_EQ(Errors.Texts().size(), 1);
    EXPECT_EQ(FileBytes(Path("old.vx")), old);
}

TEST_F(VehicleSaveTest, ASaveThatDoesNotFitKeepsTheOldFileAndSaysWhy)
{
    const QByteArray old = "[Body]\r\nBodyType=Van\r\n";
    WriteBytes(Path("old.vx"), old);
    TVehicle v;
    SetEveryOption(v);
    const QString result = RunWithFileSizeLimit(512, [&] {
        return v.Save(Path("old.vx")) ? QStringLiteral("saved") : Errors.Texts().join(QLatin1Char('|'));
    });
    // The box names the file, so that the user knows which save failed.
    EXPECT_EQ(result, QStringLiteral("An error occured in Save:\r\n%1: File too large").arg(Path("old.vx")));
    EXPECT_EQ(FileBytes(Path("old.vx")), old);
    EXPECT_EQ(QDir(Dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::System), QStringList({"old.vx"}));
}

TEST_F(VehicleSaveTest, APipeInTheFilesPlaceIsNotReplaced)
{
    const QString pipe = Path("pipe.vx");
    ASSERT_EQ(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    TVehicle v;
    EXPECT_FALSE(v.Save(pipe));
    EXPECT_EQ(Errors.Texts(), QStringList({QStringLiteral("An error occured in Save:\r\n'%1' is not a regular file")
                                                .arg(pipe)}));
    EXPECT_FALSE(QFileInfo(pipe).isFile());
    EXPECT_TRUE(QFileInfo(pipe).exists());
}

namespace {

// A NUL anywhere in a design file (a section header, a part line, a weapon
// line, the description, a preview figure, a blank line), at the start, in
// the middle or at the end of its line, refuses the file with the line's
// number: a dropped line would lose a part or a text without a trace. The
// open design stays.
TEST_F(VehicleSaveTest, ANulInAnyLineRefusesTheFileNamingTheLine)
{
    TVehicle saved;
    SetEveryOption(saved);
    saved.Comment = QStringLiteral("A long description of the design");
    ASSERT_TRUE(saved.Save(Path("full.vx")));
    const QList<QByteArray> lines = FileBytes(Path("full.vx")).split('\n');
    ASSERT_GT(lines.size(), 100);
    // The kinds of line the test must have met.
    QStringList kinds;
    for (qsizetype n = 0; n < lines.size(); ++n) {
        const QByteArray line = lines[n];
        if (line.startsWith("[Weapon_"))
            kinds << QStringLiteral("weapon header");
        else if (line.startsWith("Name=") && n > 0 && kinds.contains(QStringLiteral("weapon header")))
            kinds << QStringLiteral("weapon line");
        else if (line.startsWith("Comment="))
            kinds << QStringLiteral("description");
        for (const qsizetype at : {qsizetype(0), line.size() / 2, std::max(qsizetype(0), line.size() - 1)}) {
            QList<QByteArray> damaged = lines;
            damaged[n].insert(at, '\0');
            WriteBytes(Path("damaged.vx"), damaged.join('\n'));
            TVehicle open;
            MakeOpenDesign(open);
            QString err;
            open.Load(Path("damaged.vx"), err);
            EXPECT_EQ(err, QStringLiteral("Line %1 of the file is damaged: it holds a NUL character").arg(n + 1))
                << "line " << n + 1 << " at " << at;
            ExpectOpenDesign(open);
        }
    }
    EXPECT_TRUE(kinds.contains(QStringLiteral("weapon line")));
    EXPECT_TRUE(kinds.contains(QStringLiteral("description")));
    EXPECT_TRUE(Errors.Texts().isEmpty());
}

} // namespace

namespace {

// A design file is bounded in its size and in its weapons: at the bound it
// opens, beyond it it is refused whole, unread, and the open design stays.
TEST_F(VehicleSaveTest, AFileBeyondTheBoundsIsRefusedWhole)
{
    TVehicle most;
    most.Body = TRulesFixture::Body(QStringLiteral("Van"));
    for (int i = 0; i < MostDesignWeapons; ++i) {
        int index = 0;
        most.AddWeapon(TRulesFixture::Weapon(QStringLiteral("L")), index);
    }
    ASSERT_TRUE(most.Save(Path("most.vx")));
    const QByteArray mostBytes = FileBytes(Path("most.vx"));
    QByteArray tooMany = mostBytes;
    tooMany.replace("Number=5000", "Number=5001");
    QByteArray padded = mostBytes + "[Notes]\r\n";
    padded += QByteArray(LargestDesignFile - padded.size(), ';');
    ASSERT_EQ(padded.size(), LargestDesignFile);
    const struct {
        const char* What;
        QByteArray Bytes;
        QString Err;
    } cases[] = {
        {"the most weapons", mostBytes, QString()},
        {"the largest file", padded, QString()},
        {"a weapon more", tooMany, QStringLiteral("The file holds 5001 weapons, more than the 5000 a design may hold")},
        {"a byte more", padded + ";",
         QStringLiteral("The file holds 4194305 bytes, more than the 4194304 a design file may hold")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.What);
        WriteBytes(Path("bound.vx"), c.Bytes);
        TVehicle open;
        MakeOpenDesign(open);
        QString err;
        open.Load(Path("bound.vx"), err);
        EXPECT_EQ(err, c.Err);
        if (c.Err.isEmpty())
            EXPECT_EQ(open.WeaponCount(), MostDesignWeapons);
        else
            ExpectOpenDesign(open);
    }
}

} // namespace
