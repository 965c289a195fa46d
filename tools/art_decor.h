#pragma once

// Decorations shared by the skin pictures: backgrounds, captions and menus.

#include <cstdint>

#include "tools/art_canvas.h"

namespace art {

// Approximate distance to an ellipse with half axes a, b turned by angle.
float SdEllipse(float x, float y, float cx, float cy, float a, float b, float angle);

// Horizontal brush streaks over base, strength in colour steps.
void BrushedMetal(Image& img, Box area, Color base, float strength, uint32_t seed);
// Small diagonal ridges of a tread plate.
void TreadPlate(Image& img, Box area, float pitch, float alpha);
// A sunken line with a light lower edge, as between two metal plates.
void Seam(Image& img, float x0, float y0, float x1, float y1);
void Rivet(Image& img, float cx, float cy, float r);
void HazardStripes(Image& img, Box area, float stripe, Color yellow);
// Darkens towards the corners.
void Vignette(Image& img, float strength);

void Cloud(Image& img, float cx, float cy, float size, float alpha);
void Bubble(Image& img, float cx, float cy, float r, float alpha);
void Sparkle(Image& img, float cx, float cy, float size, Color c);

void Heart(Image& img, float cx, float cy, float size, Color c);
void Rose(Image& img, float cx, float cy, float r, float alpha);
void Petal(Image& img, float cx, float cy, float size, float angle, Color c);

// A frond growing up from (x, bottom), swaying with the given phase.
void KelpFrond(Image& img, float x, float bottom, float height, float phase, Color c);

}  // namespace art
