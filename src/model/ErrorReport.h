#pragma once

#include <QString>
#include <functional>

// Where caught errors reach the user. The model opens no window: the designer
// installs a sink that shows the error box, tests install one that records.
// Without a sink the text goes to the standard error stream.
using TErrorSink = std::function<void(const QString& text)>;
void SetErrorSink(TErrorSink sink);

// With level 2, hands "An error occured in <where>:\r\n<msg>" to the sink;
// any other level does nothing.
void ReportError(const QString& msg, const QString& where, int level);

// An error that no routine caught, as the message loop shows it: the sink
// gets the error's own text, without a place.
void ShowUncaughtError(const QString& msg);
