#include "SheetFixture.h"

#include <QPoint>
#include <QRect>
#include <QVector>
#include <gtest/gtest-spi.h>

namespace {

// One text of a printed sheet with the boxes drawn before it.
struct TPlacedText
{
    TRecordedText Text;
    qsizetype BoxesBefore = 0;
};

// A printed sheet as the recording printer saw it: the boxes, whether filled
// rectangles or outlines of four lines, in drawing order, and the texts.
struct TSheetPlaces
{
    QVector<QRect> Boxes;
    QVector<TPlacedText> Texts;
};

QPoint PointOf(const QString& line)
{
    const QStringList xy = line.section(QLatin1Char(' '), 1, 1).split(QLatin1Char(','));
    return {xy[0].toInt(), xy[1].toInt()};
}

TSheetPlaces Read(const QStringList& log, const QVector<TRecordedText>& texts)
{
    TSheetPlaces sheet;
    qsizetype nextText = 0;
    for (qsizetype i = 0; i < log.size(); ++i) {
        const QString& line = log[i];
        if (line.startsWith(QLatin1String("Text "))) {
            sheet.Texts.append({texts[nextText++], sheet.Boxes.size()});
        } else if (line.startsWith(QLatin1String("Rect "))) {
            const QStringList c = line.mid(5).split(QLatin1Char(','));
            // The right and bottom edges are exclusive.
            sheet.Boxes.append(QRect(QPoint(c[0].toInt(), c[1].toInt()), QPoint(c[2].toInt() - 1, c[3].toInt() - 1)));
        } else if (line.startsWith(QLatin1String("MoveTo ")) && i + 4 < log.size()) {
            // An outline: four lines round a rectangle back to the start.
            QVector<QPoint> corners{PointOf(line)};
            for (qsizetype k = 1; k <= 4 && log[i + k].startsWith(QLatin1String("LineTo ")); ++k)
                corners << PointOf(log[i + k]);
            if (corners.size() == 5 && corners[4] == corners[0] && corners[1].y() == corners[0].y()
                && corners[2].x() == corners[1].x() && corners[3].y() == corners[2].y()
                && corners[3].x() == corners[0].x())
                sheet.Boxes.append(QRect(corners[0], corners[2]).normalized());
        }
    }
    return sheet;
}

QString Describe(const QRect& r)
{
    return QStringLiteral("(%1,%2)-(%3,%4)").arg(r.left()).arg(r.top()).arg(r.right()).arg(r.bottom());
}

// Every text lies wholly inside the box it stands in (the last one drawn
// before it round its centre), a text outside every box touches none, and no
// two texts share a pixel.
void ExpectEveryTextInItsBoxAndClearOfTheOthers(const TSheetPlaces& sheet)
{
    const QRect page(0, 0, 4761, 6780);
    QVector<const TPlacedText*> drawn;
    for (const TPlacedText& placed : sheet.Texts) {
        // An empty text puts nothing on the page.
        if (placed.Text.Text.isEmpty())
            continue;
        drawn << &placed;
        const QRect place = placed.Text.Place;
        const std::string what = (placed.Text.Text + QLatin1Char(' ') + Describe(place)).toStdString();
        EXPECT_TRUE(page.contains(place)) << what;
        const QRect* box = nullptr;
        for (qsizetype b = placed.BoxesBefore - 1; b >= 0 && !box; --b) {
            if (sheet.Boxes[b].contains(place.center()))
                box = &sheet.Boxes[b];
        }
        if (box) {
            EXPECT_TRUE(box->contains(place)) << what << " outside its box " << Describe(*box).toStdString();
        } else {
            for (const QRect& other : sheet.Boxes)
                EXPECT_FALSE(other.intersects(place)) << what << " on the box " << Describe(other).toStdString();
        }
    }
    for (qsizetype i = 0; i < drawn.size(); ++i) {
        for (qsizetype j = i + 1; j < drawn.size(); ++j) {
            EXPECT_FALSE(drawn[i]->Text.Place.intersects(drawn[j]->Text.Place))
                << drawn[i]->Text.Text.toStdString() << " " << Describe(drawn[i]->Text.Place).toStdString()
                << " over " << drawn[j]->Text.Text.toStdString() << " " << Describe(drawn[j]->Text.Place).toStdString();
        }
    }
}

class SheetTextPlacesTest : public SheetTest
{
protected:
    void ExpectBothSheetsInTheirBoxes()
    {
        for (const int kind : {0, 1}) {
            SCOPED_TRACE(kind == 0 ? "record sheet" : "duel sheet");
            Clear();
            Form->PrintSheet(kind, nullptr);
            const TSheetPlaces sheet = Read(Log(), Page->Recorder.Texts);
            ASSERT_GT(sheet.Texts.size(), 100);
            ExpectEveryTextInItsBoxAndClearOfTheOthers(sheet);
        }
    }
};

TEST_F(SheetTextPlacesTest, EveryTextOfASampleDesignsSheetsLiesInsideItsBoxAndOverNoOther)
{
    for (const char* design : {"Brickhouse.vx", "Gadfly.vx", "Lightbringer.vx", "Thunderwagon.vx", "VezeRidiv.vx"}) {
        SCOPED_TRACE(design);
        Open(design);
        ExpectBothSheetsInTheirBoxes();
    }
}

TEST_F(SheetTextPlacesTest, EveryNoteOnBothSheetsLiesInsideTheNotesBoxAndOverNoOtherText)
{
    Open("Thunderwagon.vx");
    AddEveryNote();
    ExpectBothSheetsInTheirBoxes();
}

// The check itself: a text that runs out of its box, or over another, is
// found.
TEST(SheetTextPlacesCheckTest, FindsATextOutOfItsBoxAndTwoTextsOverEachOther)
{
    TRecordedText inside;
    inside.Text = QStringLiteral("Spoiler");
    inside.Place = QRect(76, 3350, 300, 50);
    TRecordedText onTheEdge = inside;
    onTheEdge.Place.moveTop(3395);
    const QStringList log{"Rect 1,2760,1858,3440", "Text 76,3350 8 Spoiler", "Text 76,3395 8 Spoiler"};
    ::testing::TestPartResultArray failures;
    {
        ::testing::ScopedFakeTestPartResultReporter reporter(
            ::testing::ScopedFakeTestPartResultReporter::INTERCEPT_ONLY_CURRENT_THREAD, &failures);
        ExpectEveryTextInItsBoxAndClearOfTheOthers(Read(log, {inside, onTheEdge}));
    }
    // The second lies across the box's bottom edge and over the first.
    ASSERT_EQ(failures.size(), 2);
    EXPECT_TRUE(QString::fromStdString(failures.GetTestPartResult(0).message()).contains(QLatin1String("outside its box")));
    EXPECT_TRUE(QString::fromStdString(failures.GetTestPartResult(1).message()).contains(QLatin1String(" over ")));
}

} // namespace
