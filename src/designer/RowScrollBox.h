#pragma once

#include <QScrollArea>

// A scroll box of run-time rows whose content is exactly as large as its
// rows: as wide as the box when they fit it and as high as the last row
// reaches, so that no scroll bar shows without need. Every control keeps the
// width it was built with; only a control that would reach past the box's
// right edge is made narrower, down to the least it needs, so that no
// drop-down arrow hides behind the edge, and it gets its width back when the
// box grows. Controls anchored to the right follow the content's width.
// The wheel scrolls the box: a list or spin among the rows takes it only
// while it has the keyboard focus (clicked or tabbed into), so that turning
// the wheel over the rows never changes a choice unseen.
class TRowScrollBox : public QScrollArea
{
    Q_OBJECT

public:
    // The width of the content that the rows are laid out for: the anchored
    // controls keep their distances to its right edge.
    static constexpr int RowsWidth = 493;

    explicit TRowScrollBox(QWidget* parent = nullptr);

    // Sizes the content to the rows as they stand, at once, and shows it.
    void FitToRows();
    // Sizes the content at once and leaves it out of sight until the box is
    // fitted: rows that the same command replaces again are never shown.
    void SizeToRows();
    // Rows came or went: the box is fitted once when the program next waits
    // for the user, however many rows changed, unless FitToRows runs first.
    // Until then the content is out of sight, so that a row's controls cost
    // no repaint of their own while they are built, moved or released.
    void RowsChanged();
    // Releases every row at once with the content that holds them; the kept
    // controls (the box's own, which are no row) move to the new content.
    void ReleaseRows(const QList<QWidget*>& kept = {});

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The content that holds the rows; the box watches the controls put in it.
    void SetContent(QWidget* content);

    bool FFitPending = false;
};
