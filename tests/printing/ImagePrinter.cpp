#include "ImagePrinter.h"

#include "printing/PrintUtils.h"

void TNotingCanvas::TextOut(int x, int y, const QString& text)
{
    Texts.append(TDrawnText{x, y, text, Font.Size, TextInk(text)});
    TPainterCanvas::TextOut(x, y, text);
}

TImagePrinter::TImagePrinter(int pageWidth, int pageHeight, int pixelsPerInch, const QRect& window)
    : Page(window.size(), QImage::Format_RGB32), Window(window), FPageWidth(pageWidth), FPageHeight(pageHeight),
      FPixelsPerInch(pixelsPerInch)
{
    Page.fill(Qt::white);
    FPainter.begin(&Page);
    FPainter.translate(-window.left(), -window.top());
    FCanvas = std::make_unique<TNotingCanvas>(FPainter);
    SetPrinter(this);
}

TImagePrinter::~TImagePrinter()
{
    SetPrinter(nullptr);
    FCanvas.reset();
    FPainter.end();
}

bool TImagePrinter::BeginDoc()
{
    return true;
}

void TImagePrinter::EndDoc() {}

void TImagePrinter::Abort() {}

bool TImagePrinter::Inked(int x, int y) const
{
    const QPoint p(x - Window.left(), y - Window.top());
    return Page.rect().contains(p) && qGray(Page.pixel(p)) < 128;
}
