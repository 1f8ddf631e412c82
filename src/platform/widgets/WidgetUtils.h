#pragma once

#include <QList>
#include <QString>

class QPlainTextEdit;
class QWidget;

// A control's hint, shown beside the mouse and, while the mouse is over the
// control, in the status bar of its window.
void SetControlHint(QWidget* control, const QString& hint);

// A control's tag: the index of the weapon or accessory that a control built
// at run time stands for. Kept in the widget's dynamic property "tag"; a
// widget never given one has tag 0.
void SetTag(QWidget* widget, int tag);
int Tag(const QWidget* widget);

// The first direct child widget of the container, in the container's child
// order, whose object name up to its first "_" is exactly the prefix and
// whose tag is the tag; a name without "_" has the empty prefix. Null when
// there is none.
QWidget* FindControlByPrefix(QWidget* container, const QString& prefix, int tag);
// The same search in a list of controls kept in the order they were built.
QWidget* FindControlByPrefix(const QList<QWidget*>& controls, const QString& prefix, int tag);

// Deletes the widgets (and their children) at once. Each widget made since
// the event loop last ran still has its polish request queued, and deleting
// it searches the whole queue for it, so that many controls built and deleted
// in one step would cost the square of their count; the requests are
// delivered first, in one pass over the queue.
void DeleteWidgets(const QList<QWidget*>& widgets);

// Scroll the caret into view, then put it at the start of the text / after
// its last character, which brings that end of the memo into view.
void ScrollMemoToTop(QPlainTextEdit* memo);
void ScrollMemoToEnd(QPlainTextEdit* memo);

// Qt lays out each line of a word-wrapped text by measuring the word it ends
// in up to that word's end, so that a run without a place to break costs the
// square of its length. A memo whose text holds a run longer than any line
// (where word wrapping could not keep it whole anyway) wraps anywhere
// instead; any other text wraps at word boundaries.
void ChooseMemoWrap(QPlainTextEdit* memo, const QString& text);
// The memo shows the text, its wrap chosen first.
void SetMemoText(QPlainTextEdit* memo, const QString& text);
