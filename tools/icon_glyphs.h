// The picture of every editor icon, drawn on a 100 x 100 grid (the painter
// maps it onto the icon's pixels, so a wide icon is drawn stretched).
#pragma once

#include <QPainter>

namespace tavisk::icons {

// Canvas tools.
void DrawMove(QPainter& p);
void DrawRotate(QPainter& p);
void DrawScale(QPainter& p);
void DrawAddPoint(QPainter& p);
void DrawDeletePoint(QPainter& p);
void DrawSelect(QPainter& p);
void DrawZoom(QPainter& p);
void DrawPan(QPainter& p);

// Shape creation tools.
void DrawComplexShape(QPainter& p);
void DrawBox(QPainter& p);
void DrawRoundBox(QPainter& p);
void DrawCircle(QPainter& p);
void DrawLine(QPainter& p);
void DrawCurve(QPainter& p);
void DrawImage(QPainter& p);
void DrawText(QPainter& p);

// Panel buttons and the layer list.
void DrawProperties(QPainter& p);
void DrawLocked(QPainter& p);
void DrawUp(QPainter& p);
void DrawDown(QPainter& p);
void DrawLayerRow(QPainter& p);
void DrawLayerRowSelected(QPainter& p);
void DrawLayerAdd(QPainter& p);
void DrawLayerDelete(QPainter& p);
void DrawLayerEye(QPainter& p);

}  // namespace tavisk::icons
