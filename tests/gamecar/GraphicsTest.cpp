#include "gamecar/Graphics.h"

#include "common/RecordingErrorSink.h"
#include "model/Global.h"
#include "model/RulesReaders.h"
#include "platform/Errors.h"
#include "platform/Random.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QTemporaryDir>
#include <cmath>
#include <gtest/gtest.h>
#include <numbers>

namespace {

constexpr TColor32 Red = 0xFFC03020u;

// Runs the test in a folder and comes back to the folder it started in.
class TWorkingFolder
{
public:
    explicit TWorkingFolder(const QString& folder) : FPrevious(QDir::currentPath()) { QDir::setCurrent(folder); }
    ~TWorkingFolder() { QDir::setCurrent(FPrevious); }

private:
    QString FPrevious;
};

TBitmap32 Filled(int width, int height, TColor32 color)
{
    TBitmap32 bitmap(width, height);
    bitmap.Clear(color);
    return bitmap;
}

void SavePixels(const QString& path, const std::vector<QRgb>& pixels, int width)
{
    QImage image(width, int(pixels.size()) / width, QImage::Format_RGB32);
    for (int i = 0; i < int(pixels.size()); ++i)
        image.setPixel(i % width, i / width, pixels[i]);
    QDir().mkpath(QFileInfo(path).absolutePath());
    ASSERT_TRUE(image.save(path));
}

} // namespace

TEST(Graphics, PureWhiteBecomesTransparentAndTheMaskIsWhiteWhereThePictureShows)
{
    QTemporaryDir dir;
    const QString file = dir.filePath("p.png");
    SavePixels(file, {0xFFFFFFFFu, 0xFFFEFFFFu, 0xFF000000u, 0xFFC03020u}, 4);

    TBitmap32 image;
    TBitmap32 mask;
    LoadImage(image, mask, file);
    EXPECT_EQ(image.DrawMode, TDrawMode::dmBlend);
    EXPECT_EQ(image.MasterAlpha, 255);
    EXPECT_EQ(image.Pixel(0, 0) >> 24, 0u);   // (255, 255, 255): transparent
    EXPECT_EQ(image.Pixel(1, 0), 0xFFFEFFFFu); // (254, 255, 255): opaque
    EXPECT_EQ(image.Pixel(2, 0), 0xFF000000u);
    EXPECT_EQ(image.Pixel(3, 0), 0xFFC03020u);
    const TColor32 expectedMask[] = {clBlack32, clWhite32, clWhite32, clWhite32};
    for (int x = 0; x < 4; ++x)
        EXPECT_EQ(mask.Pixel(x, 0), expectedMask[x]) << x;
}

TEST(Graphics, DrawingThroughAMaskKeepsTheTargetWhereTheSourceWasWhite)
{
    TBitmap32 src = Filled(3, 1, Red);
    src.SetPixel(1, 0, clWhite32);
    TBitmap32 mask;
    MakeMask(src, mask);
    TBitmap32 target = Filled(5, 1, 0xFF2040C0u);

    DrawImage(target, src, &mask, 1, 0, 255);
    const TColor32 expected[] = {0xFF2040C0u, Red, 0xFF2040C0u, Red, 0xFF2040C0u};
    for (int x = 0; x < 5; ++x)
        EXPECT_EQ(target.Pixel(x, 0), expected[x]) << x;
}

TEST(Graphics, DrawingThroughAMaskWithOpacityZeroChangesNothing)
{
    const TBitmap32 src = Filled(2, 2, Red);
    const TBitmap32 mask = Filled(2, 2, clWhite32);
    TBitmap32 target = Filled(2, 2, 0xFF2040C0u);
    DrawImage(target, src, &mask, 0, 0, 0);
    EXPECT_EQ(target.Pixel(0, 0), 0xFF2040C0u);
    EXPECT_EQ(target.Pixel(1, 1), 0xFF2040C0u);
}

TEST(Graphics, AngleRoundingToZeroCopiesThePictureUnturned)
{
    TBitmap32 src = Filled(4, 4, clWhite32);
    src.SetPixel(1, 0, Red);
    TBitmap32 dst(4, 4);
    for (float angle : {-0.5f, 0.5f, 0.0f}) {
        RotateImage(src, dst, angle);
        EXPECT_EQ(dst.Pixel(1, 0), Red) << angle;
    }
    RotateImage(src, dst, 90.0f);
    EXPECT_EQ(dst.Pixel(0, 2), Red); // the nose turned left
}

TEST(Graphics, RotatePointTurnsCounterClockwiseOnTheScreen)
{
    int x = 0;
    int y = 0;
    RotatePoint(10, 0, std::numbers::pi / 2, x, y);
    EXPECT_EQ(x, 0);
    EXPECT_EQ(y, -10);
    RotatePoint(0, -10, std::numbers::pi / 2, x, y);
    EXPECT_EQ(x, -10);
    EXPECT_EQ(y, 0);
}

TEST(Graphics, TilesCoverTheTargetAndAreCutAtItsEdges)
{
    TBitmap32 tile = Filled(2, 2, Red);
    tile.SetPixel(0, 0, clBlack32);
    TBitmap32 target = Filled(5, 3, clWhite32);
    TileImage(target, tile);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x)
            EXPECT_EQ(target.Pixel(x, y), x % 2 == 0 && y % 2 == 0 ? clBlack32 : Red) << x << "," << y;
    TileImage(target, TBitmap32()); // an empty tile covers nothing and ends
}

TEST(Graphics, CraterOfRadiusZeroBlackensOnlyItsCentreAndOnlyOnTheSilhouette)
{
    TBitmap32 image = Filled(5, 5, Red);
    TBitmap32 mask = Filled(5, 5, clWhite32);
    DrawCrater(image, mask, 2, 2, 0);
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 5; ++x) {
            const bool centre = x == 2 && y == 2;
            EXPECT_EQ(image.Pixel(x, y), centre ? clBlack32 : Red);
            EXPECT_EQ(mask.Pixel(x, y), centre ? clBlack32 : clWhite32);
        }

    TBitmap32 outside = Filled(5, 5, clBlack32);
    image = Filled(5, 5, Red);
    DrawCrater(image, outside, 2, 2, 0);
    EXPECT_EQ(image.Pixel(2, 2), Red);
}

TEST(Graphics, CraterCutsTheMaskOnlyInsideItsRadius)
{
    TBitmap32 image = Filled(20, 20, Red);
    TBitmap32 mask = Filled(20, 20, clWhite32);
    DrawCrater(image, mask, 10, 10, 3);
    EXPECT_EQ(mask.Pixel(10, 13), clBlack32);
    EXPECT_EQ(mask.Pixel(10, 14), clWhite32); // the ring darkens the picture only
    EXPECT_EQ(image.Pixel(10, 13), clBlack32);
    EXPECT_EQ(image.Pixel(0, 0), Red);
}

TEST(Graphics, CraterRingDarkensTheTwoColumnsUpToEachRingPointAndTheThreeRowsAroundIt)
{
    TBitmap32 image = Filled(20, 20, Red);
    TBitmap32 mask = Filled(20, 20, clWhite32);
    DrawCrater(image, mask, 10, 10, 3);
    // Row 14 lies outside the hole; the ring points (9, 13) and (11, 13)
    // darken columns 8 to 11 there, one more to the left than to the right.
    for (int x = 0; x < 20; ++x) {
        EXPECT_EQ(image.Pixel(x, 14), x >= 8 && x <= 11 ? clBlack32 : Red) << x;
        EXPECT_EQ(mask.Pixel(x, 14), clWhite32) << x;
    }
}

TEST(Graphics, CraterScanTakesTheColumnJustRightOfThePicture)
{
    // The only ring points that reach the picture are (5, 1) and (5, 3), one
    // column right of it; they darken its last column.
    TBitmap32 image = Filled(5, 5, Red);
    TBitmap32 mask = Filled(5, 5, clWhite32);
    DrawCrater(image, mask, 8, 2, 3);
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 5; ++x) {
            EXPECT_EQ(image.Pixel(x, y), x == 4 ? clBlack32 : Red) << x << "," << y;
            EXPECT_EQ(mask.Pixel(x, y), clWhite32) << x << "," << y;
        }
}

TEST(Graphics, CraterDistancesBeyondTheIntegerRangeOverflow)
{
    TBitmap32 image = Filled(5, 5, Red);
    TBitmap32 mask = Filled(5, 5, clWhite32);
    EXPECT_THROW(DrawCrater(image, mask, 1 << 30, 0, 1), EOverflow);
}

TEST(Graphics, SplatterPicksPlacesAndShapesInTheGeneratorsOrder)
{
    // The shapes by number: the pixel, a plus, a cross, the 3 x 3 block.
    const std::vector<std::vector<std::pair<int, int>>> shapes = {
        {{0, 0}},
        {{-1, 0}, {0, 0}, {1, 0}, {0, -1}, {0, 1}},
        {{-1, -1}, {0, 0}, {1, 1}, {1, -1}, {-1, 1}},
        {{-1, -1}, {0, -1}, {1, -1}, {-1, 0}, {0, 0}, {1, 0}, {-1, 1}, {0, 1}, {1, 1}},
    };
    // Marks picked on the black left half are picked again.
    TBitmap32 mask = Filled(200, 200, clWhite32);
    for (int y = 0; y < 200; ++y)
        for (int x = 0; x < 100; ++x)
            mask.SetPixel(x, y, clBlack32);

    RandSeed(11);
    TBitmap32 expected = Filled(200, 200, Red);
    int pickedAgain = 0;
    for (int mark = 0; mark <= 6; ++mark) {
        int x = 0;
        int y = 0;
        for (;;) {
            x = 100 + Random(100) - 50;
            y = 100 + Random(100) - 50;
            if (mask.Pixel(x, y) != clBlack32)
                break;
            ++pickedAgain;
        }
        for (const auto& [dx, dy] : shapes[Random(4)])
            expected.SetPixel(x + dx, y + dy, clBlack32);
    }
    const int next = Random(1000);
    ASSERT_GT(pickedAgain, 0);

    RandSeed(11);
    TBitmap32 image = Filled(200, 200, Red);
    DrawSplatter(image, mask, 100, 100, 6);
    EXPECT_EQ(image.Image(), expected.Image());
    EXPECT_EQ(Random(1000), next);
}

TEST(Graphics, SplatterOnAWhollyBlackMaskEndsAndPaintsNothing)
{
    TBitmap32 image = Filled(100, 100, Red);
    TBitmap32 mask = Filled(100, 100, clBlack32);
    RandSeed(5);
    const int first = Random(1000);
    RandSeed(5);
    DrawSplatter(image, mask, 50, 50, 3);
    EXPECT_EQ(image.Image(), Filled(100, 100, Red).Image());
    EXPECT_EQ(Random(1000), first); // no number drawn

    // One place that is not black takes every mark.
    mask.SetPixel(0, 0, clWhite32);
    DrawSplatter(image, mask, 50, 50, 3);
    EXPECT_EQ(image.Pixel(0, 0), clBlack32);
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 100; ++x)
            if (x > 1 || y > 1) {
                ASSERT_EQ(image.Pixel(x, y), Red) << x << "," << y;
            }
}

TEST(Graphics, SplatterOfCountZeroPaintsOneMarkOnThePictureOnly)
{
    RandSeed(7);
    TBitmap32 image = Filled(200, 200, Red);
    const TBitmap32 mask = Filled(200, 200, clWhite32);
    DrawSplatter(image, mask, 100, 100, 0);
    int black = 0;
    for (int y = 0; y < 200; ++y)
        for (int x = 0; x < 200; ++x)
            black += image.Pixel(x, y) == clBlack32;
    EXPECT_GE(black, 1);
    EXPECT_LE(black, 9);
}

TEST(Graphics, HitOfKindOneOnMetalArmorLeavesTheSilhouette)
{
    RandSeed(3);
    TBitmap32 body = Filled(50, 100, Red);
    TBitmap32 mask = Filled(50, 100, clWhite32);
    DrawHitMark(body, mask, 157, 9, 90, 4, 182.0, 59.0, 1, true);
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 50; ++x)
            ASSERT_EQ(mask.Pixel(x, y), clWhite32);

    DrawHitMark(body, mask, 157, 9, 0, 4, 182.0, 59.0, 0, true);
    EXPECT_EQ(mask.Pixel(25, 50), clBlack32); // the centre of the body
}

TEST(Graphics, BodySizesOutsideTheNineTakeTheNearest)
{
    EXPECT_EQ(BodySizeIndex(-1), 0);
    EXPECT_EQ(BodySizeIndex(4), 4);
    EXPECT_EQ(BodySizeIndex(12), 8);
    EXPECT_EQ(BodySizeName(8), "Van");
    EXPECT_EQ(BodySizeName(0), "SubCompact");
}

TEST(Graphics, WeaponPicturesComeOnlyFromPlainFileNames)
{
    QTemporaryDir dir;
    SavePixels(dir.filePath("Graphics/Layout/Weapons/mg.png"), {0xFF808080u}, 1);
    SavePixels(dir.filePath("Graphics/Layout/secret.png"), {0xFF808080u}, 1);
    TWorkingFolder folder(dir.path());
    EXPECT_EQ(LayoutWeaponFile("MG"), "Graphics/Layout/Weapons/MG.png");
    for (const char* abbreviation : {"RL", "", "../secret", "a/b", "..", "x\\y"})
        EXPECT_EQ(LayoutWeaponFile(abbreviation), "Graphics/Layout/Weapons/UNKNOWN.png") << abbreviation;
}

class TRuntimeGraphics : public ::testing::Test
{
protected:
    void SetUp() override
    {
        const TWorkingFolder folder(RIGSMITH_RUNTIME_DIR);
        const TRecordingErrorSink sink;
        ReadAllTypes();
        ASSERT_TRUE(sink.Texts().isEmpty()) << sink.Texts().join('\n').toStdString();
    }
    void TearDown() override { FreeGraphics(); }
};

TEST_F(TRuntimeGraphics, EveryPictureOfTheRuntimeFolderLoads)
{
    const TWorkingFolder folder(RIGSMITH_RUNTIME_DIR);
    ASSERT_NO_THROW(LoadGraphics());

    ASSERT_GE(CarImages.size(), 2); // a new design shows car picture 1
    ASSERT_EQ(CarMasks.size(), CarImages.size());
    for (const TBitmap32& car : CarImages) {
        EXPECT_EQ(car.Width(), 50);
        EXPECT_EQ(car.Height(), 100);
    }
    EXPECT_NE(CarImages[0].Image(), CarImages[1].Image());

    for (const TBitmap32* icon : {&SmallBoreIcon, &LargeBoreIcon, &RocketIcon, &LaserIcon, &FlamethrowerIcon, &DropperIcon}) {
        EXPECT_EQ(icon->Width(), 45);
        EXPECT_EQ(icon->Height(), 11);
    }
    for (int size = 0; size < BodySizeCount; ++size) {
        EXPECT_FALSE(LayoutBody[size].Empty());
        EXPECT_EQ(LayoutTire[size].Width() % 16, 0);
        EXPECT_EQ(LayoutTire[size].Width() / 16, size < 2 ? 19 : 25);
        EXPECT_EQ(LayoutTire[size].Height(), size == 0 ? 33 : size == 1 ? 41 : 61);
        EXPECT_EQ(LayoutWheelGuard[size].Width() % 2, 1) << size;
        EXPECT_EQ(LayoutWheelHub[size].Width() % 2, 1) << size;
        EXPECT_FALSE(LayoutRamplate[size].Empty());
        EXPECT_FALSE(LayoutAirdam[size].Empty());
        EXPECT_FALSE(LayoutSpoiler[size].Empty());
    }
    EXPECT_EQ(LayoutCellEngines.Width(), 41 * CEngineTypes.Items.size());
    EXPECT_EQ(LayoutCellEngines.Height(), 32);
    EXPECT_EQ(LayoutGasEngines.Width(), 48 * GEngineTypes.Items.size());
    EXPECT_EQ(LayoutGasEngines.Height(), 62);
    EXPECT_EQ(LayoutEWP.Width(), 225);
    EXPECT_EQ(LayoutEWP.Height(), 38);

    ASSERT_EQ(LayoutAccessories.size(), EquipmentTypes.Items.size());
    for (int i = 0; i < LayoutAccessories.size(); ++i)
        EXPECT_EQ(LayoutAccessories[i].Empty(), i != 3 && i != 4 && i != 7) << i;

    ASSERT_EQ(LayoutWeapons.size(), WeaponTypes.Items.size());
    for (const TLayoutWeapon& weapon : LayoutWeapons) {
        EXPECT_TRUE(QFile::exists(QStringLiteral("Graphics/Layout/Weapons/%1.png").arg(weapon.Abbreviation)))
            << weapon.Abbreviation.toStdString();
        EXPECT_EQ(weapon.Image.Width(), 8 * weapon.Image.Height()) << weapon.Abbreviation.toStdString();
    }
    for (const TBitmap32& picture : LayoutCrew)
        EXPECT_FALSE(picture.Empty());
    for (const TBitmap32& picture : LayoutCrewEquipment)
        EXPECT_FALSE(picture.Empty());
}

TEST_F(TRuntimeGraphics, PicturesOutsideThePartsAreThereWithTheirSizes)
{
    const TWorkingFolder folder(RIGSMITH_RUNTIME_DIR);
    for (const char* name : {"Graphics/Map/GridMap.png", "Graphics/Map/GridCenter.png"})
        EXPECT_EQ(QImageReader(name).size(), QSize(365, 317)) << name;
    for (const char* name : {"Graphics/Map/Wall8.png", "Graphics/Map/Wall30.png"})
        EXPECT_EQ(QImageReader(name).size(), QSize(50, 25)) << name;
    for (const char* name : {"Graphics/Map/grid.png", "Graphics/Logo.png", "Graphics/Logo2.png", "Graphics/Title/Logo.png"})
        EXPECT_TRUE(QFile::exists(name)) << name;
    int frames = 0;
    for (const QString& file : QDir("Graphics/Title").entryList({"*.png"}, QDir::Files))
        frames += QFileInfo(file).completeBaseName().compare("logo", Qt::CaseInsensitive) != 0;
    EXPECT_GE(frames, 2);
}

// The title splash writes its version across the frames at 160 to 176,
// below the heading: the frames keep that band to the plain sky, one colour
// along each line, so that no car runs under the text.
TEST_F(TRuntimeGraphics, TheTitleFramesLeaveTheVersionsBandToTheSky)
{
    const TWorkingFolder folder(RIGSMITH_RUNTIME_DIR);
    int frames = 0;
    for (const QString& file : QDir("Graphics/Title").entryList({"*.png"}, QDir::Files)) {
        if (QFileInfo(file).completeBaseName().compare("logo", Qt::CaseInsensitive) == 0)
            continue;
        const QImage frame = QImage("Graphics/Title/" + file).convertToFormat(QImage::Format_RGB32);
        ASSERT_EQ(frame.size(), QSize(800, 500)) << file.toStdString();
        for (int y = 160; y < 176; ++y)
            for (int x = 0; x < frame.width(); ++x)
                ASSERT_EQ(frame.pixel(x, y), frame.pixel(0, y)) << file.toStdString() << " at " << x << ", " << y;
        ++frames;
    }
    EXPECT_GE(frames, 2);
}

// The frames write their tagline at 470 to 494 on the sky below the road's
// end: that band is the same in every frame, and plain sky beside the
// tagline, so that neither the road nor its moving stripes cross the text.
TEST_F(TRuntimeGraphics, TheTitleFramesLeaveTheTaglinesBandToTheSky)
{
    const TWorkingFolder folder(RIGSMITH_RUNTIME_DIR);
    const QRect band(0, 470, 800, 24);
    QImage first;
    for (const QString& file : QDir("Graphics/Title").entryList({"*.png"}, QDir::Files)) {
        if (QFileInfo(file).completeBaseName().compare("logo", Qt::CaseInsensitive) == 0)
            continue;
        const QImage frame = QImage("Graphics/Title/" + file).convertToFormat(QImage::Format_RGB32);
        ASSERT_EQ(frame.size(), QSize(800, 500)) << file.toStdString();
        const QImage taglineBand = frame.copy(band);
        if (first.isNull())
            first = taglineBand;
        EXPECT_EQ(taglineBand, first) << file.toStdString();
        for (int y = band.top(); y <= band.bottom(); ++y)
            for (int x : {100, 150, 200, 600, 650, 700})
                ASSERT_EQ(frame.pixel(x, y), frame.pixel(0, y)) << file.toStdString() << " at " << x << ", " << y;
    }
    EXPECT_FALSE(first.isNull());
}

TEST_F(TRuntimeGraphics, NothingDrawnOnTheTestMapIsSolidBlack)
{
    const TWorkingFolder folder(RIGSMITH_RUNTIME_DIR);
    QStringList files = QDir("Graphics/Image").entryList({"*.png"}, QDir::Files);
    for (QString& file : files)
        file.prepend("Graphics/Image/");
    for (const QString& file : QDir("Graphics/Image/Large").entryList({"*.png"}, QDir::Files))
        files.append("Graphics/Image/Large/" + file);
    files << "Graphics/Map/GridMap.png" << "Graphics/Map/GridCenter.png" << "Graphics/Map/grid.png";
    for (const QString& file : files) {
        const QImage image(file);
        ASSERT_FALSE(image.isNull()) << file.toStdString();
        EXPECT_FALSE(image.hasAlphaChannel()) << file.toStdString();
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                ASSERT_NE(image.pixel(x, y), 0xFF000000u) << file.toStdString() << " " << x << "," << y;
    }
}

TEST(Graphics, AMissingMandatoryPictureStopsTheLoadingNamingIt)
{
    QTemporaryDir dir;
    TWorkingFolder folder(dir.path());
    try {
        LoadGraphics();
        FAIL() << "no error";
    } catch (const EError& e) {
        EXPECT_TRUE(e.Message().contains("Graphics/Image/Axis.png")) << e.Message().toStdString();
    }
    FreeGraphics();
}

namespace {

void CopyFolder(const QString& from, const QString& to)
{
    QDir().mkpath(to);
    const QDir source(from);
    for (const QString& file : source.entryList(QDir::Files))
        ASSERT_TRUE(QFile::copy(source.filePath(file), to + "/" + file));
    for (const QString& folder : source.entryList(QDir::Dirs | QDir::NoDotAndDotDot))
        CopyFolder(source.filePath(folder), to + "/" + folder);
}

} // namespace

TEST_F(TRuntimeGraphics, PicturesLoadInTheirFixedOrder)
{
    QTemporaryDir dir;
    const QString runtime = QStringLiteral(RIGSMITH_RUNTIME_DIR) + "/";
    CopyFolder(runtime + "Graphics", dir.filePath("Graphics"));
    // A weapon without a picture of its own needs the UNKNOWN picture.
    ASSERT_TRUE(QFile::remove(dir.filePath("Graphics/Layout/Weapons/" + WeaponTypes.Items[0].Abbreviation + ".png")));
    const QString brokenCar = "Graphics/Image/Large/zz_broken.png";
    QFile broken(dir.filePath(brokenCar));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("not a picture");
    broken.close();

    // Each a picture of the next step, or the first and the last of a set.
    const QStringList order = {
        brokenCar,
        "Graphics/Image/Axis.png",
        "Graphics/Image/RocketPlatform.png",
        "Graphics/Layout/Body/SubCompact.png",
        "Graphics/Layout/Body/Van.png",
        "Graphics/Layout/Tire/SubCompact.png",
        "Graphics/Layout/Tire/Van.png",
        "Graphics/Layout/WheelGuard/Van.png",
        "Graphics/Layout/WheelHub/SubCompact.png",
        "Graphics/Layout/CellEngines.png",
        "Graphics/Layout/GasEngines.png",
        "Graphics/Layout/Ramplate/Van.png",
        "Graphics/Layout/Airdam/SubCompact.png",
        "Graphics/Layout/Spoiler/Van.png",
        "Graphics/Layout/Accessories/Turret.png",
        "Graphics/Layout/Weapons/UNKNOWN.png",
        "Graphics/Layout/Accessories/ZeroSpaceTurret.png",
        "Graphics/Layout/Accessories/EWP.png",
        "Graphics/Layout/Accessories/RocketPlatform.png",
        "Graphics/Layout/DP.png",
        "Graphics/Layout/N2O.png",
        "Graphics/Layout/GasTank.png",
        "Graphics/Layout/Crew/0.png",
        "Graphics/Layout/Crew/1.png",
        "Graphics/Layout/Crew/Equipment_0.png",
        "Graphics/Layout/Crew/Equipment_6.png",
    };
    for (const QString& file : order.mid(1))
        ASSERT_TRUE(QFile::remove(dir.filePath(file))) << file.toStdString();

    const TWorkingFolder folder(dir.path());
    for (const QString& file : order) {
        try {
            LoadGraphics();
            ADD_FAILURE() << "no error for " << file.toStdString();
        } catch (const EError& e) {
            EXPECT_TRUE(e.Message().contains(file)) << file.toStdString() << ": " << e.Message().toStdString();
        }
        // Mend this picture: the next one in the order stops the loading.
        QFile::remove(file);
        if (file != brokenCar) {
            ASSERT_TRUE(QFile::copy(runtime + file, file)) << file.toStdString();
        }
    }
    EXPECT_NO_THROW(LoadGraphics());
}

TEST_F(TRuntimeGraphics, AccessoriesAndWeaponsFallBackAsTheirPicturesAllow)
{
    QTemporaryDir dir;
    CopyFolder(QStringLiteral(RIGSMITH_RUNTIME_DIR) + "/Graphics", dir.filePath("Graphics"));
    const QString accessories = dir.filePath("Graphics/Layout/Accessories/");
    ASSERT_TRUE(QFile::copy(accessories + "3.png", accessories + "0.png")); // never used for the airdam
    ASSERT_TRUE(QFile::remove(accessories + "4.png"));
    QFile broken(accessories + "7.png"); // not a picture: swallowed
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly | QIODevice::Truncate));
    broken.write("not a picture");
    broken.close();
    const QString weapons = dir.filePath("Graphics/Layout/Weapons/");
    ASSERT_TRUE(QFile::remove(weapons + WeaponTypes.Items[0].Abbreviation + ".png"));

    const TWorkingFolder folder(dir.path());
    ASSERT_NO_THROW(LoadGraphics());
    EXPECT_TRUE(LayoutAccessories[0].Empty());
    EXPECT_FALSE(LayoutAccessories[3].Empty());
    EXPECT_TRUE(LayoutAccessories[4].Empty());
    EXPECT_TRUE(LayoutAccessories[7].Empty());
    TBitmap32 unknown;
    TBitmap32 scratch;
    LoadImage(unknown, scratch, weapons + "UNKNOWN.png");
    EXPECT_EQ(LayoutWeapons[0].Abbreviation, WeaponTypes.Items[0].Abbreviation);
    EXPECT_EQ(LayoutWeapons[0].Image.Image(), unknown.Image());

    ASSERT_TRUE(QFile::remove(weapons + "UNKNOWN.png"));
    EXPECT_THROW(LoadGraphics(), EError);
}
