#include "io/svg/svg_tree.h"

#include <QXmlStreamReader>

#include "io/svg/svg_limits.h"

namespace tavisk {

namespace {

const QString kSvgNamespace = QStringLiteral("http://www.w3.org/2000/svg");
const QString kXlinkNamespace = QStringLiteral("http://www.w3.org/1999/xlink");

std::string Utf8(QStringView text) {
  return text.toString().toStdString();
}

bool IsSvgElement(const QXmlStreamReader& xml) {
  return xml.namespaceUri().isEmpty() || xml.namespaceUri() == kSvgNamespace;
}

SvgElement ElementAt(const QXmlStreamReader& xml) {
  SvgElement element;
  element.Name = Utf8(xml.name());
  for (const QXmlStreamAttribute& attribute : xml.attributes()) {
    const QStringView space = attribute.namespaceUri();
    if (space.isEmpty()) {
      element.Attributes.emplace_back(Utf8(attribute.name()), Utf8(attribute.value()));
    } else if (space == kXlinkNamespace && attribute.name() == u"href") {
      element.Attributes.emplace_back("href", Utf8(attribute.value()));
    }
  }
  return element;
}

}  // namespace

const std::string* SvgElement::Attribute(std::string_view name) const {
  for (const auto& [key, value] : Attributes) {
    if (key == name) return &value;
  }
  return nullptr;
}

SvgTreeResult ReadSvgTree(std::string_view text) {
  SvgTreeResult result;
  if (text.size() > kMaxSvgBytes) {
    result.Error = "The file is larger than an SVG import may be (32 MiB).";
    return result;
  }
  QXmlStreamReader xml(QByteArray::fromRawData(text.data(), static_cast<qsizetype>(text.size())));
  std::vector<size_t> open;  // the SVG elements the reader is inside
  int skipped = 0;           // depth inside an element of another namespace
  auto& elements = result.Tree.Elements;
  while (!xml.atEnd()) {
    const QXmlStreamReader::TokenType token = xml.readNext();
    if (token == QXmlStreamReader::DTD) {
      // Entities are where expansion bombs and external fetches live.
      if (!xml.entityDeclarations().isEmpty()) {
        result.Error = "The file declares entities, which an SVG import refuses.";
        return result;
      }
    } else if (token == QXmlStreamReader::StartElement) {
      if (open.size() + static_cast<size_t>(skipped) >= static_cast<size_t>(kMaxSvgDepth)) {
        result.Error = "The file nests its elements deeper than an SVG import allows.";
        return result;
      }
      if (skipped > 0 || !IsSvgElement(xml) || (open.empty() && xml.name() != u"svg")) {
        if (open.empty() && skipped == 0) {
          result.Error = "The file is not an SVG picture.";
          return result;
        }
        ++skipped;
        continue;
      }
      if (static_cast<int64_t>(elements.size()) >= kMaxSvgElements) {
        result.Error = "The file holds more elements than an SVG import allows.";
        return result;
      }
      const size_t index = elements.size();
      elements.push_back(ElementAt(xml));
      if (!open.empty()) elements[open.back()].Children.push_back(index);
      if (const std::string* id = elements[index].Attribute("id")) {
        result.Tree.ById.emplace(*id, index);
      }
      open.push_back(index);
    } else if (token == QXmlStreamReader::EndElement) {
      if (skipped > 0) {
        --skipped;
      } else if (!open.empty()) {
        open.pop_back();
      }
    } else if (token == QXmlStreamReader::Characters && skipped == 0 && !open.empty()) {
      elements[open.back()].Text += Utf8(xml.text());
    }
  }
  if (xml.hasError()) {
    result.Error = "The file is not well-formed XML: " + xml.errorString().toStdString() +
                   " (line " + std::to_string(xml.lineNumber()) + ").";
    return result;
  }
  if (elements.empty()) result.Error = "The file is not an SVG picture.";
  return result;
}

}  // namespace tavisk
