#pragma once

#include <QString>

// What the settings file remembers of the import form: its bounds. Kept as
// read, and written back as they stand, until the form takes them over.
struct TStoredBounds {
    int Left = -1;
    int Top = -1;
    int Width = -1;
    int Height = -1;
};

extern TStoredBounds ImportFormBounds;

// The design that the option AutoLoad reopens at start-up. It becomes the
// design's file name only once it has loaded, so a design that failed to
// open or was not there is never the target of the next Save. Until another
// design is opened or saved under a name of its own, it is the one written
// back to reopen at the next start.
extern QString RememberedFileName;
