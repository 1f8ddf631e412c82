#pragma once

#include "platform/gui/PrinterCanvas.h"

#include <QString>
#include <QStringList>

// A printer whose page is exactly the layout space (4761 x 6780 pixels at
// 600 dpi), so positions on the canvas are layout units. The canvas keeps
// every call as one line of text:
//   texts   "x,y sizeStyle text", style "b" for bold, "R" when right-aligned,
//           e.g. "1975,1339 10 Size:" or "3175,1339 10R Subcompact"
//   shapes  "Rectangle x1,y1,x2,y2", "MoveTo x,y", "LineTo x,y", "Draw x,y wxh"
// A text's measured width is 3 pixels per character and point of size.
class TSectionRecorder : public TPrinter, private TPageCanvas
{
public:
    QStringList Texts;
    QStringList Shapes;
    QStringList Fonts; // "Name size" of every text, in order

    void Clear();

    bool BeginDoc() override { return true; }
    void EndDoc() override {}
    int PageWidth() const override { return 4761; }
    int PageHeight() const override { return 6780; }
    int PixelsPerInchY() const override { return 600; }
    TPageCanvas& Canvas() override { return *this; }

private:
    void SetTextAlign(TTextAlign align) override { FAlign = align; }
    void Rectangle(int x1, int y1, int x2, int y2) override;
    void MoveTo(int x, int y) override;
    void LineTo(int x, int y) override;
    void TextOut(int x, int y, const QString& text) override;
    int TextWidth(const QString& text) override;
    void Draw(int x, int y, const TBitmap32& bitmap) override;

    TTextAlign FAlign = TTextAlign::taLeft;
};

#include <ostream>

// Readable texts in the failure messages.
inline void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}
