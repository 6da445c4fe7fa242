#include "Sound.h"

#include <QVector>
#include <cmath>

#include "Rng.h"

namespace {

constexpr int kRate = 22050;

void Pluck(QVector<double>& out, int start, double frequency, double seconds, double volume, Rng& rng)
{
    // Karplus-Strong: a burst of noise circulating through a damped delay line.
    const int period = std::max(2, int(kRate / frequency));
    QVector<double> line(period);
    for (double& v : line)
        v = rng.uniform(-1, 1);
    const int length = int(seconds * kRate);
    for (int i = 0; i < length && start + i < out.size(); ++i) {
        const int k = i % period;
        const double v = line[k];
        line[k] = 0.996 * 0.5 * (v + line[(k + 1) % period]);
        out[start + i] += v * volume;
    }
}

void Append16(QByteArray& b, quint16 v) { b.append(char(v & 0xFF)).append(char(v >> 8)); }
void Append32(QByteArray& b, quint32 v) { Append16(b, quint16(v & 0xFFFF)); Append16(b, quint16(v >> 16)); }

} // namespace

QByteArray SynthesiseThemeWav()
{
    Rng rng(0xA11CEull);
    const double beat = 0.3;
    // A minor tune of sixteen beats; 0 is a rest. Semitones above A3.
    const int melody[] = {12, 0, 15, 14, 12, 10, 7, 0, 8, 10, 12, 10, 7, 5, 7, 0,
                          12, 0, 15, 17, 19, 17, 15, 14, 12, 14, 15, 12, 10, 7, 12, 0};
    const int bass[] = {0, 0, -4, -4, -2, -2, -5, -5};
    const int beats = int(sizeof(melody) / sizeof(melody[0]));
    QVector<double> mix(int(beats * beat * kRate));
    for (int i = 0; i < beats; ++i)
        if (melody[i])
            Pluck(mix, int(i * beat * kRate), 220.0 * std::pow(2.0, melody[i] / 12.0), 1.2, 0.45, rng);
    for (int i = 0; i < beats / 4; ++i)
        Pluck(mix, int(i * 4 * beat * kRate), 110.0 * std::pow(2.0, bass[i % 8] / 12.0), 1.6, 0.5, rng);
    // A soft drone on A and E, faded at the ends so that the loop joins cleanly.
    for (int i = 0; i < mix.size(); ++i) {
        const double t = double(i) / kRate;
        const double fade = std::min({1.0, t / 0.05, (mix.size() - i) / (0.05 * kRate)});
        mix[i] += fade * 0.08 * (std::sin(2 * M_PI * 110 * t) + 0.6 * std::sin(2 * M_PI * 164.81 * t));
    }
    double peak = 0.001;
    for (double v : mix)
        peak = std::max(peak, std::abs(v));
    QByteArray pcm;
    for (double v : mix)
        Append16(pcm, quint16(qint16(std::lround(v / peak * 0.85 * 32767))));

    QByteArray wav("RIFF");
    Append32(wav, quint32(36 + pcm.size()));
    wav.append("WAVEfmt ");
    Append32(wav, 16);
    Append16(wav, 1);           // PCM
    Append16(wav, 1);           // mono
    Append32(wav, kRate);
    Append32(wav, kRate * 2);   // bytes per second
    Append16(wav, 2);
    Append16(wav, 16);
    wav.append("data");
    Append32(wav, quint32(pcm.size()));
    wav.append(pcm);
    return wav;
}
