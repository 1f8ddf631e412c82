#pragma once

#include <QString>

// What the settings file remembers of the design browser and the import form:
// their bounds and the browser's sort state. Kept as read, and written back
// as they stand, until those forms take them over.
struct TStoredBounds {
    int Left = -1;
    int Top = -1;
    int Width = -1;
    int Height = -1;
};

extern TStoredBounds LoadFormBounds;
extern TStoredBounds ImportFormBounds;
extern int LoadSortColumn;
extern bool LoadSortDescending;

// The design that the option AutoLoad reopens at start-up. It becomes the
// design's file name only once it has loaded, so a design that failed to
// open is never the target of the next Save.
extern QString RememberedFileName;
