#include "platform/widgets/WidgetUtils.h"

#include <QCoreApplication>
#include <QEvent>
#include <QPlainTextEdit>
#include <QVariant>
#include <QWidget>

namespace {
const char* const TagProperty = "tag";

// No memo of the window shows a line of this many characters, even on the
// widest screen.
constexpr qsizetype LongestLine = 250;

// Whether the text holds a run of more than LongestLine characters without a
// blank or a line break.
bool HoldsRunLongerThanALine(const QString& text)
{
    qsizetype run = 0;
    for (const QChar c : text) {
        run = c.isSpace() ? 0 : run + 1;
        if (run > LongestLine)
            return true;
    }
    return false;
}

void ScrollMemoTo(QPlainTextEdit* memo, QTextCursor::MoveOperation where)
{
    memo->ensureCursorVisible();
    memo->moveCursor(where);
}
} // namespace

void SetControlHint(QWidget* control, const QString& hint)
{
    control->setToolTip(hint);
    control->setStatusTip(hint);
}

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
    QList<QWidget*> widgets;
    for (QObject* child : container->children()) {
        if (auto* widget = qobject_cast<QWidget*>(child))
            widgets.append(widget);
    }
    return FindControlByPrefix(widgets, prefix, tag);
}

QWidget* FindControlByPrefix(const QList<QWidget*>& controls, const QString& prefix, int tag)
{
    for (QWidget* widget : controls) {
        const QString name = widget->objectName();
        const qsizetype underscore = name.indexOf(QLatin1Char('_'));
        const QStringView namePrefix = underscore < 0 ? QStringView() : QStringView(name).left(underscore);
        if (namePrefix == prefix && Tag(widget) == tag)
            return widget;
    }
    return nullptr;
}

void DeleteWidgets(const QList<QWidget*>& widgets)
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::PolishRequest);
    qDeleteAll(widgets);
}

void ScrollMemoToTop(QPlainTextEdit* memo)
{
    ScrollMemoTo(memo, QTextCursor::Start);
}

void ScrollMemoToEnd(QPlainTextEdit* memo)
{
    ScrollMemoTo(memo, QTextCursor::End);
}

void ChooseMemoWrap(QPlainTextEdit* memo, const QString& text)
{
    memo->setWordWrapMode(HoldsRunLongerThanALine(text) ? QTextOption::WrapAnywhere
                                                        : QTextOption::WrapAtWordBoundaryOrAnywhere);
}

void SetMemoText(QPlainTextEdit* memo, const QString& text)
{
    ChooseMemoWrap(memo, text);
    memo->setPlainText(text);
}
