#pragma once

#include <QSize>
#include <Qt>

class QWidget;

// The class library's anchors: a control keeps the distance of each anchored
// side to the same side of its parent while the parent is resized. Anchored
// to two opposite sides, it stretches; to the right or the bottom alone, it
// moves; to the left and the top alone, it stays where it is put.
//
// The distances are those of the control's place against parentSize, the
// size of the parent the control was placed for; the second form takes the
// parent's size as it stands. Setting the anchors again takes the distances
// again.
void SetAnchors(QWidget* control, Qt::Edges sides, QSize parentSize);
void SetAnchors(QWidget* control, Qt::Edges sides);
Qt::Edges Anchors(const QWidget* control);

// Places the parent's anchored controls for its present size at once. The
// parent's resize does the same by itself, but a hidden parent hears of its
// new size only when it is shown.
void ApplyAnchors(QWidget* parent);
