// The program block: the application, its title, the main window and the
// message loop.

#include "designer/AboutForm.h"
#include "designer/DataUsedForm.h"
#include "designer/MainWindow.h"
#include "designer/TitleForm.h"

#include "model/ErrorReport.h"
#include "platform/widgets/Application.h"
#include "platform/widgets/MessageDlg.h"

int main(int argc, char** argv)
{
    TApplication application(argc, argv, ShowUncaughtError);
    QApplication::setApplicationName(QStringLiteral("Rigsmith"));
    SetErrorSink([](const QString& text) { MessageDlg(text, mtError, mbOK, 0); });

    TfrmMain window(TProgramPaths::FromApplication());
    if (!window.Init())
        return 1;
    TfrmAbout about;
    frmAbout = &about;
    TfrmTitle title;
    frmTitle = &title;
    TfrmDataUsed dataUsed;
    frmDataUsed = &dataUsed;
    window.show();
    return application.exec();
}
