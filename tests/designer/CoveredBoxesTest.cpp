#include "DesignerWindow.h"

#include "designer/AboutForm.h"
#include "designer/DataUsedForm.h"
#include "designer/DesignBrowser.h"
#include "designer/DesignLimits.h"
#include "designer/DesignOptions.h"
#include "designer/ImportForm.h"
#include "designer/TitleForm.h"
#include "platform/widgets/MessageDlg.h"
#include "printing/PrintForm.h"
#include "model/Vehicle.h"

#include <QAction>
#include <QFile>
#include <QScreen>
#include <QApplication>
#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSet>
#include <QTest>
#include <functional>

namespace {

// The window in each state that decides which boxes show: both layouts,
// every target, every page of the view box.
struct TViewState {
    bool Compact;
    int Target;
    int Page;
};

QList<TViewState> EveryViewState()
{
    QList<TViewState> states;
    for (const bool compact : {false, true})
        for (int target = 0; target < 4; ++target)
            for (int page = 0; page < 3; ++page)
                states.append({compact, target, page});
    return states;
}

std::string Describe(const TViewState& state)
{
    return (state.Compact ? std::string("compact") : std::string("normal")) + " layout, target "
           + std::to_string(state.Target) + ", page " + std::to_string(state.Page);
}

QString NameOf(const QWidget* widget)
{
    return widget->objectName().isEmpty() ? QLatin1String(widget->metaObject()->className()) : widget->objectName();
}

// A control that paints every pixel of its place repaints alone, without
// what lies over it, when the window skips subtracting covered areas.
bool PaintsAllItsPixels(const QWidget* widget)
{
    if (widget->testAttribute(Qt::WA_OpaquePaintEvent))
        return true;
    const QBrush& fill = widget->palette().brush(widget->backgroundRole());
    return widget->autoFillBackground() && fill.style() != Qt::NoBrush && fill.isOpaque();
}

// The shown controls of the window that a shown control stacked above them,
// or above one of their parents, covers in part or whole: "lower under upper".
QStringList CoveredControls(QWidget* window)
{
    QStringList covered;
    for (QWidget* lower : window->findChildren<QWidget*>()) {
        if (!lower->isVisible() || lower->isWindow() || !PaintsAllItsPixels(lower))
            continue;
        for (QWidget* level = lower; level != window && !level->isWindow(); level = level->parentWidget()) {
            QWidget* parent = level->parentWidget();
            const QRect place(lower->mapTo(parent, QPoint(0, 0)), lower->size());
            const QObjectList& siblings = parent->children();
            for (qsizetype i = siblings.indexOf(level) + 1; i < siblings.size(); ++i) {
                auto* upper = qobject_cast<QWidget*>(siblings[i]);
                if (upper && upper->isVisible() && !upper->isWindow() && upper->geometry().intersects(place))
                    covered << NameOf(lower) + QStringLiteral(" under ") + NameOf(upper);
            }
        }
    }
    return covered;
}

class CoveredBoxesTest : public DesignerWindowTest
{
protected:
    void SetUp() override
    {
        DesignerWindowTest::SetUp();
        W = &Start();
        W->show();
        W->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(W));
    }

    void Show(const TViewState& state)
    {
        if (W->pc600->isVisible() != state.Compact)
            W->SetUpResolution(state.Compact);
        W->pcTesting->setCurrentIndex(state.Page);
        Choose(W->cbAttackTarget, W->cbAttackTarget->itemText(state.Target));
        QApplication::processEvents();
    }

    // Every control that Tab reaches from the first, once round the chain.
    QList<QWidget*> TabWalk()
    {
        QList<QWidget*> reached;
        if (QWidget* focused = QApplication::focusWidget())
            focused->clearFocus();
        QTest::keyClick(W, Qt::Key_Tab);
        QWidget* first = QApplication::focusWidget();
        if (first == nullptr)
            return reached;
        QWidget* at = first;
        do {
            reached << at;
            QTest::keyClick(at, Qt::Key_Tab);
            at = QApplication::focusWidget();
        } while (at != nullptr && at != first && !reached.contains(at));
        return reached;
    }

    // Whether the player sees the control: shown, and what the window
    // shows at its centre is the control or a part of it.
    bool SeenOnScreen(const QWidget* control) const
    {
        if (!control->isVisible())
            return false;
        const QWidget* atCentre = W->childAt(control->mapTo(W, control->rect().center()));
        return atCentre == control || control->isAncestorOf(atCentre);
    }

    // The firing log as the window shows it on the screen: what the window
    // painted there, not what the log would paint of itself.
    QImage LogOnScreen() const
    {
        QApplication::processEvents();
        QWidget* log = W->edTestText->viewport();
        const QPoint at = log->mapTo(W, QPoint(0, 0));
        return W->screen()->grabWindow(W->winId(), at.x(), at.y(), log->width(), log->height()).toImage();
    }

    // How many pixels of the log differ from its empty background.
    int PaintedPixels(const QImage& picture) const
    {
        const QRgb empty = W->edTestText->viewport()->palette().color(QPalette::Base).rgb();
        int painted = 0;
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x)
                painted += (picture.pixel(x, y) & 0xFFFFFF) != (empty & 0xFFFFFF);
        return painted;
    }

    TfrmMain* W = nullptr;
};

TEST_F(CoveredBoxesTest, TabReachesOnlyControlsThePlayerSeesInEveryLayoutTargetAndPage)
{
    for (const TViewState& state : EveryViewState()) {
        Show(state);
        const QList<QWidget*> reached = TabWalk();
        EXPECT_FALSE(reached.isEmpty()) << Describe(state);
        for (const QWidget* control : reached)
            EXPECT_TRUE(SeenOnScreen(control)) << NameOf(control).toStdString() << " in " << Describe(state);
        // The text box's edits are in the chain exactly when the box shows.
        const bool logShown = state.Target == 3 && state.Page != 0;
        for (const QWidget* edit : std::initializer_list<const QWidget*>{W->edTextName, W->edTextAuthor,
                                                                          W->edTextDescription})
            EXPECT_EQ(reached.contains(edit), !logShown) << NameOf(edit).toStdString() << " in " << Describe(state);
    }
}

TEST_F(CoveredBoxesTest, NoShownControlLiesUnderAnotherInEveryLayoutTargetAndPage)
{
    W->FileLoad(Path(QStringLiteral("Designs/Thunderwagon.vx")), false);
    for (const TViewState& state : EveryViewState()) {
        Show(state);
        EXPECT_EQ(CoveredControls(W).join(QStringLiteral(", ")).toStdString(), "") << Describe(state);
    }
}

TEST_F(CoveredBoxesTest, NoShownControlLiesUnderAnotherInAnyOtherFormOfTheProgram)
{
    TfrmAbout about;
    TfrmDataUsed dataUsed;
    TfrmTitle title;
    TfrmDesign options;
    TfrmConfig limits;
    TMessageForm message(QStringLiteral("Are you sure you want to quit?"), mtConfirmation, mbYes | mbNo, -1, -1);
    ASSERT_NE(frmPrint, nullptr);
    for (QWidget* form : std::initializer_list<QWidget*>{frmLoad, frmImport, frmPrint, &about, &dataUsed, &title,
                                                         &options, &limits, &message}) {
        form->show();
        QApplication::processEvents();
        EXPECT_EQ(CoveredControls(form).join(QStringLiteral(", ")).toStdString(), "") << NameOf(form).toStdString();
        form->hide();
    }
}

TEST_F(CoveredBoxesTest, NewImportAndOpenPaintNoDescriptionIntoTheEmptyFiringLog)
{
    const QString official = [] {
        QFile file(QStringLiteral(RIGSMITH_TEST_DIR "/../gamecar/expected/Gadfly.official.txt"));
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }();
    ASSERT_FALSE(official.isEmpty());
    const struct {
        const char* Name;
        std::function<void()> Run;
    } commands[] = {
        {"New", [this] { W->acNew->trigger(); }},
        {"open Thunderwagon", [this] { W->FileLoad(Path(QStringLiteral("Designs/Thunderwagon.vx")), false); }},
        {"open Brickhouse", [this] { W->FileLoad(Path(QStringLiteral("Designs/Brickhouse.vx")), false); }},
        {"import", [&official] {
             frmImport->show();
             frmImport->memText->setPlainText(official);
             frmImport->btnImport->click();
             frmImport->btnAccept->click();
             frmImport->hide();
         }},
    };
    for (const bool compact : {false, true}) {
        Show({compact, 3, 1});
        for (const auto& command : commands) {
            W->acTestReset->trigger();
            ASSERT_EQ(PaintedPixels(LogOnScreen()), 0) << command.Name;
            command.Run();
            EXPECT_FALSE(W->edTextDescription->toPlainText().isEmpty()) << command.Name;
            EXPECT_EQ(PaintedPixels(LogOnScreen()), 0) << command.Name << (compact ? ", compact layout" : "");
        }
    }
    // What the log shows of its own is seen on the screen.
    W->edTestText->setPlainText(QStringLiteral("Shot at the opponent"));
    EXPECT_GT(PaintedPixels(LogOnScreen()), 0);
}

} // namespace
