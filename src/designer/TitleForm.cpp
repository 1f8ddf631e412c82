// The title splash and its frame animation.

#include "designer/TitleForm.h"

#include "model/ErrorReport.h"
#include "platform/Errors.h"
#include "platform/FileLookup.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QPixmap>
#include <QShowEvent>
#include <QTimer>
#include <algorithm>

TfrmTitle* frmTitle = nullptr;

namespace {

const QString TitleFolder = QStringLiteral("Graphics/Title");

// The frames of the splash: every PNG of the title folder but the heading
// picture, sorted ignoring letter case.
QStringList TitleFrameNames()
{
    QStringList names;
    const QDir folder(ResolvePath(TitleFolder));
    for (const QString& name : folder.entryList({QStringLiteral("*.png")}, QDir::Files | QDir::Hidden | QDir::System)) {
        if (QFileInfo(name).completeBaseName().toUpper() != QLatin1String("LOGO"))
            names.append(name);
    }
    std::sort(names.begin(), names.end(),
              [](const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
    return names;
}

} // namespace

TfrmTitle::TfrmTitle(QWidget* parent) : TInfoForm(parent)
{
    setObjectName(QStringLiteral("frmTitle"));
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    setFixedSize(798, 500);

    imgTitle = new QLabel(this);
    imgTitle->setObjectName(QStringLiteral("imgTitle"));
    imgTitle->setGeometry(0, 0, 800, 500);
    imgTitle->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    imgTitle->setCursor(Qt::PointingHandCursor);
    // Any key closes the splash while the picture has the focus.
    imgTitle->setFocusPolicy(Qt::StrongFocus);
    imgTitle->installEventFilter(this);

    lblVersion = new QLabel(this);
    lblVersion->setObjectName(QStringLiteral("lblVersion"));
    lblVersion->setGeometry(0, 160, 798, 16);
    lblVersion->setAlignment(Qt::AlignCenter);
    lblVersion->setStyleSheet(QStringLiteral("color: yellow; background: transparent;"));

    imgHeading = new QLabel(this);
    imgHeading->setObjectName(QStringLiteral("imgHeading"));
    imgHeading->setGeometry(167, 24, 466, 128);

    tmrImage = new QTimer(this);
    tmrImage->setObjectName(QStringLiteral("tmrImage"));
    tmrImage->setInterval(500);
    connect(tmrImage, &QTimer::timeout, this, &TfrmTitle::tmrImageTimer);
}

void TfrmTitle::showEvent(QShowEvent* event)
{
    TInfoForm::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TfrmTitle::FormShow()
{
    // A frame that cannot be loaded must not escape the show event: it is
    // reported, and the splash goes without its animation.
    try {
        LoadTitleImages();
    } catch (const EError& e) {
        TitleFrames.clear();
        ReportError(e.Message(), QStringLiteral("TfrmTitle.LoadTitleImages"), 2);
    }
    imgTitle->setFocus();
    if (TitleFrames.empty()) {
        // Without a frame there is nothing to play: the splash closes at once.
        QMetaObject::invokeMethod(this, &TfrmTitle::CloseTitle, Qt::QueuedConnection);
        return;
    }
    tmrImage->start();
}

void TfrmTitle::LoadTitleImages()
{
    const QString logo = ResolvePath(TitleFolder + QStringLiteral("/Logo.png"));
    QPixmap heading;
    if (QFileInfo(logo).isFile() && heading.load(logo)) {
        imgHeading->setPixmap(heading);
        imgHeading->move(imgTitle->width() / 2 - heading.width() / 2, imgHeading->y());
        imgHeading->show();
    } else {
        imgHeading->hide();
    }

    TitleFrames.clear();
    for (const QString& name : TitleFrameNames()) {
        TBitmap32& frame = TitleFrames.emplace_back();
        frame.LoadFromFile(ResolvePath(TitleFolder) + QLatin1Char('/') + name);
    }
    TitleFrameIndex = 0;
    TitleFrameStep = 1;
    if (!TitleFrames.empty())
        ShowFrame(0);
    lblVersion->setText(QStringLiteral("v0.6.2ß"));
    // The splash is painted before the first frame change.
    QCoreApplication::processEvents();
}

void TfrmTitle::tmrImageTimer()
{
    tmrImage->stop();
    tmrImage->setInterval(TitleFrameStep > 0 ? 500 : 200);
    const int last = static_cast<int>(TitleFrames.size()) - 1;
    TitleFrameIndex = std::max(std::min(TitleFrameIndex, last), 0);
    ShowFrame(TitleFrameIndex);
    imgTitle->repaint();
    QCoreApplication::processEvents();
    // A key or a click while the frame was painted may have closed the
    // splash: then the timer stays off.
    if (!isVisible())
        return;
    TitleFrameIndex += TitleFrameStep;
    if (TitleFrameIndex < 0 || TitleFrameIndex > last) {
        // A pause at either end, then the frames play the other way.
        tmrImage->setInterval(2000);
        TitleFrameStep = -TitleFrameStep;
    }
    tmrImage->start();
}

void TfrmTitle::ShowFrame(int index)
{
    imgTitle->setPixmap(QPixmap::fromImage(TitleFrames[static_cast<size_t>(index)].Image()));
}

void TfrmTitle::CloseTitle()
{
    tmrImage->stop();
    close();
}

void TfrmTitle::CloseForm()
{
    CloseTitle();
}

bool TfrmTitle::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == imgTitle && event->type() == QEvent::KeyPress) {
        CloseTitle();
        return true;
    }
    return TInfoForm::eventFilter(watched, event);
}
