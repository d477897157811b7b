#include "synth.h"

#include "output.h"
#include "paint.h"

#include <QFile>
#include <QtEndian>
#include <QtMath>
#include <algorithm>
#include <cmath>

namespace gen {

namespace {

size_t samples(double seconds)
{
    return static_cast<size_t>(std::max(0.0, seconds) * SampleRate);
}

double adsr(double t, double total, double attack, double release)
{
    if (t < attack)
        return t / attack;
    if (t > total - release)
        return std::max(0.0, (total - t) / release);
    return 1;
}

void lowpass(Mono& s, double cutoffHz)
{
    const double a = 1 - std::exp(-2 * M_PI * cutoffHz / SampleRate);
    double y = 0;
    for (float& v : s) {
        y += a * (v - y);
        v = static_cast<float>(y);
    }
}

} // namespace

double midiToHz(double midi)
{
    return 440.0 * std::pow(2.0, (midi - 69) / 12.0);
}

Mono pluck(double hz, double seconds, double brightness, quint32 seed)
{
    // Karplus-Strong: a burst of noise in a delay line that loses its highs.
    Rng rng(seed);
    const size_t period = std::max<size_t>(2, static_cast<size_t>(SampleRate / hz));
    std::vector<double> line(period);
    for (double& v : line)
        v = rng.range(-1, 1);
    // A softer pick: the burst loses its highest partials before it sounds.
    for (int pass = 0; pass < 3; ++pass) {
        double previous = line.back();
        for (double& v : line) {
            const double current = v;
            v = 0.5 * (v + previous);
            previous = current;
        }
    }
    Mono out(samples(seconds));
    double last = 0;
    const double keep = 0.5 + 0.49 * brightness;
    for (size_t i = 0; i < out.size(); ++i) {
        const size_t k = i % period;
        const double next = line[(k + 1) % period];
        const double v = 0.996 * (keep * line[k] + (1 - keep) * next);
        last = v;
        line[k] = v;
        out[i] = static_cast<float>(last * adsr(i / double(SampleRate), seconds, 0.002, 0.05));
    }
    return out;
}

Mono bowed(double hz, double seconds, double vibrato)
{
    Mono out(samples(seconds));
    double phase = 0;
    for (size_t i = 0; i < out.size(); ++i) {
        const double t = i / double(SampleRate);
        const double f =
            hz * (1 + vibrato * 0.006 * std::sin(2 * M_PI * 5.2 * t) * std::min(1.0, t * 3));
        phase += f / SampleRate;
        double v = 0;
        for (int h = 1; h <= 8; ++h)
            v += std::sin(2 * M_PI * h * phase) / (h * (h > 1 ? 1.4 : 1.0));
        out[i] = static_cast<float>(0.35 * v * adsr(t, seconds, 0.09, 0.18));
    }
    lowpass(out, 2600);
    return out;
}

Mono pad(double hz, double seconds)
{
    Mono out(samples(seconds));
    const double detune[3] = {1.0, 1.004, 0.996};
    for (size_t i = 0; i < out.size(); ++i) {
        const double t = i / double(SampleRate);
        double v = 0;
        for (double d : detune) {
            const double ph = std::fmod(hz * d * t, 1.0);
            v += (ph < 0.5 ? 4 * ph - 1 : 3 - 4 * ph); // triangle
        }
        out[i] = static_cast<float>(0.25 * v * adsr(t, seconds, 0.8, 1.2));
    }
    lowpass(out, 900);
    return out;
}

Mono bell(double hz, double seconds)
{
    Mono out(samples(seconds));
    const double partials[4][3] = {{1, 1, 1.6}, {2.76, 0.5, 3}, {5.4, 0.25, 5}, {8.93, 0.12, 7}};
    for (size_t i = 0; i < out.size(); ++i) {
        const double t = i / double(SampleRate);
        double v = 0;
        for (const auto& p : partials)
            v += p[1] * std::sin(2 * M_PI * hz * p[0] * t) * std::exp(-t * p[2]);
        out[i] = static_cast<float>(0.4 * v * std::min(1.0, t * 400));
    }
    return out;
}

Mono drum(double seconds, double pitch)
{
    Mono out(samples(seconds));
    Rng rng(77);
    double phase = 0, skin = 0;
    for (size_t i = 0; i < out.size(); ++i) {
        const double t = i / double(SampleRate);
        const double f = pitch * (1 + 1.5 * std::exp(-t * 30));
        phase += f / SampleRate;
        const double body = std::sin(2 * M_PI * phase) * std::exp(-t * 9);
        skin += 0.25 * (rng.range(-1, 1) - skin); // a muffled skin, not a click
        out[i] = static_cast<float>(0.8 * (body + skin * std::exp(-t * 60) * 0.3) *
                                    std::min(1.0, t * 1000));
    }
    return out;
}

Mono noiseBurst(double seconds, double cutoff, quint32 seed)
{
    Rng rng(seed);
    Mono out(samples(seconds));
    for (float& v : out)
        v = static_cast<float>(rng.range(-1, 1));
    lowpass(out, cutoff);
    lowpass(out, cutoff);
    return out;
}

Mono crackle(double seconds, double density, quint32 seed)
{
    Rng rng(seed);
    Mono out(samples(seconds));
    double rumble = 0;
    for (size_t i = 0; i < out.size(); ++i) {
        rumble += 0.002 * (rng.range(-1, 1) - rumble * 0.5);
        out[i] = static_cast<float>(rumble * 2);
        if (rng.uniform() < density / SampleRate) {
            const double amp = rng.range(0.2, 1.0);
            const size_t len = 20 + rng.below(200);
            for (size_t k = 0; k < len && i + k < out.size(); ++k)
                out[i + k] +=
                    static_cast<float>(amp * rng.range(-1, 1) * std::exp(-double(k) / (len / 4.0)));
        }
    }
    return out;
}

Mix::Mix(double seconds) : left(samples(seconds)), right(samples(seconds)) {}

void Mix::add(const Mono& sound, double at, double gain, double pan)
{
    const size_t start = samples(at);
    const double gl = gain * std::sqrt((1 - pan) / 2), gr = gain * std::sqrt((1 + pan) / 2);
    for (size_t i = 0; i < sound.size() && start + i < left.size(); ++i) {
        left[start + i] += static_cast<float>(sound[i] * gl * M_SQRT2);
        right[start + i] += static_cast<float>(sound[i] * gr * M_SQRT2);
    }
}

void Mix::addVoice(const Mono& voice, double at, double gain, double duckTo)
{
    const size_t start = samples(at);
    const size_t ramp = samples(0.3);
    const size_t end = start + voice.size();
    for (size_t i = (start > ramp ? start - ramp : 0); i < std::min(left.size(), end + ramp); ++i) {
        double d = 1;
        if (i < start)
            d = double(start - i) / ramp;
        else if (i > end)
            d = double(i - end) / ramp;
        else
            d = 0;
        const double g = duckTo + (1 - duckTo) * d;
        left[i] = static_cast<float>(left[i] * g);
        right[i] = static_cast<float>(right[i] * g);
    }
    add(voice, at, gain, 0);
}

void Mix::fadeOut(double from, double to)
{
    for (size_t i = samples(from); i < left.size(); ++i) {
        const double t = i / double(SampleRate);
        const double g = t >= to ? 0 : 1 - (t - from) / (to - from);
        left[i] = static_cast<float>(left[i] * g);
        right[i] = static_cast<float>(right[i] * g);
    }
}

void Mix::silence(double from, double to)
{
    for (size_t i = samples(from); i < std::min(left.size(), samples(to)); ++i)
        left[i] = right[i] = 0;
}

void Mix::normalise(double peak)
{
    float top = 1e-6f;
    for (size_t i = 0; i < left.size(); ++i)
        top = std::max({top, std::abs(left[i]), std::abs(right[i])});
    const float g = static_cast<float>(peak / top);
    for (size_t i = 0; i < left.size(); ++i) {
        left[i] *= g;
        right[i] *= g;
    }
}

namespace {

void put16(QByteArray& b, quint16 v)
{
    char x[2];
    qToLittleEndian(v, x);
    b.append(x, 2);
}

void put32(QByteArray& b, quint32 v)
{
    char x[4];
    qToLittleEndian(v, x);
    b.append(x, 4);
}

QByteArray wavHeader(quint32 dataBytes, int channels, int rate)
{
    QByteArray b;
    b.append("RIFF");
    put32(b, 36 + dataBytes);
    b.append("WAVEfmt ");
    put32(b, 16);
    put16(b, 1);
    put16(b, static_cast<quint16>(channels));
    put32(b, static_cast<quint32>(rate));
    put32(b, static_cast<quint32>(rate * channels * 2));
    put16(b, static_cast<quint16>(channels * 2));
    put16(b, 16);
    b.append("data");
    put32(b, dataBytes);
    return b;
}

qint16 toPcm(float v)
{
    return static_cast<qint16>(std::lround(std::clamp(v, -1.0f, 1.0f) * 32767));
}

void writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        fail(QStringLiteral("cannot write %1").arg(path));
}

} // namespace

void Mix::writeWav(const QString& path, bool stereo) const
{
    const int channels = stereo ? 2 : 1;
    QByteArray b =
        wavHeader(static_cast<quint32>(left.size() * channels * 2), channels, SampleRate);
    for (size_t i = 0; i < left.size(); ++i) {
        if (stereo) {
            put16(b, static_cast<quint16>(toPcm(left[i])));
            put16(b, static_cast<quint16>(toPcm(right[i])));
        } else {
            put16(b, static_cast<quint16>(toPcm((left[i] + right[i]) / 2)));
        }
    }
    writeBytes(path, b);
}

void writeMonoWav(const Mono& sound, int rate, const QString& path)
{
    const Mono s = resample(sound, SampleRate, rate);
    QByteArray b = wavHeader(static_cast<quint32>(s.size() * 2), 1, rate);
    for (float v : s)
        put16(b, static_cast<quint16>(toPcm(v)));
    writeBytes(path, b);
}

Mono resample(const Mono& sound, int fromRate, int toRate)
{
    if (fromRate == toRate)
        return sound;
    const size_t n = static_cast<size_t>(double(sound.size()) * toRate / fromRate);
    Mono out(n);
    for (size_t i = 0; i < n; ++i) {
        const double src = double(i) * fromRate / toRate;
        const size_t k = static_cast<size_t>(src);
        const double f = src - k;
        const float a = sound[std::min(k, sound.size() - 1)];
        const float b = sound[std::min(k + 1, sound.size() - 1)];
        out[i] = static_cast<float>(a + (b - a) * f);
    }
    if (toRate > fromRate)
        lowpass(out, fromRate * 0.42);
    return out;
}

Mono readWav(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        fail(QStringLiteral("cannot read %1").arg(path));
    const QByteArray b = file.readAll();
    if (b.size() < 44 || !b.startsWith("RIFF") || b.mid(8, 4) != "WAVE")
        fail(QStringLiteral("%1 is not a WAV file").arg(path));
    int channels = 1, rate = 22050, bits = 16;
    qsizetype at = 12;
    while (at + 8 <= b.size()) {
        const QByteArray id = b.mid(at, 4);
        quint32 size = qFromLittleEndian<quint32>(b.constData() + at + 4);
        if (id == "fmt ") {
            channels = qFromLittleEndian<quint16>(b.constData() + at + 10);
            rate = static_cast<int>(qFromLittleEndian<quint32>(b.constData() + at + 12));
            bits = qFromLittleEndian<quint16>(b.constData() + at + 22);
        } else if (id == "data") {
            if (bits != 16)
                fail(QStringLiteral("%1 is not 16-bit PCM").arg(path));
            // A voice that streams its WAV may leave the size unset.
            size = std::min<quint32>(size, static_cast<quint32>(b.size() - at - 8));
            Mono s(size / 2 / channels);
            for (size_t i = 0; i < s.size(); ++i) {
                double v = 0;
                for (int c = 0; c < channels; ++c)
                    v += qFromLittleEndian<qint16>(b.constData() + at + 8 + (i * channels + c) * 2);
                s[i] = static_cast<float>(v / channels / 32768.0);
            }
            return resample(s, rate, SampleRate);
        }
        at += 8 + size + (size & 1);
    }
    fail(QStringLiteral("%1 has no sound in it").arg(path));
}

double secondsOf(const Mono& sound)
{
    return static_cast<double>(sound.size()) / SampleRate;
}

std::vector<double> envelope(const Mono& sound, double frameSeconds)
{
    const size_t frame = samples(frameSeconds);
    std::vector<double> out;
    double top = 1e-6;
    for (size_t start = 0; start < sound.size(); start += frame) {
        double sum = 0;
        const size_t end = std::min(sound.size(), start + frame);
        for (size_t i = start; i < end; ++i)
            sum += sound[i] * sound[i];
        out.push_back(std::sqrt(sum / std::max<size_t>(1, end - start)));
        top = std::max(top, out.back());
    }
    for (double& v : out)
        v = std::min(1.0, v / top * 1.4);
    return out;
}

} // namespace gen
