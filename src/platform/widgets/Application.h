#pragma once

#include <QApplication>

#include <exception>
#include <functional>
#include <type_traits>

// The application object of the window program. An error that the handlers of
// an event let through ends that event, not the program: its text goes to the
// shower given at construction (the standard error box) and the message loop
// goes on with the next event. A handler that wants to handle an error itself
// catches it before.
class TApplication : public QApplication
{
public:
    using TErrorShower = std::function<void(const QString& message)>;

    TApplication(int& argc, char** argv, TErrorShower showError);

    bool notify(QObject* receiver, QEvent* event) override;

    // Shows the error as the message loop does. Called from a catch block;
    // without a TApplication (a benchmark's plain application) the error goes
    // on to the caller.
    static void ShowError(const std::exception& error);

private:
    TErrorShower FShowError;
};

// A write past the file-size limit of the process (a shell's ulimit) would
// end the program by the signal the system sends, with unsaved work and
// settings lost; ignored, the write fails with "File too large" and the save
// reports it, as on a full disk. Done by the application object.
void FailWritesPastFileSizeLimit();

// Before each repaint Qt takes from every control waiting for it the area of
// each opaque sibling stacked above it, which among the thousands of sibling
// controls of many rows costs the square of their count. That step only
// matters where a shown control lies over another, which no window of the
// program lets happen: controls are laid out side by side, and a box that
// another takes the place of is hidden while it is covered. So the program
// repaints without it; a control that lay under another would paint over it.
// Called before the first window is shown.
void RepaintWithoutCoveredAreas();

// A handler for a control's signal that shows its own errors as the message
// loop would. Qt's widget code cannot pass an error on: one raised through a
// control's signal skips the control's clean-ups, so it stops in the handler.
// The handler takes the signal's arguments or none.
template <typename THandler>
auto ShowingErrors(THandler handler)
{
    const auto run = [](auto&& call) {
        try {
            call();
        } catch (const std::exception& error) {
            TApplication::ShowError(error);
        }
    };
    // Which of the two is told by the handler alone, so that every compiler
    // sees only the call that the handler can take; Qt's probe of how many of
    // the signal's arguments it takes meets the constraint, not an error.
    if constexpr (std::is_invocable_v<THandler>)
        return [handler, run](auto&&...) { run(handler); };
    else
        return [handler, run](auto&&... args) -> void
                   requires std::is_invocable_v<const THandler&, decltype(args)...>
        { run([&] { handler(args...); }); };
}
