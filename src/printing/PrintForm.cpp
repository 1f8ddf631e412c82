#include "printing/PrintForm.h"

#include "gamecar/Graphics.h"
#include "model/ErrorReport.h"
#include "model/Global.h"
#include "platform/Errors.h"
#include "platform/FileLookup.h"
#include "platform/widgets/MessageDlg.h"
#include "printing/PrintUtils.h"

#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPixmap>

TBitmap32* LogoImage = nullptr;
TBitmap32* CounterImage = nullptr;
TfrmPrint* frmPrint = nullptr;

namespace {

QFont FormFont()
{
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    font.setPixelSize(11);
    return font;
}

const QString RecordSheetHint = QStringLiteral("Print the standard Vehicular Record Sheet for use by the player");
const QString DuelSheetHint =
    QStringLiteral("This sheet is more useful for experienced duelists - in the end, however, it's a matter of taste");

QGroupBox* SheetGroup(QWidget* parent, const char* name, const QString& caption, const QString& hint, int x)
{
    auto* group = new QGroupBox(caption, parent);
    group->setObjectName(QLatin1String(name));
    group->setGeometry(x, 0, 273, 393);
    group->setToolTip(hint);
    group->setStyleSheet(QStringLiteral("QGroupBox { color: navy; }"));
    return group;
}

// The stored picture of a sheet, scaled to fit; a missing picture leaves the
// preview blank, and a click on it prints all the same.
QLabel* SheetPreview(QGroupBox* group, const char* name, const QString& hint, Qt::Alignment alignment,
                     const QString& picture)
{
    auto* image = new QLabel(group);
    image->setObjectName(QLatin1String(name));
    image->setGeometry(8, 16, 257, 364);
    image->setCursor(Qt::PointingHandCursor);
    image->setToolTip(hint);
    image->setAlignment(alignment);
    const QPixmap pixmap(ResolvePath(picture));
    if (!pixmap.isNull())
        image->setPixmap(pixmap.scaled(image->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
    return image;
}

// How far a hand-set page may be smaller than the printer's own, and its
// fonts differ from their sizes, before the sheet comes out visibly wrong: a
// tenth. A page larger than the printer's by a single pixel is too large:
// the sheet's right-hand column reaches to the layout's edge, so that a
// larger page puts it off the paper.
constexpr double PageTolerance = 0.1;

bool Differs(double ratio)
{
    return ratio < 1 - PageTolerance || ratio > 1 + PageTolerance;
}

// How many times the layout space a hand-set page may be on either side
// (2400 dots per inch on A4).
constexpr int MaxHandSetScale = 4;

// A hand-set page whose sheet cannot be computed, or not in reasonable time.
void ReportTooLargeResolution()
{
    ReportError(QStringLiteral("The hand-set printer resolution of %1 x %2 pixels is too large for the sheet to be "
                               "computed: set a smaller one at \"Set printer resolution\" in the options.")
                    .arg(PageWidth)
                    .arg(PageHeight),
                QStringLiteral("PrintSheet"), 2);
}

// What is wrong with the sheet the hand-set printer resolution (PrinterRes)
// would give on this printer, or nothing when it suits it. The sheet is laid
// out on the hand-set page, so on another page it fills only part of it or
// runs off it; and its fonts are scaled by the hand-set height, so that only
// a page of half the layout's height prints them at their sizes.
QString HandSetResolutionFault()
{
    QString fault;
    const int width = Printer().PageWidth();
    const int height = Printer().PageHeight();
    if (width > 0 && height > 0) {
        const double across = double(PageWidth) / width;
        const double down = double(PageHeight) / height;
        const bool larger = PageWidth > width || PageHeight > height;
        if (larger || across < 1 - PageTolerance || down < 1 - PageTolerance)
            fault += QStringLiteral("The hand-set printer resolution of %1 x %2 pixels does not match this printer's "
                                    "page of %3 x %4 pixels: the sheet would take %5 % of the page's width and %6 % "
                                    "of its height.")
                         .arg(PageWidth)
                         .arg(PageHeight)
                         .arg(width)
                         .arg(height)
                         .arg(qRound(100 * across))
                         .arg(qRound(100 * down));
    }
    const int ten = ScaleFontSize(10);
    if (Differs(ten / 10.0)) {
        if (!fault.isEmpty())
            fault += QLatin1Char(' ');
        fault += QStringLiteral("At a hand-set height of %1 pixels the texts would print at %2 times their size "
                                "(a size-10 text at %3 points).")
                     .arg(PageHeight)
                     .arg(QString::number(ten / 10.0))
                     .arg(ten);
    }
    return fault;
}

// The cursor shows the hourglass while a sheet is drawn, and the print job
// ends however the drawing ends.
class TPrintJob
{
public:
    TPrintJob() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~TPrintJob()
    {
        if (FStarted)
            Printer().EndDoc();
        QApplication::restoreOverrideCursor();
    }
    TPrintJob(const TPrintJob&) = delete;
    TPrintJob& operator=(const TPrintJob&) = delete;

    bool Start() { return FStarted = Printer().BeginDoc(); }
    // The job is dropped: nothing of it is printed or left in a file.
    void Abort()
    {
        FStarted = false;
        Printer().Abort();
    }

private:
    bool FStarted = false;
};

} // namespace

TfrmPrint::TfrmPrint(QWidget* owner, const TBitmap32& layoutPicture) : QDialog(owner), FLayoutPicture(layoutPicture)
{
    setObjectName(QStringLiteral("frmPrint"));
    setWindowTitle(QStringLiteral("Print the Vehicle Record Sheet"));
    setFont(FormFont());
    resize(578, 448);

    auto action = [this](QAction*& target, const char* name, const QString& caption, const QString& hint) {
        target = new QAction(caption, this);
        target->setObjectName(QLatin1String(name));
        target->setToolTip(hint);
        target->setStatusTip(hint);
    };
    action(acPrintRecordSheet, "acPrintRecordSheet", QStringLiteral("Vehicle Record Sheet"), RecordSheetHint);
    action(acPrintDuelSheet, "acPrintDuelSheet", QStringLiteral("Duel Sheet"), DuelSheetHint);
    action(acReturn, "acReturn", QStringLiteral("Main Menu"), QStringLiteral("Return to the Main Menu"));
    connect(acPrintRecordSheet, &QAction::triggered, this, &TfrmPrint::acPrintRecordSheetExecute);
    connect(acPrintDuelSheet, &QAction::triggered, this, &TfrmPrint::acPrintDuelSheetExecute);
    connect(acReturn, &QAction::triggered, this, &TfrmPrint::acReturnExecute);

    auto* mnuPrint = new QMenuBar(this);
    mnuPrint->setObjectName(QStringLiteral("mnuPrint"));
    QMenu* print = mnuPrint->addMenu(QStringLiteral("Print"));
    print->addAction(acPrintRecordSheet);
    print->addAction(acPrintDuelSheet);
    print->addSeparator();
    QAction* mnuMainMenu = print->addAction(QStringLiteral("Return to Main Menu"));
    mnuMainMenu->setObjectName(QStringLiteral("mnuMainMenu"));
    connect(mnuMainMenu, &QAction::triggered, acReturn, &QAction::trigger);
    QMenu* fablor = mnuPrint->addMenu(QStringLiteral("Fablor"));
    fablor->setObjectName(QStringLiteral("mnupFablor"));
    const char* const jokes[] = {"Undo Stupid Changes", "Read Boss' Mind",  "Adjust Boss' Attitude",
                                 "Create Idea",         "Insert Brilliance", "Extend Deadline",
                                 "Enhance Salary",      "Find Better Client", "Restore Wasted Evenings",
                                 "Save Weekend"};
    for (int i = 0; i < 10; ++i) {
        connect(fablor->addAction(QLatin1String(jokes[i])), &QAction::triggered, this, &TfrmPrint::FablorClick);
        if (i == 0 || i == 2 || i == 4 || i == 5 || i == 8)
            fablor->addSeparator();
    }

    // The sheets sit below the menu bar, in client coordinates.
    auto* client = new QWidget(this);
    client->setGeometry(0, mnuPrint->sizeHint().height(), 578, 448);
    gbRecordSheet = SheetGroup(client, "gbRecordSheet", QStringLiteral(" Vehicle Record Sheet "), RecordSheetHint, 8);
    gbWalkaround = SheetGroup(client, "gbWalkaround", QStringLiteral(" Duel Sheet "), DuelSheetHint, 288);
    gbWalkaround->setCursor(Qt::PointingHandCursor);
    imgDefault = SheetPreview(gbRecordSheet, "imgDefault", RecordSheetHint, Qt::AlignCenter,
                              QStringLiteral("Graphics/Preview/RecordSheet.png"));
    imgDuel = SheetPreview(gbWalkaround, "imgDuel", DuelSheetHint, Qt::AlignLeft | Qt::AlignTop,
                           QStringLiteral("Graphics/Preview/DuelSheet.png"));
    imgDefault->installEventFilter(this);
    imgDuel->installEventFilter(this);
    resize(578, 448 + mnuPrint->sizeHint().height());
}

TfrmPrint::~TfrmPrint()
{
    FreeSheetImages();
}

bool TfrmPrint::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonRelease && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        if (watched == imgDefault) {
            acPrintRecordSheetExecute();
            return true;
        }
        if (watched == imgDuel) {
            acPrintDuelSheetExecute();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TfrmPrint::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TfrmPrint::SetupPrint(TGameCar* Car, bool SkipFont)
{
    if (!LogoImage)
        LogoImage = new TBitmap32;
    TBitmap32 scratch;
    const QString logo = OldLogo ? QStringLiteral("Graphics/Logo2.png") : QStringLiteral("Graphics/Logo.png");
    LoadImage(*LogoImage, scratch, ResolvePath(logo));
    if (!CounterImage)
        CounterImage = new TBitmap32;
    CounterImage->SetSize(50, 100);
    ReadPrinterMetrics();
    FCar = Car;
    // Where the sheet font is not registered, the vehicle name's family is
    // asked for by name and a sans face stands in where it is missing.
    if (!SkipFont)
        RegisterSheetFont();
}

void TfrmPrint::FreeSheetImages()
{
    UnregisterSheetFont();
    delete CounterImage;
    CounterImage = nullptr;
    delete LogoImage;
    LogoImage = nullptr;
}

void TfrmPrint::PrintSheet(int Kind, TGameCar* Car)
{
    if (Car)
        FCar = Car;
    ReadPrinterMetrics();
    // A page without pixels would come out blank, as if printed: the user
    // is told instead, and no job is started.
    if (PageWidth <= 0 || PageHeight <= 0 || Printer().PixelsPerInchY() <= 0) {
        ReportError(QStringLiteral("The printer resolution of %1 x %2 pixels at %3 pixels per inch cannot hold a sheet.")
                        .arg(PageWidth)
                        .arg(PageHeight)
                        .arg(Printer().PixelsPerInchY()),
                    QStringLiteral("PrintSheet"), 2);
        return;
    }
    // A hand-set page many times the finest printer's is refused before the
    // job starts, as one whose figures cannot be computed: drawing it would
    // hold the program for long and write a file of tens of megabytes.
    if (PrinterRes && (qint64(PageWidth) > qint64(MaxHandSetScale) * LayoutWidth
                       || qint64(PageHeight) > qint64(MaxHandSetScale) * LayoutHeight)) {
        ReportTooLargeResolution();
        return;
    }
    // A hand-set resolution that would garble the sheet is named before the
    // job starts; the user may print all the same.
    if (PrinterRes) {
        const QString fault = HandSetResolutionFault();
        if (!fault.isEmpty()
            && MessageDlg(fault + QStringLiteral("\r\nPrint the sheet all the same?"), mtWarning, mbOK | mbCancel, 0)
                   != mrOk)
            return;
    }
    Printer().Title = QStringLiteral("Roadvex Record Sheet");
    TPrintJob job;
    if (!job.Start())
        return;
    try {
        PrintImage(FLayoutPicture, PlanX, PlanY, PlanFactor);
        PrintBox(1, 540, 1857, 2177);
        if (LogoImage)
            PrintImage(*LogoImage, 0, 0, 4);
        if (Kind == 0)
            PrintRecordSheet();
        else if (Kind == 1)
            PrintDuelSheet();
    } catch (const EOverflow&) {
        // The sheet's figures on a hand-set page so large that they leave
        // the integers they are computed in: the setting is named, and
        // nothing of the sheet is left behind.
        if (!PrinterRes)
            throw;
        job.Abort();
        ReportTooLargeResolution();
    }
}

void TfrmPrint::PrintRecordSheet()
{
    PrintTitleBlock(1900, 7, 2855);
    PrintNames(1900, 540, 2855);
    PrintDriverSkills(1900, 750, 1422);
    PrintGunnerSkills(3333, 750, 1422);
    PrintBasicInfo(1900, 1219, 1422);
    PrintPerformance(1900, 1979, 1422, 719, false);
    PrintHandling(3333, 1219, 1422);
    PrintDecelerationTable(3333, 1657, 1422);
    PrintArmor(1, 500, 1857);
    PrintTires(1, 3510, 1857);
    PrintDescription(1900, 2760, 2855, 1070, false);
    PrintWeaponTable(1, 3900, 4755);
    PrintSpeedTrack(1, 5093, 4755);
    PrintHandlingTrack(1, 5636, 4755);
    PrintDifficultyTrack(1, 5879, 4755);
    PrintYesNoBox(QStringLiteral("Acc./Dec. this turn:"), 0, 6122, 905);
    PrintYesNoBox(QStringLiteral("Fired this turn:"), 1132, 6122, 905);
    PrintNotes(1, 2760, 1857, 680);
    PrintLegalNotice(3400, 6110);
    PrintOptionsLine(0, 6340);
    PrintCounterStrip();
}

void TfrmPrint::PrintDuelSheet()
{
    PrintTitleBlock(1900, 7, 2855);
    PrintNames(1900, 540, 2855);
    PrintDriverSkills(1900, 750, 1422);
    PrintGunnerSkills(3333, 750, 1422);
    PrintBasicInfo(1900, 1219, 1422);
    PrintPerformance(3333, 1219, 1422, 730, true);
    PrintDescription(1900, 1979, 2855, 719, false);
    PrintArmor(1, 500, 1857);
    PrintDuelWeaponTable(1, 2760, 1857);
    PrintTurnGrid(1900, 2760, 2855, 3100);
    PrintYesNoBox(QStringLiteral("Acc./Dec. this turn:"), 1, 3880, 905);
    PrintYesNoBox(QStringLiteral("Fired this turn:"), 953, 3880, 905);
    PrintNotes(1, 4100, 1857, 1760);
    PrintOptionsLine(0, 5910);
    PrintLegalNotice(2380, 6200);
    PrintCounterStrip();
}

void TfrmPrint::acPrintRecordSheetExecute()
{
    PrintSheet(0, nullptr);
}

void TfrmPrint::acPrintDuelSheetExecute()
{
    PrintSheet(1, nullptr);
}

void TfrmPrint::acReturnExecute()
{
    close();
}

void TfrmPrint::FablorClick()
{
    MessageDlg(QStringLiteral("Yeah... right... *sigh*"), mtError, mbOK, 0);
}
