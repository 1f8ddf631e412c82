// Writes the sample designs into the folder given, with the rules tables of
// the working folder's Data folder.
#include "SampleDesigns.h"

#include "model/Global.h"
#include "model/RulesReaders.h"
#include "model/SettingsVariables.h"

#include <QCoreApplication>
#include <QDir>
#include <cstdio>
#include <exception>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: rigsmith_sampledesigns_tool <runtime folder> <designs folder>\n");
        return 2;
    }
    const QString designs = QDir(QString::fromLocal8Bit(argv[2])).absolutePath();
    QDir::setCurrent(QString::fromLocal8Bit(argv[1]));
    SetSettingsDefaults(QDir::currentPath());
    ReadAllTypes();
    try {
        return WriteSampleDesigns(designs) ? 0 : 1;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
}
