#pragma once

#include "ScratchFolder.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <vector>

// Unsigned 8-bit samples, silence at 128.

// Band-limited noise: every sample is new, so a copy of it is told apart from anything else,
// yet it stays below the frequencies that the sound server's resampling would cut.
TBytes MakeTestSignal(size_t length, unsigned seed);

struct TMatch {
    double Correlation = 0;
    size_t Offset = 0;
};

// The stretch of the recording, as long as the reference, that resembles it most, by normalised
// cross-correlation: 1 for a faithful copy, about 0 for unrelated sound; 0 when the recording
// is shorter or either is flat.
TMatch FindBestMatch(const TBytes& recording, const TBytes& reference);

// Whether the recording holds the reference's consecutive parts one after the other, each
// resembling its part beyond the threshold. Parts are matched piece by piece, since the sound
// server may put a short gap between two buffers, or drop a moment of sound under load.
::testing::AssertionResult HoldsInOrder(const TBytes& recording, const TBytes& reference,
                                        const std::vector<size_t>& partLengths, double threshold);

TBytes Slice(const TBytes& samples, size_t first, size_t count);

// Samples from the first that departs from silence to the last that does; 0 for silence.
size_t MeasureSoundingSpan(const TBytes& recording);

TBytes Reversed(const TBytes& samples);
