// Circle outlines from the sine and cosine tables, into the Framebuffer or the SceneCaptureBuffer.
// The circle is drawn as two mirrored half-outlines, from the bottom point (a = 0) round to the top.
#pragma once
#include "assets/trig_tables.hpp"
#include "core/screen.hpp"

namespace gloam::draw {

inline constexpr double MaxCircleRadius = 9999.0;
inline constexpr double CircleStepArc = 50.0;     // degrees x pixels: the step is 50 / radius degrees
inline constexpr double CircleLastAngle = 180.0;  // degrees
inline constexpr double TrigEntriesPerDegree = 1000.0;

// Nothing is drawn while the tables are not built.
void drawCircle(Screen& screen, const assets::TrigTables& trig, double cx, double cy, double radius, Rgb colour);
void drawSceneCircle(Screen& screen, const assets::TrigTables& trig, double cx, double cy, double radius, Rgb colour);

}  // namespace gloam::draw
