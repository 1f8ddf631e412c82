#pragma once

#include <QString>

// Compares a text with the one kept in a file beside the test. Run the tests
// with RIGSMITH_UPDATE_REFERENCES=1 to write the kept texts anew after a
// deliberate change, and read the difference before committing them.
void ExpectKeptText(const QString& actual, const QString& keptFile);
