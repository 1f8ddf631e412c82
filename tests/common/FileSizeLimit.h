#pragma once

#include <QString>
#include <functional>

// Runs body in a child process whose files cannot grow beyond limit bytes,
// set up as the program sets itself up: the signal that a write past the
// limit sends has its default action (ending the process) until the
// program's own start-up step is applied, so that a write past the limit
// fails with "File too large", as a write to a full disk fails, only because
// the program made it so. Without that step (programSetUp false) the child
// ends by the signal. Returns the text that body returned in the child, or
// "<child failed>" when the child did not end normally.
QString RunWithFileSizeLimit(long limit, const std::function<QString()>& body, bool programSetUp = true);
