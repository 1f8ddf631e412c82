#pragma once

#include <QPlainTextEdit>

// A memo whose text stays on one line, as the design file keeps the
// description: Enter is ignored and pasted line breaks become blanks.
class TOneLineMemo : public QPlainTextEdit
{
    Q_OBJECT

public:
    using QPlainTextEdit::QPlainTextEdit;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void insertFromMimeData(const QMimeData* source) override;
};
