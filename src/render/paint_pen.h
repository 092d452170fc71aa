// How a paint's pen and transform reach the device: the pen a stroke, dash
// or dot is drawn with, and the measures of the transform that decide
// whether a device path can be stroked with a scaled pen.
#pragma once

#include <QPen>
#include <QTransform>

#include "render/paint_op.h"

namespace tavisk {

// A transform that keeps angles (rotation and uniform scale, maybe mirrored)
// strokes the same whether the path is stroked before or after it, so the
// device path can be stroked with a scaled pen and no path mapping.
bool KeepsAngles(const QTransform& t);

double UniformScale(const QTransform& t);

// The largest stretch of a user length on the device, for bounds only.
double MaxStretch(const QTransform& t);

// A width of 0 or less strokes one unit wide.
double PenWidth(double width);

// One whole dash and gap, or dot and gap, in user units, as PenOf lays
// them; 0 for a solid line.
double PatternPeriod(const PaintOp& op);

// The pen of a stroke, dash or dot paint, its width scaled by scale.
QPen PenOf(const PaintOp& op, double scale);

}  // namespace tavisk
