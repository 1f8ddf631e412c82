#include "FuzzCommon.h"

#include "gamecar/OfficialDescription.h"
#include "gamecar/OutsiderDescription.h"
#include "model/ErrorReport.h"
#include "model/Global.h"
#include "model/Vehicle.h"
#include "model/VehicleFigures.h"
#include "platform/Errors.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

namespace {

QTemporaryDir& Scratch()
{
    static QTemporaryDir dir;
    return dir;
}

} // namespace

void SetUpOnce()
{
    static bool done = false;
    if (done)
        return;
    done = true;
    static int argc = 1;
    static char name[] = "fuzz";
    static char* argv[] = {name, nullptr};
    static QCoreApplication application(argc, argv);
    SetErrorSink([](const QString&) {});
}

QString ScratchPath(const QString& name)
{
    return Scratch().filePath(name);
}

bool WriteFile(const QString& fileName, const QByteArray& bytes)
{
    QFile file(fileName);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

QByteArray ReadFile(const QString& fileName)
{
    QFile file(fileName);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool ComputeEverything(TVehicle& V)
{
    try {
        ComputeFigures(V);
        QString text;
        OfficialDescription(V, true, text);
        OutsiderDescription(V, text);
        return true;
    } catch (const EError&) {
        return false;
    }
}

void Require(bool holds, const char* what)
{
    if (holds)
        return;
    std::fprintf(stderr, "Property failed: %s\n", what);
    std::abort();
}
