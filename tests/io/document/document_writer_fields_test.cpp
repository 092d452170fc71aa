// Whatever string a record's text fields hold, the saved document keeps its
// lines and fields: no name, text, font name or picture path can end a field
// or a line early, whichever way it got into the scene.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "document/editor_context.h"
#include "edit/document_loading.h"
#include "io/document/document_writer.h"

namespace tavisk {
namespace {

// An object holding a text shape and an image shape, each with an Fx and
// points, every number set to something recognisable.
std::vector<sObject> SampleScene() {
  sObject object;
  object.Name = "Layer";
  object.X = 11;
  object.Y = 12;
  object.W = 100;
  object.H = 90;
  object.HasShape = 1;
  object.Shape.assign(2, sShape{});
  sShape& text = object.Shape[0];
  text.Name = "Title";
  text.Typ = kText;
  text.Text = "Hello";
  text.FontName = "Serif";
  text.FontStyle = 256;
  text.W = 20;
  text.X = 31;
  text.Y = 32;
  sShape& image = object.Shape[1];
  image.Name = "Photo";
  image.Typ = kImage;
  image.ImageFile = "photo.png";
  image.ImageP1 = 7;
  image.W = 64;
  image.H = 48;
  image.X = -41;
  image.Y = 42;
  for (sShape* shape : {&text, &image}) {
    shape->Color = 0x123456;
    shape->Alpha = 200;
    shape->Fx.assign(1, sShapeFx{});
    shape->Fx[0].Name = "Glow";
    shape->Fx[0].Color = 77;
    shape->Fx[0].Actif = 1;
    shape->Pt.assign(2, sPoint{});
    shape->Pt[1] = {5, -6};
  }
  sObject second = object;
  second.Name = "Second";
  return {object, second};
}

using Setter = std::function<void(std::vector<sObject>&, const std::string&)>;

struct Field {
  const char* name;
  Setter set;
};

const Field kTextFields[] = {
    {"object name", [](auto& s, const std::string& v) { s[0].Name = v; }},
    {"shape name", [](auto& s, const std::string& v) { s[0].Shape[1].Name = v; }},
    {"text", [](auto& s, const std::string& v) { s[0].Shape[0].Text = v; }},
    {"font name", [](auto& s, const std::string& v) { s[0].Shape[0].FontName = v; }},
    {"image file", [](auto& s, const std::string& v) { s[0].Shape[1].ImageFile = v; }},
    {"fx name", [](auto& s, const std::string& v) { s[0].Shape[0].Fx[0].Name = v; }},
};

const char* const kHostile[] = {
    ",",
    ";",
    "\r",
    "\n",
    "\r\n",
    ",,,;;;",
    "a,b;c",
    "\n\n\n",
    "x\r\nobj,Injected,0,0,1,1,0,0,0\r\nshape,0,0,Evil,255,0,1,1,1,1,9,9,,0,0,\r\n",
    "pic;1;2;3.png",
    "tail,\r",
    "caf\xC3\xA9;, ok",
};

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  size_t from = 0;
  for (size_t at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", from)) {
    lines.push_back(text.substr(from, at - from));
    from = at + 2;
  }
  EXPECT_EQ(from, text.size()) << "text after the last line end";
  return lines;
}

size_t Count(const std::string& line, char c) {
  return static_cast<size_t>(std::count(line.begin(), line.end(), c));
}

// The ";" parts of a shape line's type data (its 13th field); 0 elsewhere.
size_t TypeDataParts(const std::string& line) {
  if (line.rfind("shape,", 0) != 0) return 0;
  size_t start = 0;
  for (int field = 1; field < 13; ++field) start = line.find(',', start) + 1;
  return Count(line.substr(start, line.find(',', start) - start), ';');
}

TEST(DocumentWriterFields, NoStringInATextFieldAddsALineOrShiftsAField) {
  const std::vector<std::string> plain = Lines(WriteDocumentText(SampleScene()));
  for (const Field& field : kTextFields) {
    for (const char* hostile : kHostile) {
      SCOPED_TRACE(std::string(field.name) + " = " + hostile);
      std::vector<sObject> scene = SampleScene();
      field.set(scene, hostile);
      const std::string saved = WriteDocumentText(scene);
      const std::vector<std::string> lines = Lines(saved);
      ASSERT_EQ(lines.size(), plain.size()) << saved;
      for (size_t i = 0; i < lines.size(); ++i) {
        EXPECT_EQ(Count(lines[i], ','), Count(plain[i], ',')) << lines[i];
        EXPECT_EQ(TypeDataParts(lines[i]), TypeDataParts(plain[i])) << lines[i];
        EXPECT_EQ(Count(lines[i], '\r') + Count(lines[i], '\n'), 0u) << lines[i];
      }

      // Read back, every number is where it was.
      EditorContext back;
      LoadDocumentText(back, kLoadReplace, saved, nullptr);
      ASSERT_EQ(back.Obj.size(), 2u);
      const sObject& object = back.Obj[0];
      EXPECT_EQ(object.X, 11);
      EXPECT_EQ(object.H, 90);
      ASSERT_EQ(object.Shape.size(), 2u);
      EXPECT_EQ(object.Shape[0].Typ, kText);
      EXPECT_EQ(object.Shape[0].FontStyle, 256);
      EXPECT_EQ(object.Shape[0].Y, 32);
      EXPECT_EQ(object.Shape[1].Typ, kImage);
      EXPECT_EQ(object.Shape[1].ImageP1, 7);
      EXPECT_EQ(object.Shape[1].X, -41);
      EXPECT_EQ(object.Shape[1].H, 48);
      for (const sShape& shape : object.Shape) {
        EXPECT_EQ(shape.Color, 0x123456);
        ASSERT_EQ(shape.Fx.size(), 1u);
        EXPECT_EQ(shape.Fx[0].Color, 77);
        ASSERT_EQ(shape.Pt.size(), 2u);
        EXPECT_EQ(shape.Pt[1].Y, -6);
      }
      EXPECT_EQ(back.Obj[1].Name, "Second");
    }
  }
}

}  // namespace
}  // namespace tavisk
