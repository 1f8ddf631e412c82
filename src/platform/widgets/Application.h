#pragma once

#include <QApplication>
#include <functional>

// The application object of the window program. An error that the handlers of
// an event let through ends that event, not the program: its text goes to the
// shower given at construction (the standard error box) and the message loop
// goes on with the next event. This is the one place where such errors are
// caught; a handler that wants to handle an error itself catches it before.
class TApplication : public QApplication
{
public:
    using TErrorShower = std::function<void(const QString& message)>;

    TApplication(int& argc, char** argv, TErrorShower showError);

    bool notify(QObject* receiver, QEvent* event) override;

private:
    TErrorShower FShowError;
};
