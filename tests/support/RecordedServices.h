#pragma once
// Fresh recording services for a test of the windows: nothing reaches the desktop, and what
// would have is in record.
#include "controls/ServiceSets.h"

#include <memory>

inline std::unique_ptr<Services> RecordingServices(const QString& pdfFile = QString())
{
    auto services = std::make_unique<Services>();
    UseRecordingServices(*services, pdfFile);
    return services;
}
