#include "audio_e2e/sound_tracks.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <memory>

#include "platform/audio/mixer.h"
#include "platform/audio/sound_stream.h"

namespace {

// Below this mean square a track is too quiet in a block to have its gain measured.
constexpr double kAudibleMeanSquare = 4.0;

// Solves a x = b in place by Gaussian elimination; false when singular.
bool Solve(std::vector<std::vector<double>>& a, std::vector<double>& b) {
  const size_t n = b.size();
  for (size_t col = 0; col < n; ++col) {
    size_t pivot = col;
    for (size_t row = col + 1; row < n; ++row) {
      if (std::abs(a[row][col]) > std::abs(a[pivot][col])) pivot = row;
    }
    if (std::abs(a[pivot][col]) < 1e-9) return false;
    std::swap(a[pivot], a[col]);
    std::swap(b[pivot], b[col]);
    for (size_t row = col + 1; row < n; ++row) {
      const double f = a[row][col] / a[col][col];
      for (size_t k = col; k < n; ++k) a[row][k] -= f * a[col][k];
      b[row] -= f * b[col];
    }
  }
  for (size_t col = n; col-- > 0;) {
    for (size_t k = col + 1; k < n; ++k) b[col] -= a[col][k] * b[k];
    b[col] /= a[col][col];
  }
  return true;
}

// The track's sample for recording sample i (interleaved), or 0 outside it.
float TrackSample(const SoundTrack& track, size_t i) {
  const size_t start = 2 * track.onset;
  return i >= start && i - start < track.samples.size() ? track.samples[i - start] : 0.0f;
}

}  // namespace

std::vector<float> RenderAlone(const platform::SoundData& sound, float rate, int outputRate, size_t frames) {
  platform::Mixer mixer(outputRate);
  const auto voice = mixer.NewVoice();
  mixer.SetRate(*voice, rate);
  // The mixer plays a sound it shares; this copy lives only while rendering.
  // A long sound is streamed, as the game plays it, through a stream of its own.
  const auto shared = std::make_shared<const platform::SoundData>(sound);
  mixer.Play(voice, shared, sound.IsStreamed() ? platform::OpenSoundStream(shared) : nullptr);
  std::vector<int16_t> mixed(2 * frames);
  mixer.Mix(mixed.data(), static_cast<int>(frames));
  // A sound that ends leaves silence: trim it.
  size_t used = mixed.size();
  while (used > 0 && mixed[used - 1] == 0 && !sound.loop) --used;
  used += used % 2;
  return {mixed.begin(), mixed.begin() + static_cast<std::ptrdiff_t>(used)};
}

OnsetMatch FindOnset(const DeviceRecording& recording, const std::vector<float>& track, size_t estimate,
                     size_t blockFrames, int blocksBefore, int blocksAfter, size_t matchFrames) {
  OnsetMatch best;
  const size_t length = std::min(2 * matchFrames, track.size());
  const long firstBlock = static_cast<long>(estimate / blockFrames) - blocksBefore;
  for (long block = std::max(0L, firstBlock); block <= firstBlock + blocksBefore + blocksAfter; ++block) {
    const size_t start = 2 * static_cast<size_t>(block) * blockFrames;
    if (start + length > recording.samples.size()) break;
    double dot = 0.0, trackEnergy = 0.0, recordedEnergy = 0.0;
    for (size_t i = 0; i < length; ++i) {
      const double r = recording.samples[start + i];
      dot += r * track[i];
      trackEnergy += static_cast<double>(track[i]) * track[i];
      recordedEnergy += r * r;
    }
    if (trackEnergy <= 0.0 || recordedEnergy <= 0.0) continue;
    const double match = dot / std::sqrt(trackEnergy * recordedEnergy);
    if (match > best.match) best = {static_cast<size_t>(block) * blockFrames, match};
  }
  return best;
}

BlockFit FitBlocks(const DeviceRecording& recording, const std::vector<SoundTrack>& tracks, size_t blockFrames,
                   size_t rampFrames) {
  BlockFit fit;
  const size_t blocks = recording.Frames() / blockFrames;
  fit.gains.assign(tracks.size(), std::vector<double>(blocks, -1.0));
  fit.recordingRms.resize(blocks);
  fit.residualRms.resize(blocks);
  fit.residualStep.resize(blocks);
  const size_t perBlock = 2 * blockFrames;
  std::vector<double> lastGain(tracks.size(), -1.0);
  double previousResidual[2] = {0.0, 0.0};

  for (size_t block = 0; block < blocks; ++block) {
    const size_t from = block * perBlock, to = from + perBlock;
    std::vector<size_t> audible;
    for (size_t t = 0; t < tracks.size(); ++t) {
      double energy = 0.0;
      for (size_t i = from; i < to; ++i) energy += static_cast<double>(TrackSample(tracks[t], i)) * TrackSample(tracks[t], i);
      if (energy / static_cast<double>(perBlock) > kAudibleMeanSquare) audible.push_back(t);
    }
    // A track heard in the block before ramps from the gain it had there;
    // the share of the block's own gain in each sample:
    auto share = [&](size_t t, size_t i) {
      const size_t frame = (i - from) / 2;
      if (lastGain[t] < 0.0 || frame >= rampFrames) return 1.0;
      return static_cast<double>(frame) / static_cast<double>(rampFrames);
    };
    auto carried = [&](size_t t, size_t i) { return lastGain[t] < 0.0 ? 0.0 : lastGain[t] * (1.0 - share(t, i)); };

    // Normal equations of the least-squares gains of the audible tracks, on
    // what is left once the ramps' old gains are taken out.
    const size_t n = audible.size();
    std::vector<std::vector<double>> a(n, std::vector<double>(n, 0.0));
    std::vector<double> b(n, 0.0);
    std::vector<double> basis(n);
    for (size_t i = from; i < to; ++i) {
      double r = recording.samples[i];
      for (size_t p = 0; p < n; ++p) {
        const double sample = TrackSample(tracks[audible[p]], i);
        r -= carried(audible[p], i) * sample;
        basis[p] = share(audible[p], i) * sample;
      }
      for (size_t p = 0; p < n; ++p) {
        b[p] += basis[p] * r;
        for (size_t q = p; q < n; ++q) a[p][q] += basis[p] * basis[q];
      }
    }
    for (size_t p = 0; p < n; ++p) {
      for (size_t q = 0; q < p; ++q) a[p][q] = a[q][p];
    }
    if (!Solve(a, b)) b.assign(n, 0.0);

    double recorded = 0.0, residual = 0.0, step = 0.0;
    for (size_t i = from; i < to; ++i) {
      double model = 0.0;
      for (size_t p = 0; p < n; ++p) {
        const size_t t = audible[p];
        model += (carried(t, i) + b[p] * share(t, i)) * TrackSample(tracks[t], i);
      }
      const double r = recording.samples[i];
      const double left = r - model;
      recorded += r * r;
      residual += left * left;
      step = std::max(step, std::abs(left - previousResidual[i % 2]));
      previousResidual[i % 2] = left;
    }
    std::fill(lastGain.begin(), lastGain.end(), -1.0);
    for (size_t p = 0; p < n; ++p) {
      fit.gains[audible[p]][block] = b[p];
      lastGain[audible[p]] = b[p];
    }
    fit.recordingRms[block] = std::sqrt(recorded / static_cast<double>(perBlock));
    fit.residualRms[block] = std::sqrt(residual / static_cast<double>(perBlock));
    fit.residualStep[block] = step;
  }
  return fit;
}
