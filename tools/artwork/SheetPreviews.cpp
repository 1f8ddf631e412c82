// The print form's pictures of the two sheets: each sheet's boxes in
// outline, at the size the form shows them.

#include "Artwork.h"
#include "Canvas.h"

using namespace Art;

namespace {

constexpr int PreviewWidth = 257;
constexpr int PreviewHeight = 364;

struct TSheetBox {
    int X, Y, W, H;
    int Rows = 0; // ruled rows of 100 layout units below a title row
};

int PX(int x)
{
    return x * PreviewWidth / 4761;
}

int PY(int y)
{
    return y * PreviewHeight / 6780;
}

QImage Sheet(std::initializer_list<TSheetBox> boxes)
{
    QImage page = NewCanvas(PreviewWidth, PreviewHeight);
    FrameRect(page, 0, 0, PreviewWidth, PreviewHeight, Steel);
    // The logo at the top left, then the armor frame around the layout plan
    // and the counter strip, common to both sheets.
    FillRect(page, PX(40), PY(60), PX(1760), PY(360), Steel);
    FrameRect(page, PX(1), PY(540), PX(1857), PY(2177), Ink);
    for (int i = 0; i < 7; ++i)
        FrameRect(page, PX(151 + 625 * i), PY(6450), PX(625), PY(300), Ink);
    for (const TSheetBox& box : boxes) {
        FrameRect(page, PX(box.X), PY(box.Y), PX(box.W), PY(box.H), Ink);
        for (int r = 1; r <= box.Rows; ++r)
            Line(page, PX(box.X), PY(box.Y + 100 * r), PX(box.X + box.W) - 1, PY(box.Y + 100 * r), Steel);
    }
    return page;
}

} // namespace

void DrawSheetPreviews(const QString& graphics)
{
    Save(Sheet({{1900, 7, 2855, 514},   {1900, 540, 2855, 200},  {1900, 750, 1422, 459},
                {3333, 750, 1422, 459}, {1900, 1219, 1422, 730}, {1900, 1979, 1422, 719},
                {3333, 1219, 1422, 420}, {3333, 1657, 1422, 1041}, {1, 3510, 1857, 320},
                {1900, 2760, 2855, 1070}, {1, 3900, 4755, 1120, 10}, {1, 5093, 4755, 500, 4},
                {1, 5636, 4755, 200, 1}, {1, 5879, 4755, 200, 1}, {0, 6122, 905, 200, 1},
                {1132, 6122, 905, 200, 1}, {1, 2760, 1857, 680}}),
         graphics + "/Preview/RecordSheet.png");
    Save(Sheet({{1900, 7, 2855, 514},   {1900, 540, 2855, 200},  {1900, 750, 1422, 459},
                {3333, 750, 1422, 459}, {1900, 1219, 1422, 730}, {3333, 1219, 1422, 730},
                {1900, 1979, 2855, 719}, {1, 2760, 1857, 1100, 10}, {1900, 2760, 2855, 3100, 30},
                {1, 3880, 905, 200, 1},  {953, 3880, 905, 200, 1}, {1, 4100, 1857, 1760}}),
         graphics + "/Preview/DuelSheet.png");
}
