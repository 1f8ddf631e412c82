#include "platform/widgets/WidgetUtils.h"

#include <QPlainTextEdit>
#include <QVariant>
#include <QWidget>

namespace {
const char* const TagProperty = "tag";

void ScrollMemoTo(QPlainTextEdit* memo, QTextCursor::MoveOperation where)
{
    memo->ensureCursorVisible();
    memo->moveCursor(where);
}
} // namespace

void SetTag(QWidget* widget, int tag)
{
    widget->setProperty(TagProperty, tag);
}

int Tag(const QWidget* widget)
{
    return widget->property(TagProperty).toInt();
}

QWidget* FindControlByPrefix(QWidget* container, const QString& prefix, int tag)
{
    for (QObject* child : container->children()) {
        auto* widget = qobject_cast<QWidget*>(child);
        if (!widget)
            continue;
        const QString name = widget->objectName();
        const qsizetype underscore = name.indexOf(QLatin1Char('_'));
        const QStringView namePrefix = underscore < 0 ? QStringView() : QStringView(name).left(underscore);
        if (namePrefix == prefix && Tag(widget) == tag)
            return widget;
    }
    return nullptr;
}

void ScrollMemoToTop(QPlainTextEdit* memo)
{
    ScrollMemoTo(memo, QTextCursor::Start);
}

void ScrollMemoToEnd(QPlainTextEdit* memo)
{
    ScrollMemoTo(memo, QTextCursor::End);
}
