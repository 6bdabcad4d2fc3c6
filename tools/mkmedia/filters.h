#pragma once
// Whole-picture operations: blurs for shadows and glows, relief lighting of
// height fields, and painting through masks.

#include "image.h"
#include "shapes.h"

namespace mkmedia {

// Approximately Gaussian (three box passes); radius in pixels.
void BlurMask(Mask& mask, float radius, bool wrap = false);
void BlurImage(Image& image, float radius, bool wrap = false);

// A copy of the mask grown (dilated) by whole pixels, for outlines.
Mask Dilate(const Mask& mask, int radius);

// Diffuse lighting of a height field from the upper left, 1.0 on flat ground;
// depth scales the slopes. With specular, also writes a highlight term 0..1.
Mask Relief(const Mask& height, float depth, bool wrap, Mask* specular = nullptr, float shininess = 24.0f);

// Paints paint through the mask (coverage = mask value) with its top-left at dx, dy.
void PaintMask(Image& image, const Mask& mask, const Paint& paint, int dx = 0, int dy = 0, Blend mode = Blend::Over,
               bool wrap = false);

// A soft shadow of the mask under what is already drawn, offset by dx, dy.
void ShadowUnder(Image& image, const Mask& mask, int dx, int dy, float blur, Rgba colour);

}  // namespace mkmedia
