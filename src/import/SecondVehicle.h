#pragma once

#include <QString>

// Two stat blocks pasted at once: where a second header or body starts
// after a complete block, the text from there on is cut off and returned
// (empty when the text holds one vehicle), so that the first block is read
// alone and nothing of the second mixes into it.
QString CutSecondVehicle(QString& Text);

// The line the leftovers show above the text of a second vehicle.
inline const QString SecondVehicleNote = QStringLiteral("A second vehicle follows; it was not read:");
