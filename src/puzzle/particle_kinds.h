// What each kind of particle looks like and how it lives, one row per kind.
// Start-up fills the tables (FillParticleTables, particles.h).
#pragma once

#include <array>

namespace particlekind {

constexpr int Count = 7;

// Blend table values: a coloured light, or a white shade that no kind uses.
constexpr int ColouredLight = 1;
constexpr int WhiteShade = 2;

// Entries of trailImages.
constexpr int TrailImage = 0;
constexpr int ShadeImage = 1;
constexpr int SparkImage = 2;

// How a particle's screen position is made from its world position.
constexpr int WorldOnly = 0;       // the board's scroll moves the world position
constexpr int WithMapOffset = 1;   // plus the map offset it was emitted with, shifted by scrolls
constexpr int WithOriginOnly = 2;  // the world map's glows: only the drawing origin

}  // namespace particlekind

extern std::array<int, particlekind::Count> particleBlend;
extern std::array<float, particlekind::Count> particleScale;
extern std::array<int, particlekind::Count> particleImage;
extern std::array<int, particlekind::Count> particleFade;  // alpha lost per step, in thousandths
extern std::array<int, particlekind::Count> particlePlacement;
