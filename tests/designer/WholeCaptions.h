#pragma once

#include <QStringList>

class QWidget;

// The captions under root that are not shown whole, one line each: the
// control's name, its text and what is missing. A caption is whole when its
// text fits the control's room for it (a check box's beside its box, a
// button's inside its frame), a wrapping label is high enough for all its
// lines, a group box's title fits its width, and the control lies inside
// every parent up to root or to the scroll box it scrolls in. Every page of
// every page control is looked at in turn; hidden controls are not.
QStringList CutCaptions(QWidget* root);
