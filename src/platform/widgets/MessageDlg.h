#pragma once

#include <QDialog>
#include <QPoint>
#include <QString>
#include <QVector>
#include <cstdint>

class QFont;
class QLabel;
class QPushButton;
class QScrollArea;

// The program's own message box: a stock icon, the word-wrapped message and a
// centred row of buttons with English captions, laid out from the average
// character size of its font so that it grows with the message.

enum TMsgDlgType : std::uint8_t {
    mtWarning = 0,
    mtError = 1,
    mtInformation = 2,
    mtConfirmation = 3,
    mtCustom = 4,
};

enum TMsgDlgBtn : std::uint8_t {
    mbYes = 0,
    mbNo = 1,
    mbOK = 2,
    mbCancel = 3,
    mbAbort = 4,
    mbRetry = 5,
    mbIgnore = 6,
    mbAll = 7,
    mbHelp = 8,
};

// A set of buttons, bit k for button k. Built as mbYes | mbNo, a single button
// converts on its own, TMsgDlgButtons() is the empty set.
class TMsgDlgButtons
{
public:
    constexpr TMsgDlgButtons() = default;
    constexpr TMsgDlgButtons(TMsgDlgBtn button) : FBits(static_cast<std::uint16_t>(1u << button)) {}

    constexpr bool Contains(TMsgDlgBtn button) const { return (FBits & (1u << button)) != 0; }
    constexpr std::uint16_t Bits() const { return FBits; }

    friend constexpr TMsgDlgButtons operator|(TMsgDlgButtons a, TMsgDlgButtons b)
    {
        TMsgDlgButtons result;
        result.FBits = static_cast<std::uint16_t>(a.FBits | b.FBits);
        return result;
    }
    friend constexpr bool operator==(TMsgDlgButtons a, TMsgDlgButtons b) = default;

private:
    std::uint16_t FBits = 0;
};

constexpr TMsgDlgButtons operator|(TMsgDlgBtn a, TMsgDlgBtn b)
{
    return TMsgDlgButtons(a) | TMsgDlgButtons(b);
}

// What closed the box. The title bar's close button gives mrCancel.
enum TModalResult : std::uint16_t {
    mrNone = 0,
    mrOk = 1,
    mrCancel = 2,
    mrAbort = 3,
    mrRetry = 4,
    mrIgnore = 5,
    mrYes = 6,
    mrNo = 7,
    mrAll = 8,
};

// X = the width of "A".."Z" "a".."z" in the font divided by 52 (integer
// division), Y = the height of that text.
QPoint GetAveCharSize(const QFont& font);

// The box, fully built and placed but not yet shown, so that it can be
// looked at and driven without a modal loop. Enter presses the default button
// (Yes or OK), Esc the cancel button (No or Cancel) and does nothing without
// one; Help leaves the box open.
class TMessageForm : public QDialog
{
    Q_OBJECT

public:
    // X and Y are the box's left and top edges in screen pixels; when either
    // is negative the box is centred on the screen.
    TMessageForm(const QString& msg, TMsgDlgType dlgType, TMsgDlgButtons buttons, int x, int y);

    // The buttons in the order shown, left to right.
    const QVector<QPushButton*>& Buttons() const { return FButtons; }
    QLabel* MessageLabel() const { return FMessage; }
    // Null unless the message is too tall for the screen and scrolls.
    QScrollArea* MessageScroller() const { return FMessageScroller; }
    // Null for mtCustom.
    QLabel* IconImage() const { return FIcon; }

    // Closing the box through its title bar answers as Cancel does.
    void reject() override;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QVector<QPushButton*> FButtons;
    QPushButton* FCancelButton = nullptr;
    QLabel* FMessage = nullptr;
    QScrollArea* FMessageScroller = nullptr;
    QLabel* FIcon = nullptr;
};

// Shows the box modally at (X, Y), centred when either is negative, and
// returns the result of the button that closed it. There is no help system:
// helpCtx is accepted for the callers' sake and the Help button shows nothing.
std::uint16_t MessageDlgPos(const QString& msg, TMsgDlgType dlgType, TMsgDlgButtons buttons,
                            int helpCtx, int x, int y);
// The box centred on the screen.
std::uint16_t MessageDlg(const QString& msg, TMsgDlgType dlgType, TMsgDlgButtons buttons, int helpCtx);
