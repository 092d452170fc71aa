// One editor: the scene, the selection and editing state, the options, the
// clipboard and the services the operations call. The application owns one;
// every test starts from a fresh one.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "document/editor_hooks.h"
#include "document/font_store.h"
#include "document/options.h"
#include "document/picture_store.h"
#include "document/scene.h"
#include "platform/requesters.h"

namespace tavisk {

inline constexpr const char* kVersionText = "0.13";
inline constexpr const char* kWindowTitle = "Tavisk 0.13";

// Tools, numbered as their buttons minus 2; creation tools are the shape
// type plus 8.
enum Tool : uint8_t {
  kToolMove = 0,
  kToolSelect = 1,
  kToolScale = 2,
  kToolRotate = 3,
  kToolAddPoint = 5,
  kToolDeletePoint = 7,
  kToolComplexShape = 8,
  kToolBox = 9,
  kToolRoundBox = 10,
  kToolCircle = 11,
  kToolLine = 12,
  kToolCurve = 13,
  kToolImage = 14,
  kToolText = 15,
};

struct EditorContext {
  EditorContext();

  // The scene; never empty.
  std::vector<sObject> Obj{sObject{}};

  int64_t CurrentObject = 0;
  int64_t CurrentShape = -1;
  int64_t CurrentPoint = -1;
  int64_t CurrentFx = 0;
  std::string DocFile;
  std::string ShapeFile = "1-defaut.txt";
  int8_t ObjReady = 0;

  // Editing state driven by the canvas tools.
  uint8_t Tool = kToolMove;
  uint8_t DragMode = 0;
  uint8_t ButtonDown = 0;
  int8_t PickState = 0;
  uint8_t CreateMode = 0;
  uint8_t SpaceHeld = 0;
  uint8_t ShiftHeld = 0;
  int16_t PanX = 0;
  int16_t PanY = 0;
  int64_t DragStartX = 0;
  int64_t DragStartY = 0;
  // Pointer position of the last canvas event, in scene units.
  int64_t MouseX = 0;
  int64_t MouseY = 0;

  sPzOptions Options;
  double ZoomFactor = 1.0;
  uint8_t SelectionLocked = 0;

  int64_t AutosaveNumber = 0;
  int64_t AutosaveClock = 0;

  // The shape clipboard: one object whose single shape is the last copy.
  sObject Clipboard;

  PictureStore Pictures;
  FontStore Fonts;

  Requesters* Req;
  EditorHooks* Hooks;

  // The current object, shape and Fx; nullptr when the index names none.
  sObject* CurrentObjectPtr();
  sShape* CurrentShapePtr();
  sShapeFx* CurrentFxPtr();
};

}  // namespace tavisk
