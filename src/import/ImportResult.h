#pragma once

#include <QString>
#include <QStringList>

// What stage 1 of the import leaves for the user and for stage 2: the result
// text (key lines "* Key: value", flag lines "* Key ", problem lines starting
// with "#", continuation lines), the conversion history and the leftovers.
struct TImportResult {
    QStringList Result;
    QStringList History;
    QString Leftovers;

    // Empties all three.
    void Clear();

    // One addition to the result text; a value holding line breaks becomes
    // several lines.
    void Add(const QString& Value);

    // One history line; Remains is the whole working text at that moment.
    void Log(const QString& What, const QString& Found, const QString& Remains);
};

// "* Key: Value" and "* Key ".
QString KeyLine(const QString& Key, const QString& Value);
QString FlagLine(const QString& Key);

// Stage 1: normalises the pasted text and runs the recognisers in their fixed
// order over it, filling Out afresh.
void ImportDescription(const QString& Text, TImportResult& Out);
