#include "platform/widgets/WidgetUtils.h"

#include <QFrame>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

QWidget* AddControl(QWidget* parent, const char* name, int tag)
{
    auto* control = new QWidget(parent);
    control->setObjectName(QString::fromLatin1(name));
    SetTag(control, tag);
    return control;
}

TEST(FindControlByPrefix, MatchesPrefixExactlyAndTagAmongDirectChildren)
{
    QWidget container;
    QWidget* first = AddControl(&container, "edtWeapon_1", 3);
    AddControl(&container, "edtWeapon_2", 3);
    QWidget* other = AddControl(&container, "edtWeapon_3", 4);
    QWidget* plain = AddControl(&container, "lblTitle", 3);
    QWidget* twoParts = AddControl(&container, "cbx_Weapon_7", 2);
    auto* untagged = new QWidget(&container);
    untagged->setObjectName(QStringLiteral("btn_9"));
    QWidget* frame = AddControl(&container, "pnlRow_1", 5);
    AddControl(frame, "spnCount_1", 6);

    const struct {
        const char* prefix;
        int tag;
        QWidget* expected;
    } cases[] = {
        {"edtWeapon", 3, first}, // the first of two matches, in child order
        {"edtWeapon", 4, other},
        {"edtWeapon", 5, nullptr}, // right prefix, other tag
        {"edtWeap", 3, nullptr},
        {"edtweapon", 3, nullptr},
        {"", 3, plain}, // a name without "_" has the empty prefix
        {"lblTitle", 3, nullptr},
        {"cbx", 2, twoParts}, // cut at the first "_"
        {"btn", 0, untagged}, // no tag given reads as 0
        {"spnCount", 6, nullptr}, // only direct children count
    };
    for (const auto& c : cases)
        EXPECT_EQ(FindControlByPrefix(&container, QString::fromLatin1(c.prefix), c.tag), c.expected)
            << c.prefix << " " << c.tag;
}

TEST(FindControlByPrefix, EmptyContainerGivesNone)
{
    QWidget container;
    EXPECT_EQ(FindControlByPrefix(&container, QString(), 0), nullptr);
}

TEST(ScrollMemo, PutsCaretAtEitherEndAndScrollsThere)
{
    QPlainTextEdit memo;
    QStringList lines;
    for (int i = 0; i < 200; ++i)
        lines << QStringLiteral("Shot %1 hits").arg(i);
    memo.setPlainText(lines.join(QLatin1Char('\n')));
    memo.resize(200, 100);
    memo.show();
    QScrollBar* bar = memo.verticalScrollBar();
    ASSERT_GT(bar->maximum(), 0);

    ScrollMemoToEnd(&memo);
    EXPECT_EQ(memo.textCursor().position(), memo.document()->characterCount() - 1);
    EXPECT_TRUE(memo.viewport()->rect().contains(memo.cursorRect()));
    EXPECT_GT(bar->value(), 0);

    ScrollMemoToTop(&memo);
    EXPECT_EQ(memo.textCursor().position(), 0);
    EXPECT_EQ(bar->value(), 0);
}

} // namespace
