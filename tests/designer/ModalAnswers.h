#pragma once

#include "designer/DesignBrowser.h"
#include "designer/FileDialog.h"
#include "platform/widgets/MessageDlg.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <functional>

// Plays the user for the modal boxes and dialogs that a command shows: it
// records the text of every message box and presses the next caption of
// Buttons (a box beyond them is closed through its title bar), does Browse in
// the design browser, and answers the open and save dialogs with the next
// name of Files (an empty name cancels; no name left cancels too).
class TModalAnswers
{
public:
    TModalAnswers()
    {
        FTimer.setInterval(0);
        QObject::connect(&FTimer, &QTimer::timeout, [this] { Poll(); });
        FTimer.start();
        TFileDialog::Runner = [this](TFileDialog& dialog, QWidget*) {
            Offered.append(dialog.FileName);
            const QString answer = Files.isEmpty() ? QString() : Files.takeFirst();
            if (answer.isEmpty())
                return false;
            dialog.FileName = answer;
            return true;
        };
    }

    ~TModalAnswers() { TFileDialog::Runner = &TFileDialog::RunFileDialog; }

    TModalAnswers(const TModalAnswers&) = delete;
    TModalAnswers& operator=(const TModalAnswers&) = delete;

    QStringList Buttons;
    QStringList Messages;
    std::function<void(TfrmLoad&)> Browse;
    QStringList Files;
    // The names the file dialogs offered, one per run.
    QStringList Offered;

private:
    void Poll()
    {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* box = qobject_cast<TMessageForm*>(modal)) {
            Messages.append(box->MessageLabel()->text());
            const QString caption = Buttons.isEmpty() ? QString() : Buttons.takeFirst();
            for (QPushButton* button : box->Buttons()) {
                if (button->text().remove(QLatin1Char('&')) == caption) {
                    button->click();
                    return;
                }
            }
            box->reject();
        } else if (auto* browser = qobject_cast<TfrmLoad*>(modal)) {
            const auto browse = std::exchange(Browse, nullptr);
            if (browse)
                browse(*browser);
            else
                browser->close();
        }
    }

    QTimer FTimer;
};
