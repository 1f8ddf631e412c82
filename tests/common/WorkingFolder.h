#pragma once

#include <QDir>
#include <QString>

// Makes a folder the working folder for its lifetime: the program finds its
// Data, Graphics and Designs folders relative to it.
class TWorkingFolder
{
public:
    explicit TWorkingFolder(const QString& folder) : FPrevious(QDir::currentPath()) { QDir::setCurrent(folder); }
    ~TWorkingFolder() { QDir::setCurrent(FPrevious); }
    TWorkingFolder(const TWorkingFolder&) = delete;
    TWorkingFolder& operator=(const TWorkingFolder&) = delete;

private:
    QString FPrevious;
};
