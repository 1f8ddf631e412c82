#pragma once

#include <QScrollArea>

// A scroll box of run-time rows whose content is exactly as large as its
// rows: as wide as the box when they fit it and as high as the last row
// reaches, so that no scroll bar shows without need. A control that would
// reach past the box's right edge is made narrower, down to the least it
// needs, so that no drop-down arrow hides behind the edge; it gets its own
// width back when the box grows.
class TRowScrollBox : public QScrollArea
{
    Q_OBJECT

public:
    explicit TRowScrollBox(QWidget* parent = nullptr);

    // Sizes the content to the rows as they stand; run after rows change.
    void FitToRows();
    // The control's right edge keeps gap pixels from the content's right
    // edge, however wide the box is.
    static void AnchorRight(QWidget* control, int gap);

protected:
    void resizeEvent(QResizeEvent* event) override;
};
