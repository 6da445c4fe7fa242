#pragma once
// The sound service: the desktop's plays through the sound module, the recording one
// records each call.
#include "platform/Services.h"

struct SoundModule;

class DesktopSound : public SoundService
{
public:
    DesktopSound();
    ~DesktopSound() override;

    void play(const QString& file, int flags) override;

    // The sound module can be loaded (the machine may still have no audio output).
    bool playerAvailable();

private:
    const SoundModule& module();

    std::unique_ptr<SoundModule> m_module;   // loaded on first use
    bool m_started = false;   // whether anything was played: stopping needs no module before
};

class RecordingSound : public SoundService
{
public:
    explicit RecordingSound(BatchRecord& record) : m_record(record) {}
    void play(const QString& file, int flags) override { m_record.recordSound(file, flags); }

private:
    BatchRecord& m_record;
};
