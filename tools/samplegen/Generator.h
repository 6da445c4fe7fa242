#pragma once
// Writes the whole sample installation into a folder.
#include <QString>

struct GeneratorOptions
{
    QString outDir;
    bool textOnly = false;     // data and text files only (used by --verify)
};

// The fixed seed of the committed sample.
constexpr quint64 kSampleSeed = 0x7E0A17A1EC0DEull;

bool GenerateSample(const GeneratorOptions& options);
// Window pictures of the program (start image, banners) into a resources folder.
bool GenerateResources(const QString& resourcesDir);
// Regenerates the text files into a temporary folder and compares them with dir.
int VerifySample(const QString& dir);
