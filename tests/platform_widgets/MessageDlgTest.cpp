#include "platform/widgets/MessageDlg.h"

#include <QApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

// The pixel metrics the box should have, from the average character size of
// its font: quarters of its width, eighths of its height, halves rounded up.
struct TExpectedMetrics {
    explicit TExpectedMetrics(const QFont& font)
    {
        const QPoint u = GetAveCharSize(font);
        HorzMargin = 2 * u.x();
        VertMargin = (6 * u.y() + 4) / 8;
        HorzSpacing = 2 * u.x();
        VertSpacing = u.y();
        ButtonWidth = (55 * u.x() + 2) / 4;
        ButtonHeight = 2 * u.y();
        ButtonSpacing = 2 * u.x();
    }
    int HorzMargin, VertMargin, HorzSpacing, VertSpacing, ButtonWidth, ButtonHeight, ButtonSpacing;
};

QStringList Captions(const TMessageForm& form)
{
    QStringList captions;
    for (const QPushButton* button : form.Buttons())
        captions << button->text();
    return captions;
}

TEST(MessageDlg, FontIsMsSansSerifOrItsStandIn)
{
    const TMessageForm form(QStringLiteral("Vehicle saved"), mtInformation, mbOK, -1, -1);
    EXPECT_TRUE(QStringList({"MS Sans Serif", "Liberation Sans", "DejaVu Sans"}).contains(form.font().family()))
        << form.font().family().toStdString();
    EXPECT_EQ(form.font().pointSize(), 8);
}

TEST(MessageDlg, CaptionsAndIconsFollowTheType)
{
    const struct {
        TMsgDlgType type;
        const char* caption;
    } cases[] = {
        {mtWarning, "Warning"},
        {mtError, "Error"},
        {mtInformation, "Information"},
        {mtConfirmation, "Confirmation"},
    };
    for (const auto& c : cases) {
        const TMessageForm form(QStringLiteral("Text"), c.type, mbOK, -1, -1);
        EXPECT_EQ(form.windowTitle(), QString::fromLatin1(c.caption));
        ASSERT_NE(form.IconImage(), nullptr);
        EXPECT_EQ(form.IconImage()->pixmap().size(), QSize(32, 32)) << c.caption;
        EXPECT_FALSE(form.IconImage()->pixmap().isNull());
    }
}

TEST(MessageDlg, ButtonsShowInMemberOrderWithTheirCaptionsAndRoles)
{
    const TMessageForm all(QStringLiteral("Text"), mtWarning,
                           mbHelp | mbAll | mbIgnore | mbRetry | mbAbort | mbCancel | mbOK | mbNo | mbYes, -1, -1);
    EXPECT_EQ(Captions(all), QStringList({"&Yes", "&No", "&OK", "&Cancel", "A&bort", "&Retry", "&Ignore", "&All",
                                          "&Help"}));
    std::vector<bool> defaults;
    for (const QPushButton* button : all.Buttons())
        defaults.push_back(button->isDefault());
    EXPECT_EQ(defaults, std::vector<bool>({true, false, false, false, false, false, false, false, false}));

    const TMessageForm overwrite(QStringLiteral("Text"), mtConfirmation, mbAbort | mbNo | mbYes, -1, -1);
    EXPECT_EQ(Captions(overwrite), QStringList({"&Yes", "&No", "A&bort"}));

    const TMessageForm none(QStringLiteral("Text"), mtError, TMsgDlgButtons(), -1, -1);
    EXPECT_TRUE(none.Buttons().isEmpty());
}

// What the user does to the open box.
enum TAction { aEnter, aEsc, aClose, aClick0, aClick1, aClick2 };

// Shows the box through MessageDlg and does the actions to it in turn; every
// action but the last must leave the box open.
std::uint16_t Answer(TMsgDlgButtons buttons, std::vector<TAction> actions, std::string& trace)
{
    QTimer::singleShot(0, [actions, &trace] {
        auto* form = qobject_cast<TMessageForm*>(QApplication::activeModalWidget());
        if (!form) {
            trace = "no box shown";
            return;
        }
        for (const TAction action : actions) {
            if (!form->isVisible()) {
                trace += "closed early;";
                break;
            }
            switch (action) {
            case aEnter: QTest::keyClick(form, Qt::Key_Return); break;
            case aEsc: QTest::keyClick(form, Qt::Key_Escape); break;
            case aClose: form->close(); break;
            case aClick0:
            case aClick1:
            case aClick2: form->Buttons().at(action - aClick0)->click(); break;
            }
        }
        if (form->isVisible()) {
            trace += "left open;";
            form->done(99);
        }
    });
    return MessageDlg(QStringLiteral("Are you sure you want to quit?"), mtConfirmation, buttons, 0);
}

TEST(MessageDlg, ResultsOfEnterEscCloseAndButtons)
{
    const struct {
        const char* name;
        TMsgDlgButtons buttons;
        std::vector<TAction> actions;
        std::uint16_t expected;
    } cases[] = {
        {"Yes/No Enter", mbYes | mbNo, {aEnter}, 6},
        {"Yes/No Esc", mbYes | mbNo, {aEsc}, 7},
        {"Yes/No close", mbYes | mbNo, {aClose}, 2},
        {"Yes/No click No", mbYes | mbNo, {aClick1}, 7},
        {"OK Enter", mbOK, {aEnter}, 1},
        {"OK Esc does nothing", mbOK, {aEsc, aEnter}, 1},
        {"OK close", mbOK, {aClose}, 2},
        {"OK/Cancel Esc", mbOK | mbCancel, {aEsc}, 2},
        {"Yes/No/OK/Cancel Enter: the first default", mbYes | mbNo | mbOK | mbCancel, {aEnter}, 6},
        {"Yes/No/OK/Cancel Esc: the first cancel", mbYes | mbNo | mbOK | mbCancel, {aEsc}, 7},
        {"Yes/No/Abort Abort", mbYes | mbNo | mbAbort, {aClick2}, 3},
        {"Retry/Ignore/All", mbRetry | mbIgnore | mbAll, {aClick2}, 8},
        {"Retry", mbRetry | mbIgnore, {aClick0}, 4},
        {"Ignore", mbRetry | mbIgnore, {aClick1}, 5},
        {"Help leaves the box open", mbYes | mbHelp, {aClick1, aClick0}, 6},
        {"empty set: only close ends it", TMsgDlgButtons(), {aEnter, aEsc, aClose}, 2},
    };
    for (const auto& c : cases) {
        std::string trace;
        EXPECT_EQ(Answer(c.buttons, c.actions, trace), c.expected) << c.name;
        EXPECT_EQ(trace, "") << c.name;
    }
}

TEST(MessageDlg, OneLineMessageWithIconPutsButtonsBelowTheIcon)
{
    const TMessageForm form(QStringLiteral("Vehicle saved"), mtInformation, mbOK, -1, -1);
    const TExpectedMetrics m(form.font());
    const QFontMetrics fm(form.font());

    EXPECT_EQ(form.IconImage()->geometry(), QRect(m.HorzMargin, m.VertMargin, 32, 32));
    const QRect label = form.MessageLabel()->geometry();
    EXPECT_EQ(label.topLeft(), QPoint(m.HorzMargin + 32 + m.HorzSpacing, m.VertMargin));
    EXPECT_EQ(label.size(),
              QSize(fm.horizontalAdvance(QStringLiteral("Vehicle saved")), GetAveCharSize(form.font()).y()));
    ASSERT_LT(label.height(), 32);

    const QPushButton* ok = form.Buttons().at(0);
    EXPECT_EQ(ok->geometry(), QRect((form.width() - m.ButtonWidth) / 2, m.VertMargin + 32 + m.VertSpacing,
                                    m.ButtonWidth, m.ButtonHeight));
    EXPECT_EQ(form.size(), QSize(label.width() + 32 + m.HorzSpacing + 2 * m.HorzMargin,
                                 32 + m.ButtonHeight + m.VertSpacing + 2 * m.VertMargin));
}

TEST(MessageDlg, CustomTypeHasNoIconAndTheApplicationTitle)
{
    QGuiApplication::setApplicationDisplayName(QStringLiteral("Rigsmith"));
    const TMessageForm form(QStringLiteral("Shots fired: 12\nHits: 7\nMisses: 5"), mtCustom, mbOK, -1, -1);
    const TExpectedMetrics m(form.font());

    EXPECT_EQ(form.windowTitle(), QStringLiteral("Rigsmith"));
    EXPECT_EQ(form.IconImage(), nullptr);
    EXPECT_EQ(form.findChildren<QLabel*>().size(), 1);
    const QRect label = form.MessageLabel()->geometry();
    EXPECT_EQ(label.topLeft(), QPoint(m.HorzMargin, m.VertMargin));
    EXPECT_EQ(label.height(), 3 * GetAveCharSize(form.font()).y());
    EXPECT_EQ(form.width(), label.width() + 3 * m.HorzMargin);
    EXPECT_EQ(form.Buttons().at(0)->y(), m.VertMargin + label.height() + m.VertSpacing);
}

TEST(MessageDlg, WideMessageWrapsAtHalfTheScreenWidth)
{
    QString text;
    for (int i = 0; i < 60; ++i)
        text += QStringLiteral("overwrite ");
    const TMessageForm form(text, mtConfirmation, mbYes | mbNo | mbAbort, -1, -1);
    const QFontMetrics fm(form.font());
    const QRect label = form.MessageLabel()->geometry();
    const int halfScreen = QGuiApplication::primaryScreen()->geometry().width() / 2;
    EXPECT_LE(label.width(), halfScreen);
    EXPECT_GT(label.width(), halfScreen - fm.horizontalAdvance(QStringLiteral("overwrite ")));
    EXPECT_GE(label.height(), 3 * GetAveCharSize(form.font()).y());
}

TEST(MessageDlg, TabsAreExpandedAndCrLfBreaksTheLine)
{
    const TMessageForm spaced(QStringLiteral("Cost a b"), mtInformation, mbOK, -1, -1);
    TMessageForm tabbed(QStringLiteral("Cost\ta\tb"), mtInformation, mbOK, -1, -1);
    EXPECT_GT(tabbed.MessageLabel()->width(),
              spaced.MessageLabel()->width() + 4 * QFontMetrics(tabbed.font()).horizontalAdvance(QLatin1Char(' ')));
    EXPECT_FALSE(tabbed.grab().isNull());

    const TMessageForm error(QStringLiteral("An error occured in Save:\r\nDisk full"), mtError, mbOK, -1, -1);
    const QFontMetrics fm(error.font());
    EXPECT_EQ(error.MessageLabel()->text(), QStringLiteral("An error occured in Save:\nDisk full"));
    EXPECT_EQ(error.MessageLabel()->height(), 2 * GetAveCharSize(error.font()).y());
    EXPECT_EQ(error.MessageLabel()->width(), fm.horizontalAdvance(QStringLiteral("An error occured in Save:")));
}

TEST(MessageDlg, LongButtonRowWidensTheBoxAndIsCentred)
{
    const TMessageForm form(QStringLiteral("?"), mtWarning,
                            mbYes | mbNo | mbOK | mbCancel | mbAbort | mbRetry | mbIgnore | mbAll | mbHelp, -1, -1);
    const TExpectedMetrics m(form.font());
    const int groupWidth = 9 * m.ButtonWidth + 8 * m.ButtonSpacing;
    EXPECT_EQ(form.width(), groupWidth + 2 * m.HorzMargin);
    int x = m.HorzMargin;
    for (const QPushButton* button : form.Buttons()) {
        EXPECT_EQ(button->geometry(), QRect(x, m.VertMargin + 32 + m.VertSpacing, m.ButtonWidth, m.ButtonHeight))
            << button->text().toStdString();
        x += m.ButtonWidth + m.ButtonSpacing;
    }

    // A row narrower than the message sits in the middle.
    const TMessageForm narrow(QStringLiteral("The file x already exists - are you sure you want to overwrite it?"),
                              mtConfirmation, mbYes | mbNo, -1, -1);
    const QRect row = narrow.Buttons().at(0)->geometry() | narrow.Buttons().at(1)->geometry();
    EXPECT_LE(std::abs(row.left() - (narrow.width() - 1 - row.right())), 1);
}

// Messages of every height, around the screen's and far beyond: a box that
// fits is laid out as ever, a taller one keeps to the screen, its message
// scrolling inside at the full width, its buttons below in view.
TEST(MessageDlg, AMessageTallerThanTheScreenScrollsInsideABoxThatFits)
{
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    const TMessageForm probe(QStringLiteral("x"), mtInformation, mbOK, -1, -1);
    const int line = GetAveCharSize(probe.font()).y();
    const int screenLines = screen.height() / line;
    const struct {
        TMsgDlgType Type;
        TMsgDlgButtons Buttons;
    } kinds[] = {{mtInformation, mbOK}, {mtCustom, mbOK}, {mtConfirmation, mbYes | mbNo | mbCancel}};
    for (const auto& kind : kinds) {
        for (int lines : {1, 3, screenLines - 8, screenLines - 4, screenLines - 2, screenLines, screenLines + 1,
                          2 * screenLines, 250, 1000}) {
            SCOPED_TRACE(lines);
            SCOPED_TRACE(static_cast<int>(kind.Type));
            QStringList text;
            for (int i = 0; i < lines; ++i)
                text << QStringLiteral("Line %1: $ %2").arg(i + 1).arg(i * 37);
            TMessageForm form(text.join(QLatin1Char('\n')), kind.Type, kind.Buttons, -1, -1);
            form.show();
            ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
            EXPECT_TRUE(screen.contains(form.frameGeometry()));
            EXPECT_EQ(form.MessageLabel()->text(), text.join(QLatin1Char('\n')));
            const int labelHeight = form.MessageLabel()->height();
            EXPECT_EQ(labelHeight, lines * line);
            if (form.MessageScroller() == nullptr) {
                // As ever: the whole message shows, the buttons under it.
                EXPECT_LT(form.height(), screen.height());
                EXPECT_EQ(form.MessageLabel()->parentWidget(), &form);
            } else {
                // It scrolls only what does not fit, in a view that takes
                // the screen's height less the buttons and the frame.
                const QRect view = form.MessageScroller()->geometry();
                EXPECT_GT(labelHeight, view.height());
                EXPECT_GE(view.height(), screen.height() - 8 * line);
                EXPECT_LE(view.bottom(), form.Buttons().at(0)->y());
                EXPECT_EQ(form.MessageScroller()->viewport()->width(), form.MessageLabel()->width());
                EXPECT_EQ(form.MessageScroller()->verticalScrollBar()->maximum(),
                          labelHeight - form.MessageScroller()->viewport()->height());
            }
            for (const QPushButton* button : form.Buttons())
                EXPECT_TRUE(form.rect().contains(button->geometry())) << button->text().toStdString();
            if (lines <= 3) {
                EXPECT_EQ(form.MessageScroller(), nullptr);
            }
            if (lines > screenLines) {
                EXPECT_NE(form.MessageScroller(), nullptr);
            }
            // Enter still presses the default button.
            if (kind.Buttons.Contains(mbOK)) {
                QTest::keyClick(&form, Qt::Key_Return);
                EXPECT_EQ(form.result(), mrOk);
            }
            form.hide();
        }
    }
}

TEST(MessageDlg, PlacedAtTheGivenEdgesOrCentredWhenEitherIsNegative)
{
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const auto centred = [&](const QWidget& w) {
        return QPoint(screen.x() + (screen.width() - w.width()) / 2, screen.y() + (screen.height() - w.height()) / 2);
    };
    const TMessageForm placed(QStringLiteral("Text"), mtError, mbOK, 100, 50);
    EXPECT_EQ(placed.pos(), QPoint(100, 50));
    const TMessageForm noTop(QStringLiteral("Text"), mtError, mbOK, 100, -1);
    EXPECT_EQ(noTop.pos(), centred(noTop));
    const TMessageForm noLeft(QStringLiteral("Text"), mtError, mbOK, -1, 50);
    EXPECT_EQ(noLeft.pos(), centred(noLeft));
}

} // namespace
