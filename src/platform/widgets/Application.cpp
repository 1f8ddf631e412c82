#include "platform/widgets/Application.h"

#include <exception>

TApplication::TApplication(int& argc, char** argv, TErrorShower showError)
    : QApplication(argc, argv), FShowError(std::move(showError))
{
}

bool TApplication::notify(QObject* receiver, QEvent* event)
{
    // Qt's widget modules are built without exception support, so an error
    // on its way here through them skips their clean-ups and may leave a
    // little memory behind; the event it was raised in is over either way.
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& e) {
        FShowError(QString::fromUtf8(e.what()));
    }
    return false;
}
