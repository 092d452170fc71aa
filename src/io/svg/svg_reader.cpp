#include "io/svg/svg_reader.h"

#include <algorithm>
#include <cmath>

#include "document/numeric.h"
#include "io/svg/svg_css.h"
#include "io/svg/svg_fill_rule.h"
#include "io/svg/svg_layer_builder.h"
#include "io/svg/svg_limits.h"
#include "io/svg/svg_paint_server.h"
#include "io/svg/svg_shapes.h"
#include "io/svg/svg_style.h"
#include "io/svg/svg_text.h"
#include "io/svg/svg_transform.h"
#include "io/svg/svg_tree.h"
#include "io/svg/svg_viewport.h"
#include "platform/file_io.h"

namespace tavisk {

namespace {

// Elements that draw nothing where they stand: they are used, referenced
// or describe the picture.
constexpr std::string_view kNotDrawn[] = {
    "defs",           "symbol", "clipPath", "mask",  "pattern", "marker",   "linearGradient",
    "radialGradient", "filter", "style",    "title", "desc",    "metadata", "script"};

// Elements whose content cannot be kept, and how the list of drops names
// them.
struct DroppedElement {
  std::string_view element;
  std::string_view what;
};
constexpr DroppedElement kDroppedElements[] = {
    {"image", "images"}, {"foreignObject", "foreign objects"}, {"textPath", "texts on paths"}};

struct Frame {
  QTransform ToOutput;  // from the element's user units to the layer's
  SvgStyle Style;
  QSizeF Viewport;
  int Depth = 0;
};

class SvgWalker {
 public:
  SvgWalker(const SvgTree& tree, double scale) : tree_(tree), scale_(scale) {
    for (const SvgElement& element : tree.Elements) {
      if (element.Name == "style") ParseStyleSheet(element.Text, rules_, kMaxSvgCssRules);
    }
    std::stable_sort(rules_.begin(), rules_.end(), [](const CssRule& a, const CssRule& b) {
      return a.Selector.Specificity() < b.Selector.Specificity();
    });
  }

  // Draws the root; false with error_ set when the picture is refused.
  bool Run() {
    const SvgElement& root = tree_.Elements.front();
    Frame frame;
    frame.Style = StyleOf(root, SvgStyle());
    const SvgViewport viewport = ViewportOf(root, QSizeF(), frame.Style.FontSize, true);
    frame.ToOutput = viewport.ToParent * QTransform::fromScale(scale_, scale_);
    frame.Viewport = viewport.Size;
    extent_ = viewport.Extent * scale_;
    if (!frame.Style.Displayed) return true;
    return Children(root, frame);
  }

  SvgLayerBuilder& Builder() { return builder_; }
  QSizeF Extent() const { return extent_; }
  std::vector<std::string>& Dropped() { return dropped_; }
  const std::string& Error() const { return error_.empty() ? builder_.Error() : error_; }

 private:
  void Drop(std::string_view what) {
    if (std::find(dropped_.begin(), dropped_.end(), what) == dropped_.end()) {
      dropped_.emplace_back(what);
    }
  }
  bool Fail(std::string message) {
    error_ = std::move(message);
    return false;
  }

  SvgStyle StyleOf(const SvgElement& element, const SvgStyle& parent) {
    SvgStyle style = InheritedStyle(parent);
    for (const auto& [name, value] : element.Attributes) {
      if (IsStyleProperty(name)) ApplyStyleProperty(style, parent, name, value);
    }
    if (!rules_.empty()) {
      const std::string* id = element.Attribute("id");
      const std::string* classAttribute = element.Attribute("class");
      const std::vector<std::string> classes =
          classAttribute != nullptr ? ClassNames(*classAttribute) : std::vector<std::string>();
      for (const CssRule& rule : rules_) {
        if (!SelectorMatches(rule.Selector, element.Name, id != nullptr ? *id : "", classes)) {
          continue;
        }
        for (const auto& [name, value] : *rule.Declarations) {
          ApplyStyleProperty(style, parent, name, value);
        }
      }
    }
    if (const std::string* attribute = element.Attribute("style")) {
      for (const auto& [name, value] : ParseDeclarations(*attribute)) {
        ApplyStyleProperty(style, parent, name, value);
      }
    }
    for (const std::string& what : style.Unsupported) Drop(what);
    return style;
  }

  bool Children(const SvgElement& element, const Frame& frame) {
    for (size_t child : element.Children) {
      if (!Element(tree_.Elements[child], frame)) return false;
    }
    return true;
  }

  bool Element(const SvgElement& element, const Frame& parent) {
    if (++drawn_ > kMaxSvgDrawnElements) {
      return Fail("The picture draws more elements than an SVG import allows.");
    }
    // Every drawn element is matched against every rule of the sheet.
    selectorTests_ += static_cast<int64_t>(rules_.size());
    if (selectorTests_ > kMaxSvgSelectorTests) {
      return Fail("The picture's style sheet is too large for its number of elements.");
    }
    if (parent.Depth >= kMaxSvgDepth) {
      return Fail("The picture nests its elements deeper than an SVG import allows.");
    }
    const std::string& name = element.Name;
    if (std::find(std::begin(kNotDrawn), std::end(kNotDrawn), name) != std::end(kNotDrawn)) {
      return true;
    }
    for (const DroppedElement& d : kDroppedElements) {
      if (d.element == name) {
        Drop(d.what);
        return true;
      }
    }
    Frame frame;
    frame.Style = StyleOf(element, parent.Style);
    frame.Viewport = parent.Viewport;
    frame.Depth = parent.Depth + 1;
    if (!frame.Style.Displayed) return true;
    QTransform local;
    if (const std::string* transform = element.Attribute("transform"))
      ParseTransform(*transform, local);
    frame.ToOutput = local * parent.ToOutput;

    if (name == "svg") {
      const SvgViewport viewport =
          ViewportOf(element, parent.Viewport, frame.Style.FontSize, false);
      frame.ToOutput = viewport.ToParent * frame.ToOutput;
      frame.Viewport = viewport.Size;
      return Children(element, frame);
    }
    if (name == "g" || name == "a") return Children(element, frame);
    if (name == "switch") {
      // The first child stands: this reader asks no feature tests.
      return element.Children.empty() || Element(tree_.Elements[element.Children.front()], frame);
    }
    if (name == "use") return Use(element, frame);
    if (name == "text") return Text(element, frame);
    return Shape(element, frame);
  }

  bool Use(const SvgElement& element, Frame& frame) {
    const std::string* href = element.Attribute("href");
    if (href == nullptr || !href->starts_with('#')) return true;
    const auto target = tree_.ById.find(href->substr(1));
    if (target == tree_.ById.end()) return true;
    const SvgElement& used = tree_.Elements[target->second];
    SvgViewport place = ViewportOf(element, frame.Viewport, frame.Style.FontSize, false);
    if (used.Name == "symbol") {
      // A symbol takes the use's width and height as its viewport.
      SvgElement symbol = used;
      for (const char* name : {"width", "height"}) {
        if (const std::string* value = element.Attribute(name))
          symbol.Attributes.emplace_back(name, *value);
      }
      const QTransform at = QTransform::fromTranslate(place.ToParent.dx(), place.ToParent.dy());
      place = ViewportOf(symbol, frame.Viewport, frame.Style.FontSize, false);
      frame.ToOutput = place.ToParent * at * frame.ToOutput;
      frame.Viewport = place.Size;
      ++frame.Depth;
      return Children(used, frame);
    }
    frame.ToOutput =
        QTransform::fromTranslate(place.ToParent.dx(), place.ToParent.dy()) * frame.ToOutput;
    ++frame.Depth;
    return Element(used, frame);
  }

  // The colour and alpha of a paint, or false when it paints nothing.
  bool Resolve(const SvgPaint& paint, const SvgStyle& style, double opacity, int64_t& rgba) {
    uint32_t rgb = paint.Rgb;
    switch (paint.Type) {
      case SvgPaint::Kind::None:
        return false;
      case SvgPaint::Kind::CurrentColor:
        rgb = style.CurrentColor;
        break;
      case SvgPaint::Kind::Color:
        break;
      case SvgPaint::Kind::Reference: {
        const SvgServerColor server = PaintServerColor(tree_, paint.Id);
        if (!server.Dropped.empty()) Drop(server.Dropped);
        if (server.Found) {
          rgb = server.Rgb;
          opacity *= server.Opacity;
        } else if (paint.HasFallback && paint.FallbackRgb != 0) {
          rgb = paint.FallbackRgb;
        } else {
          return false;
        }
        break;
      }
    }
    const int alpha =
        static_cast<int>(std::lround(std::clamp(opacity * style.Opacity, 0.0, 1.0) * 255));
    if (alpha == 0) return false;
    rgba = RGBA(static_cast<int>(rgb >> 16 & 0xFF), static_cast<int>(rgb >> 8 & 0xFF),
                static_cast<int>(rgb & 0xFF), alpha);
    return true;
  }

  static double LinearScale(const QTransform& t) { return std::sqrt(std::abs(t.determinant())); }

  std::string ShapeName(const SvgElement& element) {
    const std::string* id = element.Attribute("id");
    return id != nullptr && !id->empty() ? *id : element.Name + "_" + std::to_string(++unnamed_);
  }

  bool Shape(const SvgElement& element, const Frame& frame) {
    SvgOutline outline =
        ElementOutline(element, frame.Viewport, frame.Style.FontSize, pointBudget_);
    if (outline.OverBudget) {
      return Fail("The picture holds more points than an SVG import allows (1000000).");
    }
    if (!outline.Shape || outline.Path.isEmpty() || !frame.Style.Visible) return true;
    const QPainterPath path = frame.ToOutput.map(outline.Path);
    const std::string name = ShapeName(element);
    const SvgStyle& style = frame.Style;
    int64_t rgba = 0;
    if (element.Name != "line" && Resolve(style.Fill, style, style.FillOpacity, rgba)) {
      QPainterPath fill = path;
      if (!style.EvenOdd && MakeEvenOddEquivalent(fill) == FillRuleResult::DrawnEvenOdd) {
        Drop("nonzero fills too large to unite (drawn even-odd)");
      }
      if (!builder_.AddFill(fill, rgba, name)) return false;
    }
    if (style.StrokeWidth > 0 && Resolve(style.Stroke, style, style.StrokeOpacity, rgba)) {
      const double scale = LinearScale(frame.ToOutput);
      double dash = 0;
      if (!style.DashArray.empty()) {
        dash = style.DashArray.front() * scale;
        const auto& d = style.DashArray;
        if (std::any_of(d.begin(), d.end(), [&](double v) { return v != d.front(); })) {
          Drop("dash patterns of unequal lengths (drawn as even dashes)");
        }
      }
      if (!builder_.AddStroke(path, rgba, style.StrokeWidth * scale, dash, name + "_stroke"))
        return false;
    }
    return true;
  }

  bool Text(const SvgElement& element, const Frame& frame) {
    if (!frame.Style.Visible) return true;
    SvgTextRun run;
    if (!TextRunOf(tree_, element, frame.Viewport, frame.Style, textBudget_, run)) {
      return Fail("The picture holds more text than an SVG import allows.");
    }
    run.Baseline = frame.ToOutput.map(run.Baseline);
    run.Size *= LinearScale(frame.ToOutput);
    int64_t rgba = 0;
    if (!Resolve(frame.Style.Fill, frame.Style, frame.Style.FillOpacity, rgba)) return true;
    return builder_.AddText(run, rgba, ShapeName(element));
  }

  const SvgTree& tree_;
  double scale_;
  std::vector<CssRule> rules_;
  SvgLayerBuilder builder_;
  std::vector<std::string> dropped_;
  std::string error_;
  int64_t drawn_ = 0;
  int64_t selectorTests_ = 0;
  int64_t textBudget_ = kMaxSvgTextBytes;
  int64_t pointBudget_ = kMaxSvgPoints;
  int64_t unnamed_ = 0;
  QSizeF extent_;
};

}  // namespace

SvgReadResult ReadSvgText(const std::string& text, const SvgImportOptions& options) {
  SvgReadResult result;
  if (!(options.Scale > 0 && options.Scale <= 1e6)) {
    result.Error = "The scale of an SVG import must be above 0 and at most 1000000.";
    return result;
  }
  SvgTreeResult tree = ReadSvgTree(text);
  if (!tree.Error.empty()) {
    result.Error = std::move(tree.Error);
    return result;
  }
  SvgWalker walker(tree.Tree, options.Scale);
  if (!walker.Run()) {
    result.Error = walker.Error();
    return result;
  }
  if (walker.Builder().Empty()) {
    result.Error = "The picture draws nothing that can be imported.";
    result.Dropped = std::move(walker.Dropped());
    return result;
  }
  result.Read = true;
  result.Width = walker.Extent().width();
  result.Height = walker.Extent().height();
  result.Layer = walker.Builder().TakeLayer();
  result.Dropped = std::move(walker.Dropped());
  return result;
}

}  // namespace tavisk

namespace tavisk {

SvgReadResult ReadSvgFile(const std::string& path, const SvgImportOptions& options) {
  SvgReadResult result;
  std::string text;
  if (IsSpecialFile(path)) {
    result.Error = "'" + path + "' is not a regular file (a FIFO, a device or a folder).";
  } else if (FileSize(path) > static_cast<int64_t>(kMaxSvgBytes)) {
    result.Error = "The file is larger than an SVG import may be (32 MiB).";
  } else if (ReadFile(path, text) != FileOutcome::Done) {
    result.Error = "Cannot read '" + path + "'.";
  } else {
    return ReadSvgText(text, options);
  }
  return result;
}

}  // namespace tavisk
