#include "platform/Errors.h"
#include "platform/gui/Bitmap32.h"

#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

constexpr TColor32 Red = 0xFFC03020u;
constexpr TColor32 Blue = 0xFF2040C0u;

// A picture from rows of characters: '.' white, 'r' red, 'b' blue, 'k' black.
TBitmap32 FromRows(const std::vector<std::string>& rows)
{
    TBitmap32 bitmap(int(rows[0].size()), int(rows.size()));
    for (int y = 0; y < bitmap.Height(); ++y)
        for (int x = 0; x < bitmap.Width(); ++x) {
            const char c = rows[y][x];
            bitmap.SetPixel(x, y, c == 'r' ? Red : c == 'b' ? Blue : c == 'k' ? clBlack32 : clWhite32);
        }
    return bitmap;
}

std::vector<std::string> ToRows(const TBitmap32& bitmap)
{
    std::vector<std::string> rows;
    for (int y = 0; y < bitmap.Height(); ++y) {
        std::string row;
        for (int x = 0; x < bitmap.Width(); ++x) {
            const TColor32 p = bitmap.Pixel(x, y);
            row += p == Red ? 'r' : p == Blue ? 'b' : p == clBlack32 ? 'k' : p == clWhite32 ? '.' : '?';
        }
        rows.push_back(row);
    }
    return rows;
}

} // namespace

TEST(Bitmap32, SetSizeGivesTransparentBlackAndClearFills)
{
    TBitmap32 bitmap(3, 2);
    EXPECT_EQ(bitmap.Pixel(2, 1), 0u);
    bitmap.Clear(clWhite32);
    EXPECT_EQ(bitmap.Pixel(0, 0), clWhite32);
    bitmap.SetSize(0, 5);
    EXPECT_TRUE(bitmap.Empty());
}

TEST(Bitmap32, ClippedPixelWritesOutsideChangeNothing)
{
    TBitmap32 bitmap(2, 2);
    bitmap.Clear(clWhite32);
    bitmap.SetPixelS(-1, 0, clBlack32);
    bitmap.SetPixelS(2, 1, clBlack32);
    bitmap.SetPixelS(1, 1, clBlack32);
    EXPECT_EQ(ToRows(bitmap), (std::vector<std::string>{"..", ".k"}));
}

TEST(Bitmap32, LoadingMakesEveryFilePixelOpaque)
{
    QTemporaryDir dir;
    QImage file(3, 1, QImage::Format_ARGB32);
    file.setPixel(0, 0, 0x00FFFFFFu); // transparent in the file
    file.setPixel(1, 0, 0x80102030u);
    file.setPixel(2, 0, 0xFFFEFFFFu);
    const QString name = dir.filePath("p.png");
    ASSERT_TRUE(file.save(name));

    TBitmap32 bitmap;
    bitmap.LoadFromFile(name);
    ASSERT_EQ(bitmap.Width(), 3);
    EXPECT_EQ(bitmap.Pixel(0, 0), 0xFFFFFFFFu);
    EXPECT_EQ(bitmap.Pixel(1, 0), 0xFF102030u);
    EXPECT_EQ(bitmap.Pixel(2, 0), 0xFFFEFFFFu);
}

TEST(Bitmap32, LoadingAMissingFileNamesIt)
{
    TBitmap32 bitmap;
    try {
        bitmap.LoadFromFile("no/such/Picture.png");
        FAIL() << "no error";
    } catch (const EError& e) {
        EXPECT_TRUE(e.Message().contains("no/such/Picture.png")) << e.Message().toStdString();
    }
}

TEST(Bitmap32, OpaqueDrawingCopiesAndClipsAtTheTargetsEdges)
{
    TBitmap32 target = FromRows({"...", "...", "..."});
    const TBitmap32 src = FromRows({"rb", "bk"});
    src.DrawTo(target, 2, -1);
    EXPECT_EQ(ToRows(target), (std::vector<std::string>{"..b", "...", "..."}));
    src.DrawTo(target, 0, 1, QRect(1, 0, 1, 2));
    EXPECT_EQ(ToRows(target), (std::vector<std::string>{"..b", "b..", "k.."}));
}

TEST(Bitmap32, BlendingKeepsTheTargetWhereTheSourceIsTransparent)
{
    TBitmap32 target = FromRows({"bbb"});
    TBitmap32 src = FromRows({"r.r"});
    src.SetAlphaFromIntensity(FromRows({".k."}));
    src.DrawMode = TDrawMode::dmBlend;
    src.DrawTo(target, 0, 0);
    EXPECT_EQ(ToRows(target), (std::vector<std::string>{"rbr"}));
}

TEST(Bitmap32, MasterAlphaScalesTheOpacity)
{
    TBitmap32 src(1, 1);
    src.SetPixel(0, 0, 0xFFFF0000u);
    src.DrawMode = TDrawMode::dmBlend;
    TBitmap32 target(1, 1);

    for (const auto& [alpha, expected] : std::vector<std::pair<int, TColor32>>{
             {0, 0xFF0000FFu}, {255, 0xFFFF0000u}, {128, 0xFF80007Fu}}) {
        target.Clear(0xFF0000FFu);
        src.MasterAlpha = std::uint8_t(alpha);
        src.DrawTo(target, 0, 0);
        EXPECT_EQ(target.Pixel(0, 0), expected) << alpha;
    }
}

TEST(Bitmap32, IntensityToAlphaTakesWhiteAsOpaqueAndBlackAsClear)
{
    EXPECT_EQ(Intensity(clWhite32), 255);
    EXPECT_EQ(Intensity(clBlack32), 0);
    TBitmap32 picture = FromRows({"rb"});
    picture.SetAlphaFromIntensity(FromRows({".k"}));
    EXPECT_EQ(picture.Pixel(0, 0), Red);
    EXPECT_EQ(picture.Pixel(1, 0), Blue & 0x00FFFFFFu);
}

TEST(Bitmap32, QuarterTurnsCounterClockwiseMovePixelsExactly)
{
    // A nose at the top of a 4 x 4 square points left after +90 degrees.
    const TBitmap32 src = FromRows({".r..", ".b..", ".b..", ".b.."});
    TBitmap32 dst(4, 4);
    dst.Clear(clWhite32);
    src.DrawRotatedTo(dst, 90);
    EXPECT_EQ(ToRows(dst), (std::vector<std::string>{"....", "....", "rbbb", "...."}));
    dst.Clear(clWhite32);
    src.DrawRotatedTo(dst, -90);
    EXPECT_EQ(ToRows(dst), (std::vector<std::string>{"....", "bbbr", "....", "...."}));
    dst.Clear(clWhite32);
    src.DrawRotatedTo(dst, 180);
    EXPECT_EQ(ToRows(dst), (std::vector<std::string>{"..b.", "..b.", "..b.", "..r."}));
    dst.Clear(clWhite32);
    src.DrawRotatedTo(dst, 0);
    EXPECT_EQ(ToRows(dst), ToRows(src));
}

TEST(Bitmap32, TurningLeavesTheTargetWhereNoSourcePixelLands)
{
    const TBitmap32 src = FromRows({"rrrr", "rrrr", "rrrr", "rrrr"});
    TBitmap32 dst(4, 4);
    dst.Clear(Blue);
    src.DrawRotatedTo(dst, 45);
    EXPECT_EQ(dst.Pixel(0, 0), Blue);
    EXPECT_EQ(dst.Pixel(1, 1), Red);
}

TEST(Bitmap32, Rotate90IsClockwiseAndRotate270Undoes)
{
    TBitmap32 bitmap = FromRows({"rb.", "..k"});
    bitmap.Rotate90();
    EXPECT_EQ(ToRows(bitmap), (std::vector<std::string>{".r", ".b", "k."}));
    bitmap.Rotate270();
    EXPECT_EQ(ToRows(bitmap), (std::vector<std::string>{"rb.", "..k"}));
}

TEST(Bitmap32, LinesIncludeBothEnds)
{
    TBitmap32 bitmap = FromRows({"....", "....", "...."});
    bitmap.Line(0, 0, 3, 2, clBlack32);
    EXPECT_EQ(ToRows(bitmap), (std::vector<std::string>{"k...", ".kk.", "...k"}));
    bitmap.Line(-2, 0, -1, 5, Red); // wholly outside: nothing
    EXPECT_EQ(bitmap.Pixel(0, 0), clBlack32);
}

TEST(Bitmap32, TextPaintsInsideThePicture)
{
    TBitmap32 bitmap(40, 20);
    bitmap.Clear(clWhite32);
    bitmap.TextOut(2, 2, "CA:");
    bool painted = false;
    for (int y = 0; y < bitmap.Height(); ++y)
        for (int x = 0; x < bitmap.Width(); ++x)
            painted = painted || bitmap.Pixel(x, y) != clWhite32;
    EXPECT_TRUE(painted);
    EXPECT_GT(bitmap.TextWidth("CA:"), 0);
}

TEST(Bitmap32, SavedPicturesHaveNoAlphaChannel)
{
    QTemporaryDir dir;
    TBitmap32 bitmap = FromRows({"r."});
    ASSERT_TRUE(bitmap.SaveToFile(dir.filePath("s.png")));
    EXPECT_FALSE(QImage(dir.filePath("s.png")).hasAlphaChannel());
}
