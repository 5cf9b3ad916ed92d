#include "difficult_keys.h"

#include "helpers.h"

#include <cmath>

TDifficultKeys* DifficultKeys = EnsureDifficultKeys();

namespace {

// A key typed this often since the last evaluation drops its old totals entirely.
constexpr float kFadeHits = 40.0f;
// Keys seen fewer times than this are rated down in proportion.
constexpr int kTrustedExposure = 15;
// Exposure stops growing here and falls back, so it never overflows in a long run.
constexpr std::int32_t kExposureLimit = 29000;
constexpr std::int32_t kExposureReset = 25000;
constexpr float kTopRating = 100.0f;

// Nearest integer, halves to the even neighbour (the default rounding mode).
std::int32_t Nearest(double x)
{
    return static_cast<std::int32_t>(std::nearbyint(x));
}

} // namespace

bool TDifficultKeys::Rated(unsigned char ch)
{
    return (ch >= 'A' && ch <= 'Z') || (ch >= 'a' && ch <= 'z') || ch == ',' || ch == '.';
}

TDifficultKeys* EnsureDifficultKeys()
{
    static TDifficultKeys* instance = new TDifficultKeys();
    return instance;
}

void TDifficultKeys::RecordKey(unsigned char ch, bool isError)
{
    if (ch < TCharCounts::kFirst)
        return;
    RecentHits[ch] += 1;
    if (isError)
        RecentErrors[ch] += 1;
}

float TDifficultKeys::KeyDifficulty(unsigned char ch) const
{
    if (ch < TCharCounts::kFirst || !Rated(ch))
        return 0.0f;
    float rate = 0.0f;
    if (TotalHits[ch] > 0)
        rate = static_cast<float>(TotalErrors[ch]) / static_cast<float>(TotalHits[ch]) * 100.0f;
    if (rate > 0.0f && Exposure[ch] < kTrustedExposure)
        rate = rate * static_cast<float>(Exposure[ch]) / static_cast<float>(kTrustedExposure);
    // An error rate of 25 % rates 100; higher rates go beyond, Evaluate brings them back.
    return LinearMap(kTopRating, 0.0f, 25.0f, 0.0f, rate);
}

void TDifficultKeys::TakeTotals(const TDifficultKeys& other)
{
    TotalHits = other.TotalHits;
    TotalErrors = other.TotalErrors;
    Exposure = other.Exposure;
}

void TDifficultKeys::Evaluate()
{
    for (int code = TCharCounts::kFirst; code <= 255; ++code) {
        const auto ch = static_cast<unsigned char>(code);
        const std::int32_t h = RecentHits[ch];
        if (h <= 0)
            continue;
        float fade = (static_cast<float>(h) - kFadeHits) * -0.025f;
        if (fade < 0.0f)
            fade = 0.0f;

        Exposure[ch] += h;
        if (Exposure[ch] > kExposureLimit)
            Exposure[ch] = kExposureReset;

        TotalHits[ch] = Nearest(static_cast<double>(TotalHits[ch]) * fade) + h;
        TotalErrors[ch] = Nearest(static_cast<double>(TotalErrors[ch]) * fade) + RecentErrors[ch];

        const float d = KeyDifficulty(ch);
        if (d > kTopRating)
            TotalErrors[ch] =
                Nearest(static_cast<double>(TotalErrors[ch]) * static_cast<double>(kTopRating / d));

        RecentHits[ch] = 0;
        RecentErrors[ch] = 0;
    }
}
