#pragma once

#include <QString>

// The data, picture and design folders were written for a file system that
// ignores letter case. ResolvePath returns the path as given when it exists;
// otherwise, folder by folder, the first entry whose name matches without
// regard to case; otherwise the path as given.
QString ResolvePath(const QString& path);
