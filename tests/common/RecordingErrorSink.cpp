#include "common/RecordingErrorSink.h"

#include "model/ErrorReport.h"

TRecordingErrorSink::TRecordingErrorSink()
{
    SetErrorSink([this](const QString& text) { FTexts.append(text); });
}

TRecordingErrorSink::~TRecordingErrorSink()
{
    SetErrorSink(nullptr);
}
