#pragma once

#include <QString>
#include <functional>

// Runs body in a child process whose files cannot grow beyond limit bytes: a
// write past the limit fails with "File too large", as a write to a full disk
// fails, instead of ending the process. Returns the text that body returned
// in the child, or "<child failed>" when the child did not end normally.
QString RunWithFileSizeLimit(long limit, const std::function<QString()>& body);
