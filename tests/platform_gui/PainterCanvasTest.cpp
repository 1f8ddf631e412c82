#include "platform/gui/PainterCanvas.h"

#include <QFontInfo>
#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

namespace {

// The family the painter really uses after the canvas wrote with Font.
QFontInfo UsedFont(const QString& name)
{
    QImage page(200, 100, QImage::Format_ARGB32);
    QPainter painter(&page);
    TPainterCanvas canvas(painter);
    canvas.Font.Name = name;
    canvas.Font.Size = 10;
    canvas.Font.PixelsPerInch = 600;
    canvas.TextWidth(QStringLiteral("Gadfly"));
    return QFontInfo(painter.font());
}

TEST(PainterCanvasTest, MissingFamiliesAreSubstitutedBySansOrFixedFaces)
{
    const QStringList sans{QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")};
    const QStringList fixed{QStringLiteral("Liberation Mono"), QStringLiteral("DejaVu Sans Mono")};
    EXPECT_TRUE(sans.contains(UsedFont(QStringLiteral("StopD")).family()));
    EXPECT_TRUE(sans.contains(UsedFont(QStringLiteral("MS Sans Serif")).family()));
    EXPECT_TRUE(fixed.contains(UsedFont(QStringLiteral("Courier New")).family()));
    EXPECT_TRUE(fixed.contains(UsedFont(QStringLiteral("Courier")).family()));
}

TEST(PainterCanvasTest, APointSizeBecomesAPixelHeightByThePixelsPerInch)
{
    // 10 points at 600 pixels per inch: 83 pixels.
    EXPECT_EQ(UsedFont(QStringLiteral("StopD")).pixelSize(), 83);
}

TEST(PainterCanvasTest, RightAlignedTextEndsAtItsX)
{
    QImage page(300, 100, QImage::Format_ARGB32);
    page.fill(Qt::white);
    {
        QPainter painter(&page);
        TPainterCanvas canvas(painter);
        canvas.Font.Size = 20;
        canvas.Font.PixelsPerInch = 96;
        canvas.SetTextAlign(TTextAlign::taRight);
        canvas.TextOut(150, 10, QStringLiteral("1275"));
    }
    int rightmost = -1;
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x)
            if (qGray(page.pixel(x, y)) < 128)
                rightmost = std::max(rightmost, x);
    EXPECT_GT(rightmost, 100);
    EXPECT_LE(rightmost, 150);
}

TEST(PainterCanvasTest, TextLiesWithinItsWidthAndHeightFromItsTopLeft)
{
    QImage page(400, 200, QImage::Format_ARGB32);
    page.fill(Qt::white);
    const QString text = QStringLiteral("Jgy|Q");
    int width = 0;
    int height = 0;
    {
        QPainter painter(&page);
        TPainterCanvas canvas(painter);
        canvas.Font.Size = 30;
        canvas.Font.PixelsPerInch = 96;
        canvas.TextOut(50, 40, text);
        width = canvas.TextWidth(text);
        height = canvas.TextHeight(text);
    }
    int top = page.height();
    int bottom = -1;
    int right = -1;
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x)
            if (qGray(page.pixel(x, y)) < 128) {
                top = std::min(top, y);
                bottom = std::max(bottom, y);
                right = std::max(right, x);
            }
    EXPECT_GE(top, 40);
    EXPECT_LT(bottom, 40 + height);
    EXPECT_LT(right, 50 + width + 2);
    EXPECT_GT(bottom, 40 + height / 2);
}

} // namespace

namespace {

TEST(PainterCanvasTest, TheInkOfATextIsTheRowsItsLettersDraw)
{
    for (const QString& text : {QStringLiteral("Jgy|Q"), QStringLiteral("(SWC)"), QStringLiteral("ooo")}) {
        SCOPED_TRACE(text.toStdString());
        QImage page(400, 200, QImage::Format_ARGB32);
        page.fill(Qt::white);
        TTextInk ink;
        {
            QPainter painter(&page);
            TPainterCanvas canvas(painter);
            canvas.Font.Size = 30;
            canvas.Font.PixelsPerInch = 96;
            canvas.TextOut(50, 40, text);
            ink = canvas.TextInk(text);
        }
        int top = page.height();
        int bottom = -1;
        for (int y = 0; y < page.height(); ++y)
            for (int x = 0; x < page.width(); ++x)
                if (qGray(page.pixel(x, y)) < 250) {
                    top = std::min(top, y);
                    bottom = std::max(bottom, y);
                }
        // The letters' edges may be shaded a pixel beyond their outline.
        EXPECT_NEAR(40 + ink.Top, top, 1);
        EXPECT_NEAR(40 + ink.Bottom - 1, bottom, 1);
    }
    QImage page(10, 10, QImage::Format_ARGB32);
    QPainter painter(&page);
    TPainterCanvas canvas(painter);
    EXPECT_EQ(canvas.TextInk(QString()).Height(), 0);
}

} // namespace
