#include "WholeCaptions.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionGroupBox>
#include <QTabWidget>
#include <QToolButton>

namespace {

QString Problem(const QWidget* w, const QString& text, const QString& what)
{
    return QStringLiteral("%1 \"%2\": %3").arg(w->objectName(), text, what);
}

// The room a button's caption has inside the control.
int CaptionRoom(QAbstractButton* button)
{
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    option.icon = button->icon();
    option.iconSize = button->iconSize();
    QStyle* style = button->style();
    if (qobject_cast<QCheckBox*>(button))
        return style->subElementRect(QStyle::SE_CheckBoxContents, &option, button).width();
    if (qobject_cast<QRadioButton*>(button))
        return style->subElementRect(QStyle::SE_RadioButtonContents, &option, button).width();
    int room = style->subElementRect(QStyle::SE_PushButtonContents, &option, button).width();
    if (!button->icon().isNull())
        room -= button->iconSize().width() + 4;
    return room;
}

void CheckCaption(QWidget* w, QStringList& cut)
{
    const QFontMetrics metrics = w->fontMetrics();
    if (auto* label = qobject_cast<QLabel*>(w)) {
        const QString text = label->text();
        if (text.isEmpty() || Qt::mightBeRichText(text))
            return;
        if (label->wordWrap()) {
            const int needed = label->heightForWidth(label->width());
            if (label->height() < needed)
                cut << Problem(w, text, QStringLiteral("%1 high of %2").arg(label->height()).arg(needed));
            return;
        }
        const QRect room = label->contentsRect();
        const QSize needed = metrics.size(0, text);
        if (room.width() < needed.width() || room.height() < metrics.height())
            cut << Problem(w, text, QStringLiteral("%1 x %2 of %3 x %4")
                                        .arg(room.width()).arg(room.height()).arg(needed.width()).arg(metrics.height()));
        return;
    }
    if (auto* button = qobject_cast<QAbstractButton*>(w)) {
        QString text = button->text();
        text.remove(QLatin1Char('&'));
        if (text.isEmpty() || qobject_cast<QToolButton*>(w))
            return;
        const int needed = metrics.horizontalAdvance(text);
        const int room = CaptionRoom(button);
        if (room < needed)
            cut << Problem(w, text, QStringLiteral("%1 wide of %2").arg(room).arg(needed));
        if (button->height() < metrics.height())
            cut << Problem(w, text, QStringLiteral("%1 high of %2").arg(button->height()).arg(metrics.height()));
        return;
    }
    if (auto* box = qobject_cast<QGroupBox*>(w)) {
        QStyleOptionGroupBox option;
        option.initFrom(box);
        option.text = box->title();
        option.subControls = QStyle::SC_GroupBoxLabel;
        const QRect title = box->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, box);
        if (!box->title().isEmpty() && title.right() >= box->width())
            cut << Problem(w, box->title(), QStringLiteral("title ends at %1 of %2").arg(title.right()).arg(box->width()));
    }
}

// Where the caption's text stands in the control, or an empty rectangle for
// a control without one.
QRect CaptionPlace(QWidget* w)
{
    const QFontMetrics metrics = w->fontMetrics();
    if (auto* label = qobject_cast<QLabel*>(w)) {
        if (label->text().isEmpty() || label->wordWrap() || Qt::mightBeRichText(label->text()))
            return {};
        return QStyle::alignedRect(label->layoutDirection(), label->alignment(), metrics.size(0, label->text()),
                                   label->contentsRect());
    }
    auto* button = qobject_cast<QAbstractButton*>(w);
    if (!button || button->text().isEmpty() || qobject_cast<QToolButton*>(w))
        return {};
    const QSize text = metrics.size(Qt::TextShowMnemonic, button->text());
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    QStyle* style = button->style();
    if (qobject_cast<QCheckBox*>(button) || qobject_cast<QRadioButton*>(button)) {
        const QRect contents = style->subElementRect(
            qobject_cast<QCheckBox*>(button) ? QStyle::SE_CheckBoxContents : QStyle::SE_RadioButtonContents, &option,
            button);
        return QStyle::alignedRect(button->layoutDirection(), Qt::AlignLeft | Qt::AlignVCenter, text, contents);
    }
    return QStyle::alignedRect(button->layoutDirection(), Qt::AlignCenter, text,
                               style->subElementRect(QStyle::SE_PushButtonContents, &option, button));
}

// No control drawn over it hides part of a caption's text.
void CheckUncovered(QWidget* w, QStringList& cut)
{
    const QRect text = CaptionPlace(w);
    QWidget* parent = w->parentWidget();
    if (text.isEmpty() || !parent)
        return;
    const QRect place = text.translated(w->pos());
    const QObjectList siblings = parent->children();
    for (qsizetype i = siblings.indexOf(w) + 1; i < siblings.size(); ++i) {
        auto* above = qobject_cast<QWidget*>(siblings[i]);
        if (above && !above->isWindow() && above->isVisibleTo(w->window()) && above->geometry().intersects(place)) {
            cut << Problem(w, w->property("text").toString(),
                           QStringLiteral("covered by %1").arg(above->objectName()));
        }
    }
}

// A control lies inside each parent up to root or to the viewport it
// scrolls in.
void CheckInsideParents(QWidget* w, QWidget* root, QStringList& cut)
{
    QRect place = w->rect();
    QWidget* child = w;
    for (QWidget* parent = w->parentWidget(); parent && child != root; parent = parent->parentWidget()) {
        place.translate(child->pos());
        if (auto* area = qobject_cast<QAbstractScrollArea*>(parent->parentWidget()); area && area->viewport() == parent)
            return;
        if (!parent->rect().contains(place)) {
            cut << Problem(w, w->property("text").toString(),
                           QStringLiteral("(%1,%2 %3x%4) outside %5 (%6x%7)")
                               .arg(place.x()).arg(place.y()).arg(place.width()).arg(place.height())
                               .arg(parent->objectName()).arg(parent->width()).arg(parent->height()));
            return;
        }
        child = parent;
    }
}

bool IsCaptioned(QWidget* w)
{
    return qobject_cast<QLabel*>(w) || qobject_cast<QAbstractButton*>(w) || qobject_cast<QGroupBox*>(w);
}

void CheckShown(QWidget* root, QStringList& cut)
{
    QApplication::processEvents();
    for (QWidget* w : root->findChildren<QWidget*>()) {
        if (!IsCaptioned(w) || !w->isVisibleTo(root->window()))
            continue;
        CheckCaption(w, cut);
        CheckUncovered(w, cut);
        CheckInsideParents(w, root, cut);
    }
}

// The page controls under root that lie on no page of another under root.
QList<QTabWidget*> OutermostPages(QWidget* root)
{
    QList<QTabWidget*> outermost;
    for (QTabWidget* pages : root->findChildren<QTabWidget*>()) {
        bool nested = false;
        for (QWidget* p = pages->parentWidget(); p && p != root; p = p->parentWidget())
            nested = nested || qobject_cast<QTabWidget*>(p);
        if (!nested)
            outermost << pages;
    }
    return outermost;
}

// What is shown under root, then each page of its page controls in turn,
// with the page controls on those pages.
void CheckEveryPage(QWidget* root, QStringList& cut)
{
    CheckShown(root, cut);
    for (QTabWidget* pages : OutermostPages(root)) {
        if (!pages->isVisibleTo(root->window()))
            continue;
        const int kept = pages->currentIndex();
        for (int i = 0; i < pages->count(); ++i) {
            pages->setCurrentIndex(i);
            CheckEveryPage(pages->widget(i), cut);
        }
        pages->setCurrentIndex(kept);
    }
}

} // namespace

QStringList CutCaptions(QWidget* root)
{
    QStringList cut;
    CheckEveryPage(root, cut);
    cut.removeDuplicates();
    return cut;
}
