#include "platform/widgets/Application.h"

#include <csignal>

void FailWritesPastFileSizeLimit()
{
    std::signal(SIGXFSZ, SIG_IGN);
}

void RepaintWithoutCoveredAreas()
{
    qputenv("QT_NO_SUBTRACTOPAQUESIBLINGS", "1");
}

TApplication::TApplication(int& argc, char** argv, TErrorShower showError)
    : QApplication(argc, argv), FShowError(std::move(showError))
{
    RepaintWithoutCoveredAreas();
    FailWritesPastFileSizeLimit();
}

bool TApplication::notify(QObject* receiver, QEvent* event)
{
    // The net under the handlers of events that no ShowingErrors guards;
    // such an error may have skipped clean-ups of Qt's on its way here, and
    // the event it was raised in is over either way.
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& e) {
        ShowError(e);
    }
    return false;
}

void TApplication::ShowError(const std::exception& error)
{
    auto* application = dynamic_cast<TApplication*>(QCoreApplication::instance());
    if (application == nullptr)
        throw;
    application->FShowError(QString::fromUtf8(error.what()));
}
