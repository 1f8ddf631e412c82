#pragma once

#include <functional>

class QLabel;

// Labels have no click signal: onClick runs when the mouse button is released
// over the label, which shows the hand cursor.
void ConnectLabelClick(QLabel* label, std::function<void()> onClick);
