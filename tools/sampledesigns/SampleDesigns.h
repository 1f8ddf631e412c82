#pragma once

#include <QString>
#include <vector>

class TVehicle;

// The sample designs shipped in Designs/, built in code from the shipped
// rules tables, so that the files are always what our own Save writes.
struct TSampleDesign {
    const char* FileName;
    void (*Build)(TVehicle& Vehicle);
};

// VezeRidiv.vx first: the settings' default design and default opponent.
const std::vector<TSampleDesign>& SampleDesigns();

// Writes every sample design into Folder; false after a reported failure.
bool WriteSampleDesigns(const QString& Folder);
