#pragma once

#include <QByteArray>
#include <QString>

class TVehicle;

// What the fuzz targets share. Each target calls SetUpOnce from its first
// input on; the program's error boxes go nowhere, so that a run prints only
// what libFuzzer has to say.
void SetUpOnce();

// A scratch folder of the run, removed at exit.
QString ScratchPath(const QString& name);

// Writes the bytes to the file, replacing it; false when it could not.
bool WriteFile(const QString& fileName, const QByteArray& bytes);
QByteArray ReadFile(const QString& fileName);

// What the main window asks of a design after every edit: every figure,
// every breakdown list, the combat texts, the validity check and both
// description texts. False when an error that the window reports (an
// overflow, a conversion error) ended it, as it ends the edit there; any
// other exception goes on to the fuzzer.
bool ComputeEverything(TVehicle& V);

// Ends the run with a crash report when a property of the program fails.
void Require(bool holds, const char* what);
