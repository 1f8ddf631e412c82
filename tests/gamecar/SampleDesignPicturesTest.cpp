#include "GameCarFixture.h"

#include "gamecar/GameCar.h"
#include "gamecar/Graphics.h"
#include "gamecar/LayoutPlan.h"
#include "model/Global.h"

#include <QDir>
#include <QImage>
#include <functional>

// The top view and the layout plan of each shipped sample design, and of a
// few designs built here that show the parts those leave out, drawn with the
// runtime folder's pictures and compared with the reference pictures beside
// this test. After a deliberate change of the drawing or the artwork, run
// the test with RIGSMITH_UPDATE_REFERENCES=1 to write new references, and
// look at them before committing them.

namespace {

const QString ReferenceFolder = QStringLiteral(RIGSMITH_TEST_DIR "/references");

struct TDrawnDesign {
    const char* name;
    int carPicture;
    std::function<void(TVehicle&)> build;
};

// Failure messages name the design rather than dump its bytes.
void PrintTo(const TDrawnDesign& design, std::ostream* os)
{
    *os << design.name;
}

void Mount(TVehicle& v, const char* abbreviation, TLocation location, int times = 1, bool extraAmmo = false)
{
    int index = 0;
    for (int i = 0; i < times; ++i)
        v.AddWeapon(MountedWeapon(abbreviation, location, extraAmmo), index);
}

const TDrawnDesign BuiltDesigns[] = {
    {"Courier", 0,
     [](TVehicle& v) {
         v.Body = Named(BodyTypes.Items, "Subcompact");
         v.PowerCellEngine = Named(CEngineTypes.Items, "Small");
         Mount(v, "MG", locFront);
     }},
    {"Interceptor", 1,
     [](TVehicle& v) {
         v.Body = Named(BodyTypes.Items, "Sedan");
         v.PowerCellEngine = Named(CEngineTypes.Items, "Medium");
         v.TiresFront = Named(TireTypes.Items, "Heavy-Duty");
         v.TiresRear = v.TiresFront;
         v.Turret = tkTwoSpace;
         Mount(v, "RL", locTurret);
         Mount(v, "L", locTurret);
         Mount(v, "MG", locFront);
         Mount(v, "MG", locFront, 1, true);
         Mount(v, "MD", locBack);
         v.Crew[0].ImpactArmor = true;
         v.Crew[0].TC = true;
         v.Crew[0].CA = 3;
         v.Crew[1].Seat = true;
         v.Crew[1].BodyArmor = true;
         v.Crew[1].GasMask = true;
         v.GuardsFront = 3;
         v.GuardsRear = 7;
         v.HubsFront = 2;
         v.HubsRear = 2;
         v.SetEquipment(0, 1, QString());
         v.SetEquipment(1, 1, QString());
         v.SetEquipment(3, 2, QString());
     }},
    {"Raider", 3,
     [](TVehicle& v) {
         v.Body = Named(BodyTypes.Items, "Pickup");
         v.PowerCellEngine = Named(CEngineTypes.Items, "Large");
         v.TiresFront = Named(TireTypes.Items, "Plasticore");
         v.TiresRear = v.TiresFront;
         v.Axis = wl6Wheels2Axis;
         v.EWP = ewpTwoSpaceTop;
         Mount(v, "VMG", locEWP, 3);
         v.Turret = tkZeroSpace;
         Mount(v, "FG", locTurret);
         Mount(v, "AC", locFront, 3);
         Mount(v, "GL", locLeft);
         Mount(v, "GL", locRight);
         Mount(v, "JD", locBack, 2);
         v.Crew[0].ImprovedBodyArmor = true;
         v.Crew[0].PFE = true;
         v.Crew[0].ITC = true;
         v.SetEquipment(2, 1, QString());
         v.SetEquipment(7, 1, QString());
     }},
    {"Hauler", 4,
     [](TVehicle& v) {
         v.Body = Named(BodyTypes.Items, "Van");
         v.PowerCellEngine = Named(CEngineTypes.Items, "None");
         v.GasEngine = Named(GEngineTypes.Items, "250 cid");
         v.GasEngine.NO = 1;
         v.GasTank = Named(GasTankTypes.Items, "Heavy Duty");
         v.Axis = wl6Wheels3Axis;
         v.EWP = ewpTwoSpaceSide;
         v.EWPFF = false;
         Mount(v, "LtR", locRight, 2);
         Mount(v, "FT", locLeft);
         v.RocketPlatform = 1;
         Mount(v, "MR", locRocketPlatform, 2);
         Mount(v, "HR", locFront);
         Mount(v, "SD", locBack);
         v.GuardsRear = 4;
         v.HubsRear = 6;
         v.EngineCA = 6;
         v.SetEquipment(4, 1, QString());
         v.SetEquipment(5, 4, QString());
     }},
};

// The shipped design files, each shown with a car picture of its own.
void LoadShipped(TVehicle& v, const char* fileName)
{
    QString err;
    v.Load(QStringLiteral(RIGSMITH_RUNTIME_DIR "/Designs/") + QLatin1String(fileName), err);
    ASSERT_EQ(err, QString()) << fileName;
}

const TDrawnDesign ShippedDesigns[] = {
    {"VezeRidiv", 0, [](TVehicle& v) { LoadShipped(v, "VezeRidiv.vx"); }},
    {"Brickhouse", 1, [](TVehicle& v) { LoadShipped(v, "Brickhouse.vx"); }},
    {"Gadfly", 2, [](TVehicle& v) { LoadShipped(v, "Gadfly.vx"); }},
    {"Lightbringer", 3, [](TVehicle& v) { LoadShipped(v, "Lightbringer.vx"); }},
    {"Thunderwagon", 4, [](TVehicle& v) { LoadShipped(v, "Thunderwagon.vx"); }},
};

class DesignPicturesTest : public TShippedPictures, public ::testing::WithParamInterface<TDrawnDesign>
{
};

QImage Opaque(const TBitmap32& picture)
{
    return picture.Image().convertToFormat(QImage::Format_RGB32);
}

// Compares a drawing with its reference pixel for pixel. The component-armor
// list is text in the platform's default font: a machine whose default font
// differs needs references of its own.
void CheckAgainstReference(const TBitmap32& drawn, const QString& fileName)
{
    const QString rendered = QDir::temp().filePath(QStringLiteral("rigsmith-gamecar"));
    QDir().mkpath(rendered);
    ASSERT_TRUE(drawn.SaveToFile(QDir(rendered).filePath(fileName)));
    const QString reference = QDir(ReferenceFolder).filePath(fileName);
    if (qEnvironmentVariableIsSet("RIGSMITH_UPDATE_REFERENCES")) {
        QDir().mkpath(ReferenceFolder);
        ASSERT_TRUE(drawn.SaveToFile(reference));
        return;
    }
    QImage expected(reference);
    ASSERT_FALSE(expected.isNull()) << "no reference picture " << reference.toStdString();
    expected = expected.convertToFormat(QImage::Format_RGB32);
    const QImage actual = Opaque(drawn);
    ASSERT_EQ(actual.size(), expected.size()) << fileName.toStdString();
    int differing = 0;
    for (int y = 0; y < actual.height(); ++y)
        for (int x = 0; x < actual.width(); ++x)
            if (actual.pixel(x, y) != expected.pixel(x, y))
                ++differing;
    EXPECT_EQ(differing, 0) << fileName.toStdString() << " differs from its reference; drawn: "
                            << QDir(rendered).filePath(fileName).toStdString();
}

} // namespace

TEST_P(DesignPicturesTest, TopViewAndLayoutPlanMatchTheirReferences)
{
    const TDrawnDesign& design = GetParam();
    ASSERT_LT(design.carPicture, CarImages.size());
    TGameCar car;
    design.build(*car.Vehicle);
    car.Reset();
    car.SetFrame(design.carPicture);

    TBitmap32 view(120, 120);
    view.Clear(clWhite32);
    car.Draw(view, 35, 10, 255, false);
    CheckAgainstReference(view, QStringLiteral("%1-top.png").arg(QLatin1String(design.name)));

    TBitmap32 plan(365, 373);
    DrawLayout(car, plan);
    CheckAgainstReference(plan, QStringLiteral("%1-layout.png").arg(QLatin1String(design.name)));
}

std::string DesignName(const ::testing::TestParamInfo<TDrawnDesign>& info)
{
    return info.param.name;
}

INSTANTIATE_TEST_SUITE_P(Built, DesignPicturesTest, ::testing::ValuesIn(BuiltDesigns), DesignName);
INSTANTIATE_TEST_SUITE_P(Shipped, DesignPicturesTest, ::testing::ValuesIn(ShippedDesigns), DesignName);
