#include "SignalMatching.h"

#include <cmath>
#include <cstddef>
#include <cstdlib>
#include <sstream>

namespace {

const int SilenceTolerance = 3;

}  // namespace

TBytes MakeTestSignal(size_t length, unsigned seed) {
    const size_t step = 4;
    unsigned state = seed;
    auto nextLevel = [&state] {
        state = state * 1664525u + 1013904223u;
        return static_cast<int>((state >> 24) % 121) - 60;
    };
    TBytes signal(length);
    int from = nextLevel();
    int to = nextLevel();
    for (size_t i = 0; i < length; ++i) {
        if (i % step == 0 && i > 0) {
            from = to;
            to = nextLevel();
        }
        const int offset = static_cast<int>(i % step);
        signal[i] = static_cast<unsigned char>(128 + from + (to - from) * offset / static_cast<int>(step));
    }
    return signal;
}

TMatch FindBestMatch(const TBytes& recording, const TBytes& reference) {
    TMatch best;
    const size_t n = reference.size();
    if (n == 0 || recording.size() < n) {
        return best;
    }
    double referenceMean = 0;
    for (unsigned char sample : reference) {
        referenceMean += sample;
    }
    referenceMean /= static_cast<double>(n);
    std::vector<double> centred(n);
    double referenceEnergy = 0;
    for (size_t i = 0; i < n; ++i) {
        centred[i] = reference[i] - referenceMean;
        referenceEnergy += centred[i] * centred[i];
    }
    // Prefix sums give every window's mean and energy in constant time.
    std::vector<double> sums(recording.size() + 1, 0);
    std::vector<double> squares(recording.size() + 1, 0);
    for (size_t i = 0; i < recording.size(); ++i) {
        sums[i + 1] = sums[i] + recording[i];
        squares[i + 1] = squares[i] + static_cast<double>(recording[i]) * recording[i];
    }
    for (size_t lag = 0; lag + n <= recording.size(); ++lag) {
        const double sum = sums[lag + n] - sums[lag];
        const double energy = squares[lag + n] - squares[lag] - sum * sum / static_cast<double>(n);
        if (energy <= 0 || referenceEnergy <= 0) {
            continue;
        }
        // The reference is centred, so the window's mean drops out of the product.
        double product = 0;
        for (size_t i = 0; i < n; ++i) {
            product += recording[lag + i] * centred[i];
        }
        const double correlation = product / std::sqrt(energy * referenceEnergy);
        if (correlation > best.Correlation) {
            best = TMatch{correlation, lag};
        }
    }
    return best;
}

size_t MeasureSoundingSpan(const TBytes& recording) {
    size_t first = recording.size();
    size_t last = 0;
    for (size_t i = 0; i < recording.size(); ++i) {
        if (std::abs(recording[i] - 128) > SilenceTolerance) {
            if (first == recording.size()) {
                first = i;
            }
            last = i;
        }
    }
    return first == recording.size() ? 0 : last - first + 1;
}

::testing::AssertionResult HoldsInOrder(const TBytes& recording, const TBytes& reference,
                                        const std::vector<size_t>& partLengths, double threshold) {
    // Resampling may blur a stretch's start by a few samples.
    const size_t overlapTolerance = 50;
    // A loaded machine may drop a few milliseconds of sound anywhere; a part still counts as
    // played when all but one of its quarters are found, in order.
    const size_t quarters = 4;
    bool holds = true;
    size_t first = 0;
    size_t earliestOffset = 0;
    std::ostringstream report;
    for (size_t length : partLengths) {
        const size_t quarter = length / quarters;
        size_t found = 0;
        report << "part " << first << "+" << length << ":";
        for (size_t q = 0; q < quarters; ++q) {
            const size_t quarterLength = q + 1 == quarters ? length - q * quarter : quarter;
            const TMatch match = FindBestMatch(recording, Slice(reference, first + q * quarter, quarterLength));
            report << " " << match.Correlation << "@" << match.Offset;
            if (match.Correlation > threshold && match.Offset + overlapTolerance >= earliestOffset) {
                ++found;
                earliestOffset = match.Offset + quarterLength;
            }
        }
        report << "; ";
        holds = holds && found + 1 >= quarters;
        first += length;
    }
    return (holds ? ::testing::AssertionSuccess() : ::testing::AssertionFailure()) << report.str();
}

TBytes Slice(const TBytes& samples, size_t first, size_t count) {
    return TBytes(samples.begin() + static_cast<std::ptrdiff_t>(first),
                  samples.begin() + static_cast<std::ptrdiff_t>(first + count));
}

TBytes Reversed(const TBytes& samples) { return TBytes(samples.rbegin(), samples.rend()); }
