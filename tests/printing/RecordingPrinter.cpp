#include "RecordingPrinter.h"

#include "platform/Numbers.h"
#include "platform/gui/Bitmap32.h"
#include "printing/PrintUtils.h"

void TRecordingCanvas::Rectangle(int x1, int y1, int x2, int y2)
{
    Log << QStringLiteral("Rect %1,%2,%3,%4").arg(x1).arg(y1).arg(x2).arg(y2);
}

void TRecordingCanvas::FillRect(int x1, int y1, int x2, int y2)
{
    Log << QStringLiteral("Fill %1,%2,%3,%4").arg(x1).arg(y1).arg(x2).arg(y2);
}

void TRecordingCanvas::MoveTo(int x, int y)
{
    Log << QStringLiteral("MoveTo %1,%2").arg(x).arg(y);
}

void TRecordingCanvas::LineTo(int x, int y)
{
    Log << QStringLiteral("LineTo %1,%2").arg(x).arg(y);
}

void TRecordingCanvas::TextOut(int x, int y, const QString& text)
{
    const QString style = QString((Font.Style & fsBold) ? QStringLiteral("b") : QString())
                          + (FAlign == TTextAlign::taRight ? QStringLiteral("R") : QString());
    Log << QStringLiteral("Text %1,%2 %3%4 %5").arg(x).arg(y).arg(Font.Size).arg(style, text);
    const int width = TextWidth(text);
    const int left = FAlign == TTextAlign::taRight ? x - width : x;
    const TTextInk ink = TextInk(text);
    Texts.append(TRecordedText{x, y, text, Font, FAlign, QRect(left, y, width, TextHeight(text)),
                               QRect(left, y + ink.Top, width, ink.Height())});
}

// A font's size times its pixels per inch; too large a font raises the
// overflow error, as the program's canvas does.
namespace {

int EmTimes72(const TCanvasFont& font)
{
    return CheckedMul(font.Size, font.PixelsPerInch);
}

} // namespace

int TRecordingCanvas::TextWidth(const QString& text)
{
    return CheckedMul(int(text.length()), EmTimes72(Font)) / 144;
}

int TRecordingCanvas::TextHeight(const QString&)
{
    return EmTimes72(Font) / 72;
}

int TRecordingCanvas::TextBaseline()
{
    return CheckedMul(EmTimes72(Font), 4) / (72 * 5);
}

TTextInk TRecordingCanvas::TextInk(const QString& text)
{
    if (text.isEmpty())
        return {};
    const int height = TextHeight(text);
    return {height / 5, height};
}

void TRecordingCanvas::Draw(int x, int y, const TBitmap32& bitmap)
{
    if (KeepPictures)
        Pictures.append(TRecordedPicture{x, y, bitmap, Log.size()});
    Log << QStringLiteral("Draw %1,%2 %3x%4").arg(x).arg(y).arg(bitmap.Width()).arg(bitmap.Height());
    DrawnCorners.append(bitmap.Pixel(0, 0));
}

TRecordingPrinter::TRecordingPrinter(int pageWidth, int pageHeight, int pixelsPerInch)
    : FPageWidth(pageWidth), FPageHeight(pageHeight), FPixelsPerInch(pixelsPerInch)
{
    SetPrinter(this);
}

TRecordingPrinter::~TRecordingPrinter()
{
    SetPrinter(nullptr);
}

bool TRecordingPrinter::BeginDoc()
{
    Jobs << QStringLiteral("BeginDoc ") + Title;
    return true;
}

void TRecordingPrinter::EndDoc()
{
    Jobs << QStringLiteral("EndDoc");
}

void TRecordingPrinter::Abort()
{
    Jobs << QStringLiteral("Abort");
}

QStringList Matching(const QStringList& log, const QString& prefix)
{
    QStringList lines;
    for (const QString& line : log)
        if (line.startsWith(prefix))
            lines << line;
    return lines;
}

void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}
