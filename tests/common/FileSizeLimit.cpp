#include "common/FileSizeLimit.h"

#include "platform/widgets/Application.h"

#include <QByteArray>

#include <csignal>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

QString RunWithFileSizeLimit(long limit, const std::function<QString()>& body, bool programSetUp)
{
    const QString failed = QStringLiteral("<child failed>");
    int channel[2];
    if (pipe(channel) != 0)
        return failed;
    const pid_t child = fork();
    if (child < 0) {
        close(channel[0]);
        close(channel[1]);
        return failed;
    }
    if (child == 0) {
        close(channel[0]);
        std::signal(SIGXFSZ, SIG_DFL);
        if (programSetUp)
            FailWritesPastFileSizeLimit();
        const rlimit size{static_cast<rlim_t>(limit), static_cast<rlim_t>(limit)};
        int status = 1;
        if (setrlimit(RLIMIT_FSIZE, &size) == 0) {
            const QByteArray text = body().toUtf8();
            status = write(channel[1], text.constData(), text.size()) == text.size() ? 0 : 1;
        }
        // Leaves at once: nothing of the parent's state is torn down twice.
        _exit(status);
    }
    close(channel[1]);
    QByteArray text;
    char buffer[4096];
    for (ssize_t count; (count = read(channel[0], buffer, sizeof buffer)) != 0;) {
        if (count < 0)
            break;
        text.append(buffer, count);
    }
    close(channel[0]);
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? QString::fromUtf8(text) : failed;
}
