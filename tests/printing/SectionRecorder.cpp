#include "SectionRecorder.h"

#include "platform/gui/Bitmap32.h"

void TSectionRecorder::Clear()
{
    Texts.clear();
    Shapes.clear();
    Fonts.clear();
}

void TSectionRecorder::Rectangle(int x1, int y1, int x2, int y2)
{
    Shapes << QStringLiteral("Rectangle %1,%2,%3,%4").arg(x1).arg(y1).arg(x2).arg(y2);
}

void TSectionRecorder::MoveTo(int x, int y)
{
    Shapes << QStringLiteral("MoveTo %1,%2").arg(x).arg(y);
}

void TSectionRecorder::LineTo(int x, int y)
{
    Shapes << QStringLiteral("LineTo %1,%2").arg(x).arg(y);
}

void TSectionRecorder::TextOut(int x, int y, const QString& text)
{
    const QString style = QLatin1String((Font.Style & fsBold) ? "b" : "")
        + QLatin1String(FAlign == TTextAlign::taRight ? "R" : "");
    Texts << QStringLiteral("%1,%2 %3%4 %5").arg(x).arg(y).arg(Font.Size).arg(style, text);
    Fonts << QStringLiteral("%1 %2").arg(Font.Name).arg(Font.Size);
}

int TSectionRecorder::TextWidth(const QString& text)
{
    return int(text.size()) * 3 * Font.Size;
}

void TSectionRecorder::Draw(int x, int y, const TBitmap32& bitmap)
{
    Shapes << QStringLiteral("Draw %1,%2 %3x%4").arg(x).arg(y).arg(bitmap.Width()).arg(bitmap.Height());
}
