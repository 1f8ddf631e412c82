#pragma once

#include <QStringList>

// Installs itself as the error sink for its lifetime and records every error
// box text that would have been shown.
class TRecordingErrorSink
{
public:
    TRecordingErrorSink();
    ~TRecordingErrorSink();
    TRecordingErrorSink(const TRecordingErrorSink&) = delete;
    TRecordingErrorSink& operator=(const TRecordingErrorSink&) = delete;

    const QStringList& Texts() const { return FTexts; }
    void Clear() { FTexts.clear(); }

private:
    QStringList FTexts;
};
