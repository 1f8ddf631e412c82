#include "designer/OneLineMemo.h"

#include <QKeyEvent>
#include <QMimeData>

void TOneLineMemo::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

void TOneLineMemo::insertFromMimeData(const QMimeData* source)
{
    if (!source->hasText())
        return;
    QString text = source->text();
    text.replace(QLatin1String("\r\n"), QLatin1String(" "));
    for (QChar& c : text) {
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n') || c == QChar::ParagraphSeparator ||
            c == QChar::LineSeparator)
            c = QLatin1Char(' ');
    }
    insertPlainText(text);
}
