#pragma once

#include <QString>

// Small routines that several parts of the program share.

// The number of files in the folder whose names end in ".png", in any case,
// hidden ones included; 0 when there are none or the folder is missing.
int CountPngFiles(const QString& folder);

// The file name without its folders, cut before its first "." (the
// recent-files menu and the window caption).
QString FileNameWithoutExt(const QString& path);

// (x1 - x2)² + (y1 - y2)²; EOverflow when it does not fit an int.
int SqrDistance(int x1, int y1, int x2, int y2);

// A normal deviate with mean 0 and standard deviation 0.4, drawn again until
// it lies strictly between -1 and 1 (the scatter of a shot).
double RandomGaussUnit();

// A whole number as an integer text ("2"), anything else with one decimal
// and the user's decimal separator ("0.5").
QString FloatToText(double value);

// Moves the path to the head of LastFiles: entries above its old place move
// down one; a new path pushes the oldest out.
void AddToLastFiles(const QString& path);

// The name's characters that are safe in a file name ("-", digits, ASCII
// letters, "_"), in their order; "VehicleName" when none is left.
QString SafeFileName(const QString& name);

// A value from a file as a message quotes it: whole up to 64 characters, else
// its first 64 and "…". Twice the longest name of any table still shows
// whole, and a box never has to lay out a value of megabytes.
QString BriefValue(const QString& value);
