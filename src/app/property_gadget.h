// Creates one panel gadget, with its caption label, range, tooltip and
// first state, registers it under its number and reports its edits.
#pragma once

#include <QImage>
#include <climits>
#include <cstdint>
#include <functional>

class QWidget;

namespace tavisk {

class WidgetGadgets;

enum class GadgetKind { kSpin, kTextField, kButton, kCheckBox, kDropDown, kListBox, kImageButton };

inline constexpr int64_t kNoState = INT64_MIN;
inline constexpr int kCaptionWidth = 35;

struct GadgetSink {
  WidgetGadgets& gadgets;
  std::function<void(int gadget)> onEvent;
};

struct GadgetSpec {
  int id = -1;
  GadgetKind kind = GadgetKind::kButton;
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 20;
  const char* caption = "";
  // Spin: the range. Text field: numeric when minimum is 1. Button and
  // image button: a toggle when minimum is 1.
  int minimum = 0;
  int maximum = 0;
  const char* tooltip = "";
  int64_t state = kNoState;
  QImage image;  // image buttons
};

QWidget* AddPropertyGadget(QWidget* parent, GadgetSink& sink, const GadgetSpec& gadget);

}  // namespace tavisk
