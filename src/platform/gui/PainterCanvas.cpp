#include "platform/gui/PainterCanvas.h"

#include "platform/Numbers.h"
#include "platform/gui/Bitmap32.h"

#include <QFont>
#include <algorithm>
#include <QFontMetrics>
#include <QPainter>
#include <QStringList>

namespace {

QStringList FamiliesFor(const QString& name)
{
    const bool fixed = name.compare(QLatin1String("Courier New"), Qt::CaseInsensitive) == 0
                       || name.compare(QLatin1String("Courier"), Qt::CaseInsensitive) == 0;
    QStringList families;
    if (!name.isEmpty())
        families << name;
    if (fixed)
        return families << QStringLiteral("Liberation Mono") << QStringLiteral("DejaVu Sans Mono");
    return families << QStringLiteral("Liberation Sans") << QStringLiteral("DejaVu Sans");
}

} // namespace

TPainterCanvas::TPainterCanvas(QPainter& painter) : FPainter(painter)
{
    FPainter.setPen(QPen(Qt::black, 0));
    FPainter.setBrush(Qt::white);
}

void TPainterCanvas::ApplyFont()
{
    QFont font;
    font.setFamilies(FamiliesFor(Font.Name));
    // A point size becomes a character height in printer pixels by the
    // font's pixels per inch, rounded as the printer would; a size too large
    // for that raises the overflow error.
    font.setPixelSize(std::max(1, CheckedAdd(CheckedMul(Font.Size, Font.PixelsPerInch), 36) / 72));
    font.setBold((Font.Style & fsBold) != 0);
    FPainter.setFont(font);
}

void TPainterCanvas::SetTextAlign(TTextAlign align)
{
    FAlign = align;
}

void TPainterCanvas::Rectangle(int x1, int y1, int x2, int y2)
{
    FPainter.fillRect(QRect(x1, y1, x2 - x1, y2 - y1), Qt::white);
    FPainter.setBrush(Qt::NoBrush);
    FPainter.drawRect(QRect(x1, y1, x2 - x1 - 1, y2 - y1 - 1));
    FPainter.setBrush(Qt::white);
}

void TPainterCanvas::FillRect(int x1, int y1, int x2, int y2)
{
    FPainter.fillRect(QRect(x1, y1, x2 - x1, y2 - y1), Qt::white);
}

void TPainterCanvas::MoveTo(int x, int y)
{
    FPenX = x;
    FPenY = y;
}

void TPainterCanvas::LineTo(int x, int y)
{
    FPainter.drawLine(FPenX, FPenY, x, y);
    FPenX = x;
    FPenY = y;
}

void TPainterCanvas::TextOut(int x, int y, const QString& text)
{
    ApplyFont();
    const QFontMetrics metrics = FPainter.fontMetrics();
    const int left = FAlign == TTextAlign::taRight ? x - metrics.horizontalAdvance(text) : x;
    FPainter.drawText(left, y + metrics.ascent(), text);
}

int TPainterCanvas::TextWidth(const QString& text)
{
    ApplyFont();
    return FPainter.fontMetrics().horizontalAdvance(text);
}

int TPainterCanvas::TextHeight(const QString&)
{
    ApplyFont();
    // One line of the font, descenders included, as TextOut sets it below y.
    return FPainter.fontMetrics().height();
}

int TPainterCanvas::TextBaseline()
{
    ApplyFont();
    return FPainter.fontMetrics().ascent();
}

TTextInk TPainterCanvas::TextInk(const QString& text)
{
    ApplyFont();
    const QFontMetrics metrics = FPainter.fontMetrics();
    const QRect ink = metrics.tightBoundingRect(text);
    if (text.isEmpty() || ink.isEmpty())
        return {};
    // The rectangle lies round the baseline, which TextOut sets at the ascent.
    return {metrics.ascent() + ink.top(), metrics.ascent() + ink.bottom() + 1};
}

void TPainterCanvas::Draw(int x, int y, const TBitmap32& bitmap)
{
    FPainter.drawImage(x, y, bitmap.Image());
}
