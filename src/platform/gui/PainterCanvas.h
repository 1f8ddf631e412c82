#pragma once

#include "platform/gui/PrinterCanvas.h"

class QPainter;

// The printer canvas over a QPainter on any paint device (a printer, a PDF
// writer). Font families are asked for by name; where the system lacks one,
// a sans or fixed face of the same kind stands in.
class TPainterCanvas : public TPageCanvas
{
public:
    explicit TPainterCanvas(QPainter& painter);

    void SetTextAlign(TTextAlign align) override;
    void Rectangle(int x1, int y1, int x2, int y2) override;
    void FillRect(int x1, int y1, int x2, int y2) override;
    void MoveTo(int x, int y) override;
    void LineTo(int x, int y) override;
    void TextOut(int x, int y, const QString& text) override;
    int TextWidth(const QString& text) override;
    int TextHeight(const QString& text) override;
    int TextBaseline() override;
    TTextInk TextInk(const QString& text) override;
    void Draw(int x, int y, const TBitmap32& bitmap) override;

private:
    void ApplyFont();

    QPainter& FPainter;
    TTextAlign FAlign = TTextAlign::taLeft;
    int FPenX = 0;
    int FPenY = 0;
};
