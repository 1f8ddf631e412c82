#pragma once

#include <QString>

// Parts written as labelled lines ("Chassis: Heavy", "Susp: Imp.", "Body:
// Compact") rewritten the way the recognisers read them, the value before
// its keyword ("Heavy Chassis", "Imp. Suspension", "Compact"), so that the
// value after a label is read for that label and no other.
QString PutValuesBeforeLabels(const QString& Text);
