// One editor's document side: the scene, the selection, the options, the
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

  sPzOptions Options;

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
