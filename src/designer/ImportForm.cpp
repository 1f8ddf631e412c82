#include "designer/ImportForm.h"

#include "designer/MainWindow.h"
#include "import/BuildDesign.h"
#include "import/ImportResult.h"
#include "import/TextSearch.h"
#include "platform/widgets/MessageDlg.h"

#include <QAction>
#include <QCloseEvent>
#include <QFontDatabase>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBlock>
#include <QTabWidget>
#include <QVBoxLayout>

TfrmImport* frmImport = nullptr;

namespace {

QPlainTextEdit* Memo(const QString& Hint, bool ReadOnly)
{
    auto* M = new QPlainTextEdit;
    M->setToolTip(Hint);
    M->setReadOnly(ReadOnly);
    return M;
}

QGroupBox* Group(const QString& Title, QWidget* Content)
{
    auto* G = new QGroupBox(Title);
    auto* L = new QVBoxLayout(G);
    L->addWidget(Content);
    return G;
}

} // namespace

TfrmImport::TfrmImport(QWidget* owner, QAction* importAction)
    : QWidget(owner, Qt::Window), FImportAction(importAction)
{
    setWindowTitle(QStringLiteral("Import"));
    resize(600, 514);

    memText = Memo(QStringLiteral("Paste the descriptive vehicle text here"), false);
    memText->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    memText->setCursor(Qt::PointingHandCursor);
    btnImport = new QPushButton(QStringLiteral("Import"));
    btnImport->setToolTip(QStringLiteral("Click here to import the description given above"));
    btnImport->setEnabled(false);

    memLeftovers = Memo(QStringLiteral("Whatever was not understood - you'll have to enter this by hand"), true);
    memLeftovers->setCursor(Qt::WhatsThisCursor);
    memHistory = Memo(QStringLiteral("Shows what was found when looking for what, and what was left over"), true);
    memHistory->setLineWrapMode(QPlainTextEdit::NoWrap);
    memHistory->setCursor(Qt::WhatsThisCursor);
    pcProblems = new QTabWidget;
    pcProblems->addTab(memLeftovers, QStringLiteral("Leftovers"));
    pcProblems->addTab(memHistory, QStringLiteral("History"));
    pcProblems->setTabToolTip(
        1, QStringLiteral("Shows a conversion history - this can help see exactly where something was misunderstood"));

    memResult = Memo(QStringLiteral("How the Text was interpreted"), true);
    btnClose = new QPushButton(QStringLiteral("Close"));
    btnClose->setToolTip(QStringLiteral("Close this window without doing anything else"));
    btnAccept = new QPushButton(QStringLiteral("Accept"));
    btnAccept->setToolTip(QStringLiteral("Accept the import, entering it into a new vehicle"));
    btnAccept->setEnabled(false);

    auto* gbText = Group(QStringLiteral(" Text "), memText);
    gbText->setStyleSheet(QStringLiteral("QGroupBox { color: navy; }"));
    auto* gbResult = Group(QStringLiteral(" Result "), memResult);
    auto* Buttons = new QHBoxLayout;
    Buttons->addStretch();
    Buttons->addWidget(btnAccept);
    Buttons->addWidget(btnClose);
    // The boxes a whole block is reviewed in show some lines at the least
    // and share what the form grows by, the result box most.
    const int Line = memResult->fontMetrics().lineSpacing();
    for (QPlainTextEdit* Box : {memLeftovers, memHistory, memResult})
        Box->setMinimumHeight(8 * Line);
    auto* Layout = new QVBoxLayout(this);
    Layout->addWidget(gbText, 1);
    Layout->addWidget(btnImport);
    Layout->addWidget(Group(QStringLiteral(" Problems "), pcProblems), 2);
    Layout->addWidget(gbResult, 3);
    Layout->addLayout(Buttons);

    connect(memText, &QPlainTextEdit::textChanged, this, &TfrmImport::memTextChange);
    connect(btnImport, &QPushButton::clicked, this, &TfrmImport::btnImportClick);
    connect(btnAccept, &QPushButton::clicked, this, &TfrmImport::btnAcceptClick);
    connect(btnClose, &QPushButton::clicked, this, &QWidget::close);
}

void TfrmImport::memTextChange()
{
    btnImport->setEnabled(!memText->toPlainText().trimmed().isEmpty());
    // The result stands for the text as it was imported: after an edit it is
    // no longer what Accept would build.
    btnAccept->setEnabled(false);
}

void TfrmImport::EmptyMems()
{
    memLeftovers->clear();
    memResult->clear();
    memHistory->clear();
}

void TfrmImport::btnImportClick()
{
    // A stage that fails leaves nothing of the last run to be accepted.
    EmptyMems();
    btnAccept->setEnabled(false);
    const QString Text = memText->toPlainText();
    if (Text.size() > MaxImportLength) {
        MessageDlg(QStringLiteral("The text is too long to be a vehicle description: it has %1 characters, "
                                  "and at most %2 are imported.")
                       .arg(Text.size())
                       .arg(MaxImportLength),
                   mtError, mbOK, 0);
        return;
    }
    TImportResult Out;
    ImportDescription(Text, Out);
    memResult->setPlainText(Out.Result.join(QLatin1Char('\n')));
    memHistory->setPlainText(Out.History.join(QLatin1Char('\n')));
    memLeftovers->setPlainText(Out.Leftovers);
    memResult->moveCursor(QTextCursor::Start);
    btnAccept->setEnabled(true);
}

void TfrmImport::btnAcceptClick()
{
    try {
        QString Report = AcceptImport(memResult->toPlainText().split(QLatin1Char('\n')), *frmMain);
        if (Report.isEmpty())
            return;
        Report = ReplaceLineBreaks(Report, QStringLiteral("\n"));
        Report.chop(1);
        // The report's first line stays in view, at the top of the box.
        const int First = memLeftovers->document()->isEmpty() ? 0 : memLeftovers->blockCount();
        memLeftovers->appendPlainText(Report);
        memLeftovers->setTextCursor(QTextCursor(memLeftovers->document()->findBlockByNumber(First)));
        memLeftovers->verticalScrollBar()->setValue(First);
    } catch (const std::exception& e) {
        // A result that cannot become a design is refused before the open
        // design is touched; the message says what failed.
        MessageDlg(QString::fromUtf8(e.what()), mtError, mbOK, 0);
    }
}

void TfrmImport::showEvent(QShowEvent* event)
{
    memText->clear();
    EmptyMems();
    pcProblems->setCurrentIndex(0);
    FImportAction->setEnabled(false);
    QWidget::showEvent(event);
}

void TfrmImport::closeEvent(QCloseEvent* event)
{
    btnAccept->setEnabled(false);
    FImportAction->setEnabled(true);
    QWidget::closeEvent(event);
}
