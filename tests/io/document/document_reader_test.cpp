#include "io/document/document_reader.h"

#include <gtest/gtest.h>

#include <functional>
#include <random>

#include "document/field_text.h"
#include "document/object_creation.h"
#include "edit/document_loading.h"
#include "io/document/document_writer.h"

namespace tavisk {
namespace {

const PictureLoader kNoPictures = [](const std::string&) { return int64_t{0}; };

EditorContext StartedContext() {
  EditorContext ctx;
  AddObject(ctx, 0);
  return ctx;
}

// Reads text in replace mode into a fresh editor.
EditorContext Loaded(const std::string& text) {
  EditorContext ctx = StartedContext();
  LoadDocumentText(ctx, kLoadReplace, text, kNoPictures);
  return ctx;
}

const sShape& Shape0(const EditorContext& ctx) {
  return ctx.Obj[0].Shape[0];
}

// A scene using every type of shape data, several objects, effects and
// points, negative numbers and 16-bit extremes.
std::string RichDocument() {
  return "gen, ,0.13,\r\n"
         "obj,Back,-5,7,150,80,0,1,0\r\n"
         "shape,0,-8856356,Outline,255,1,3,4,2,0,0,0,,-32768,32767,\r\n"
         "shapefx,0,-3,4,-16746241,200,1,2,12,6,7,90,1,-2,1\r\n"
         "shapefx,1,0,0,16711935,0,3,0,10,5,5,100,0,0,0\r\n"
         "pt,0,1,2,\r\npt,1,3,-4,\r\npt,2,50,60,\r\n"
         "shape,1,255,Caption,128,0,1,1,1,7,24,5,Hello;Liberation Serif;768;,10,20,\r\n"
         "shapefx,0,0,0,-16746241,255,0,0,10,5,5,100,0,0,0\r\n"
         "pt,0,0,0,\r\n"
         "obj,Front,0,0,100,100,1,0,1\r\n"
         "shape,0,-1,photo,255,0,10,5,5,6,64,48,pics/photo.png;3;0;0;0;0;0;,5,6,\r\n"
         "shapefx,0,0,0,-16746241,255,0,0,10,5,5,100,0,0,0\r\n"
         "pt,0,0,0,\r\n"
         "shape,1,-8856356,Curve_1,255,1,10,5,5,5,5,5,,0,0,\r\n"
         "shapefx,0,0,0,-16746241,255,0,0,10,5,5,100,0,0,0\r\n"
         "pt,0,90,90,\r\npt,1,95,95,\r\npt,2,100,100,\r\npt,3,105,105,\r\n";
}

TEST(DocumentReader, RichDocumentRoundTripsByteForByte) {
  const EditorContext ctx = Loaded(RichDocument());
  EXPECT_EQ(WriteDocumentText(ctx.Obj), RichDocument());
  ASSERT_EQ(ctx.Obj.size(), 2u);
  const sShape& outline = Shape0(ctx);
  EXPECT_EQ(outline.X, -32768);
  EXPECT_EQ(outline.Y, 32767);
  EXPECT_EQ(outline.Color, -8856356);
  EXPECT_EQ(outline.Fx[0].Name, "fx_0");
  EXPECT_EQ(outline.Fx[1].Name, "fx_1");
  EXPECT_EQ(outline.Fx[0].Actif, 1);
  const sShape& caption = ctx.Obj[0].Shape[1];
  EXPECT_EQ(caption.Text, "Hello");
  EXPECT_EQ(caption.FontName, "Liberation Serif");
  EXPECT_EQ(caption.FontStyle, 768);
  const FontSpec* font = ctx.Fonts.Get(caption.Font);
  ASSERT_NE(font, nullptr);
  EXPECT_EQ(font->Name, "Liberation Serif");
  EXPECT_EQ(font->Size, 24);
  EXPECT_EQ(font->Style, 768);
  EXPECT_EQ(ctx.Obj[1].Shape[0].ImageFile, "pics/photo.png");
  EXPECT_EQ(ctx.Obj[1].Shape[0].ImageP1, 3);
  EXPECT_EQ(ctx.Obj[1].Locked, 1);
  EXPECT_EQ(ctx.Obj[0].Hide, 1);
  EXPECT_EQ(ctx.CurrentObject, 1);
  EXPECT_EQ(ctx.ObjReady, 1);
}

TEST(DocumentReader, AnyLineEndingReadsTheSame) {
  const std::string crlf = RichDocument();
  std::string lf, cr, mixed;
  for (size_t i = 0; i < crlf.size(); ++i) {
    if (crlf[i] == '\r') continue;
    lf += crlf[i];
    cr += crlf[i] == '\n' ? '\r' : crlf[i];
    mixed += crlf[i] == '\n' ? (i % 3 == 0   ? "\r"
                                : i % 3 == 1 ? "\n"
                                             : "\r\n")
                             : std::string(1, crlf[i]);
  }
  const std::string unterminated = crlf.substr(0, crlf.size() - 2);
  for (const std::string& text : {lf, cr, mixed, unterminated, "\xEF\xBB\xBF" + crlf}) {
    EXPECT_EQ(WriteDocumentText(Loaded(text).Obj), crlf);
  }
}

TEST(DocumentReader, ImageShapesAskTheLoaderForTheirPicture) {
  std::vector<std::string> asked;
  const PictureLoader loader = [&](const std::string& path) {
    asked.push_back(path);
    return int64_t{7};
  };
  EditorContext ctx = StartedContext();
  LoadDocumentText(ctx, kLoadReplace, RichDocument(), loader);
  EXPECT_EQ(asked, std::vector<std::string>{"pics/photo.png"});
  EXPECT_EQ(ctx.Obj[1].Shape[0].Image, 7);
}

struct MalformedCase {
  const char* what;
  std::string body;  // lines after "gen, ,0.13," and "obj,O,0,0,100,100,0,0,0"
  std::function<void(const EditorContext&)> check;
};

TEST(DocumentReader, MalformedLinesAreRepairedOrSkipped) {
  const MalformedCase cases[] = {
      {"negative shape index is skipped", "shape,-1,5,Neg,255,0,1,1,1,1,5,5,,0,0,\n",
       [](const EditorContext& c) {
         EXPECT_EQ(c.Obj[0].Shape.size(), 1u);
         EXPECT_EQ(c.Obj[0].HasShape, 0);
       }},
      {"shape index past a million is skipped", "shape,1000000,5,Big,255,0,1,1,1,1,5,5,,0,0,\n",
       [](const EditorContext& c) { EXPECT_EQ(c.Obj[0].Shape.size(), 1u); }},
      {"shape index beyond 64 bits reads as 0",
       "shape,99999999999999999999,5,Huge,255,0,1,1,1,1,5,5,,0,0,\n",
       [](const EditorContext& c) { EXPECT_EQ(Shape0(c).Name, "Huge"); }},
      {"gaps create blank shapes",
       "shape,0,1,A,255,0,1,1,1,1,5,5,,0,0,\nshape,3,1,D,255,0,1,1,1,1,5,5,,0,0,\n",
       [](const EditorContext& c) {
         ASSERT_EQ(c.Obj[0].Shape.size(), 4u);
         EXPECT_EQ(c.Obj[0].Shape[1].Name, "");
         EXPECT_EQ(c.Obj[0].Shape[2].Name, "");
         EXPECT_EQ(c.Obj[0].Shape[3].Name, "D");
         EXPECT_EQ(c.Obj[0].Shape[3].Id, 3);
       }},
      {"negative and oversized point and fx indices are skipped",
       "shape,0,1,A,255,0,1,1,1,5,5,5,,0,0,\npt,-1,9,9,\npt,1000000,9,9,\n"
       "shapefx,-2,1,1,1,1,1,1,1,1,1,1,1,1,1\nshapefx,5000000,1,1,1,1,1,1,1,1,1,1,1,1,1\n",
       [](const EditorContext& c) {
         EXPECT_EQ(Shape0(c).Pt.size(), 1u);
         EXPECT_EQ(Shape0(c).Pt[0].X, 0);
         EXPECT_EQ(Shape0(c).Fx.size(), 1u);
         EXPECT_EQ(Shape0(c).Fx[0].Name, "");
       }},
      {"missing fields read as empty and zero, then repaired", "shape,0\n",
       [](const EditorContext& c) {
         const sShape& s = Shape0(c);
         EXPECT_EQ(s.Name, "shape_0");
         EXPECT_EQ(s.Color, 0);
         EXPECT_EQ(s.Alpha, 0);  // version 0.13: no alpha repair
         EXPECT_EQ(s.Width, 1);
         EXPECT_EQ(s.Height, 1);
         EXPECT_EQ(s.Dist, 1);
         EXPECT_EQ(c.Obj[0].HasShape, 1);
       }},
      {"widths below one become one", "shape,0,1,A,255,0,0,-7,-32768,1,5,5,,0,0,\n",
       [](const EditorContext& c) {
         EXPECT_EQ(Shape0(c).Width, 1);
         EXPECT_EQ(Shape0(c).Height, 1);
         EXPECT_EQ(Shape0(c).Dist, 1);
       }},
      {"a name with a comma shifts the later fields",
       "shape,0,-1,Big,Box,255,0,10,5,5,1,5,5,,100,80,\n",
       [](const EditorContext& c) {
         const sShape& s = Shape0(c);
         EXPECT_EQ(s.Name, "Big");
         EXPECT_EQ(s.Alpha, 0);  // "Box"
         EXPECT_EQ(s.Style, 255);
         EXPECT_EQ(s.Width, 1);  // 0 raised
         EXPECT_EQ(s.Height, 10);
         EXPECT_EQ(s.Typ, 5);
         EXPECT_EQ(s.X, 0);  // the empty type data field
         EXPECT_EQ(s.Y, 100);
       }},
      {"a text with a semicolon shifts its sub-fields",
       "shape,0,-1,T,255,0,1,1,1,7,12,5,a;b;Times;256;,0,0,\n",
       [](const EditorContext& c) {
         EXPECT_EQ(Shape0(c).Text, "a");
         EXPECT_EQ(Shape0(c).FontName, "b");
         EXPECT_EQ(Shape0(c).FontStyle, 0);
       }},
      {"integer parse takes a sign and leading digits only",
       "shape,0,12abc,+5,255,0, 7,-,--3,1,5,5,,-0,7x,\n",
       [](const EditorContext& c) {
         const sShape& s = Shape0(c);
         EXPECT_EQ(s.Color, 12);
         EXPECT_EQ(s.Name, "+5");
         EXPECT_EQ(s.Width, 1);  // " 7" is 0
         EXPECT_EQ(s.Height, 1);
         EXPECT_EQ(s.Dist, 1);
         EXPECT_EQ(s.Y, 7);
       }},
      {"points and effects before any shape go to shape 0",
       "pt,2,4,5,\nshapefx,0,1,2,3,4,5,6,7,8,9,10,11,12,1\n",
       [](const EditorContext& c) {
         ASSERT_EQ(Shape0(c).Pt.size(), 3u);
         EXPECT_EQ(Shape0(c).Pt[2].Y, 5);
         EXPECT_EQ(Shape0(c).Fx[0].Scale, 10);
       }},
      {"points after a switch of object name no shape there and are skipped",
       "shape,4,1,A,255,0,1,1,1,5,5,5,,0,0,\nobj,P,0,0,100,100,1,0,0\npt,1,4,5,\n",
       [](const EditorContext& c) {
         ASSERT_EQ(c.Obj.size(), 2u);
         EXPECT_EQ(c.Obj[1].Shape.size(), 1u);
         EXPECT_EQ(c.Obj[1].Shape[0].Pt.size(), 1u);
         EXPECT_EQ(c.Obj[0].Shape[4].Pt.size(), 1u);
       }},
      {"box types keep one point, curves keep theirs",
       "shape,0,1,C,255,0,1,1,1,5,5,5,,0,0,\npt,3,1,1,\nshape,0,1,B,255,0,1,1,1,1,5,5,,0,0,\n"
       "shape,1,1,C,255,0,1,1,1,5,5,5,,0,0,\npt,2,1,1,\nshape,1,1,C2,255,0,1,1,1,0,5,5,,0,0,\n",
       [](const EditorContext& c) {
         EXPECT_EQ(c.Obj[0].Shape[0].Pt.size(), 1u);
         EXPECT_EQ(c.Obj[0].Shape[1].Pt.size(), 3u);
       }},
      {"unknown tags, wrong case and empty lines are ignored",
       "\n\nShape,0,1,X,255,0,1,1,1,1,5,5,,0,0,\nshapes,0\n pt,0,1,1,\n",
       [](const EditorContext& c) {
         EXPECT_EQ(c.Obj[0].HasShape, 0);
         EXPECT_EQ(Shape0(c).Pt[0].X, 0);
       }},
      {"an empty object name is the object's index", "obj,,1,2,100,100,0,0,0\n",
       [](const EditorContext& c) { EXPECT_EQ(c.Obj[1].Name, "Object1"); }},
  };
  for (const MalformedCase& c : cases) {
    SCOPED_TRACE(c.what);
    c.check(Loaded("gen, ,0.13,\nobj,O,0,0,100,100,0,0,0\n" + c.body));
  }
}

TEST(DocumentReader, IntegerParseEdges) {
  const struct {
    const char* text;
    int64_t value;
  } cases[] = {
      {"0", 0},
      {"-0", 0},
      {"42", 42},
      {"-42", -42},
      {"007", 7},
      {"000000000000000000000000012", 12},
      {"9223372036854775807", INT64_MAX},
      {"-9223372036854775808", INT64_MIN},
      {"9223372036854775808", 0},
      {"-9223372036854775809", 0},
      {"18446744073709551616", 0},
      {"12abc", 12},
      {"", 0},
      {"-", 0},
      {"+5", 0},
      {" 5", 0},
      {"--5", 0},
      {"5 ", 5},
  };
  for (const auto& c : cases) EXPECT_EQ(ParseDocumentInt(c.text), c.value) << c.text;
  EXPECT_DOUBLE_EQ(ParseDocumentVersion("0.13"), 0.13);
  EXPECT_DOUBLE_EQ(ParseDocumentVersion("0.07x"), 0.07);
  EXPECT_DOUBLE_EQ(ParseDocumentVersion("abc"), 0);
}

TEST(DocumentReader, SixtyFourBitValuesRoundTrip) {
  EditorContext ctx = StartedContext();
  sShape& s = ctx.Obj[0].Shape[0];
  s.Name = "extremes";
  s.Width = s.Height = s.Dist = 1;
  s.Color = INT64_MIN;
  s.Pt[0].X = INT64_MAX;
  s.Pt[0].Y = -1;
  s.Fx[0].Width = INT64_MIN + 1;
  const std::string text = WriteDocumentText(ctx.Obj);
  EXPECT_NE(text.find("pt,0,9223372036854775807,-1,\r\n"), std::string::npos);
  const EditorContext back = Loaded(text);
  EXPECT_EQ(Shape0(back).Color, INT64_MIN);
  EXPECT_EQ(Shape0(back).Pt[0].X, INT64_MAX);
  EXPECT_EQ(Shape0(back).Fx[0].Width, INT64_MIN + 1);
  EXPECT_EQ(WriteDocumentText(back.Obj), text);
}

TEST(DocumentReader, LongNamesAndTextsRoundTrip) {
  // Longer than the writer's line buffer, to take its long-field path.
  sShape proto;
  proto.Typ = kText;
  proto.Name = std::string(70000, 'n');
  proto.Text = std::string(kMaxTextBytes, 't');  // the longest text kept
  proto.FontName = "Serif";
  proto.Width = proto.Height = proto.Dist = 1;
  EditorContext ctx = StartedContext();
  ctx.Obj[0].Shape.assign(3, proto);
  const std::string text = WriteDocumentText(ctx.Obj);
  const EditorContext back = Loaded(text);
  EXPECT_TRUE(back.Obj[0].Shape[2].Text == proto.Text);
  EXPECT_TRUE(WriteDocumentText(back.Obj) == text);
}

TEST(DocumentReader, GapsShareOneBudgetPerLoad) {
  // The first gap spends nearly the whole budget; the second cannot be paid.
  const EditorContext ctx = Loaded(
      "gen, ,0.13,\nobj,O,0,0,100,100,0,0,0\n"
      "shape,0,1,A,255,0,1,1,1,5,5,5,,0,0,\npt,99999,1,2,\n"
      "shape,1,1,B,255,0,1,1,1,5,5,5,,0,0,\npt,99999,3,4,\npt,1,5,6,\n");
  EXPECT_EQ(ctx.Obj[0].Shape[0].Pt.size(), 100000u);
  EXPECT_EQ(ctx.Obj[0].Shape[0].Pt[99999].Y, 2);
  EXPECT_EQ(ctx.Obj[0].Shape[1].Pt.size(), 2u);
  EXPECT_EQ(ctx.Obj[0].Shape[1].Pt[1].Y, 6);
}

TEST(DocumentReader, OldVersionsGetTheirRepairs) {
  const std::string shape = "shape,0,1,A,0,0,1,1,1,1,5,5,,0,0,\n";
  EXPECT_EQ(Shape0(Loaded("gen, ,0.12,\n" + shape)).Alpha, 255);
  EXPECT_EQ(Shape0(Loaded("gen, ,0.13,\n" + shape)).Alpha, 0);
  EXPECT_EQ(Shape0(Loaded(shape)).Alpha, 255);  // no version at all reads as 0

  // Before 0.08 the "gen" line named the first object and there were no
  // "obj" lines: the object gets that name at 100 %.
  const EditorContext old = Loaded("gen,Layer,0.07,\n" + shape);
  EXPECT_EQ(old.Obj[0].Name, "Layer");
  EXPECT_EQ(old.Obj[0].W, 100);
  EXPECT_EQ(old.Obj[0].H, 100);
  EXPECT_EQ(Shape0(old).Alpha, 255);
  EXPECT_EQ(Loaded("gen,,0.05,\n").Obj[0].Name, "Object0");
  const EditorContext current = Loaded("gen,Layer,0.08,\n" + shape);
  EXPECT_EQ(current.Obj[0].Name, "");
  EXPECT_EQ(current.Obj[0].W, 0);
}

TEST(DocumentReader, PlaceholderShapeComesBackAsARealShape) {
  EditorContext ctx = StartedContext();
  const std::string text = WriteDocumentText(ctx.Obj);
  EXPECT_EQ(text,
            "gen, ,0.13,\r\nobj,Object0,0,0,100,100,0,0,0\r\n"
            "shape,0,0,,0,0,0,0,0,0,0,0,,0,0,\r\n"
            "shapefx,0,0,0,0,0,0,0,0,0,0,0,0,0,0\r\npt,0,0,0,\r\n");
  const EditorContext back = Loaded(text);
  EXPECT_EQ(back.Obj[0].HasShape, 1);
  EXPECT_EQ(Shape0(back).Name, "shape_0");
}

TEST(DocumentReader, ReplaceRebuildsTheScene) {
  EditorContext ctx = Loaded(RichDocument());
  ctx.CurrentShape = 1;
  LoadDocumentText(ctx, kLoadReplace, "gen, ,0.13,\nobj,Only,0,0,100,100,0,0,0\n", kNoPictures);
  ASSERT_EQ(ctx.Obj.size(), 1u);
  EXPECT_EQ(ctx.Obj[0].Name, "Only");
  EXPECT_EQ(ctx.Obj[0].Shape.size(), 1u);
  EXPECT_EQ(ctx.CurrentObject, 0);
  EXPECT_EQ(ctx.CurrentShape, 0);
}

TEST(DocumentReader, MergeAddsEveryObjectAndLeavesTheSceneAlone) {
  // Right after start-up, and with no ready object (the only shape deleted).
  for (const int8_t ready : {0, -1}) {
    EditorContext ctx = StartedContext();
    ctx.ObjReady = ready;
    ctx.Obj[0].X = 3;
    const std::string before = WriteDocumentText(ctx.Obj);
    LoadDocumentText(ctx, kLoadMerge, RichDocument(), kNoPictures);
    ASSERT_EQ(ctx.Obj.size(), 3u);
    EXPECT_EQ(WriteDocumentText({ctx.Obj[0]}), before);
    EXPECT_EQ(ctx.Obj[1].Name, "Back");
    EXPECT_EQ(ctx.Obj[1].X, -5);
    EXPECT_EQ(ctx.Obj[1].Shape[1].Name, "Caption");
    EXPECT_EQ(ctx.Obj[2].Name, "Front");
    EXPECT_EQ(ctx.CurrentObject, 2);
  }
}

TEST(DocumentReader, MergeIntoAReadySceneAppendsObjects) {
  EditorContext ctx = Loaded(RichDocument());
  ctx.CurrentObject = 0;
  LoadDocumentText(ctx, kLoadMerge, RichDocument(), kNoPictures);
  ASSERT_EQ(ctx.Obj.size(), 4u);
  EXPECT_EQ(ctx.Obj[2].Name, "Back");
  EXPECT_EQ(ctx.Obj[3].Name, "Front");
  EXPECT_EQ(ctx.Obj[3].Shape[1].Pt[3].X, 105);
  EXPECT_EQ(ctx.Obj[0].Shape.size(), 2u);
  EXPECT_EQ(ctx.CurrentObject, 3);
}

TEST(DocumentReader, MergedShapesWithoutAnObjectLineGetAnObjectOfTheirOwn) {
  const std::string shape = "shape,0,-1,Lone,255,0,1,1,1,1,5,5,,0,0,\npt,0,4,4,\n";
  EditorContext ctx = Loaded(RichDocument());
  const std::string before = WriteDocumentText(ctx.Obj);
  // Points and effects before any shape line have no shape of the file.
  LoadDocumentText(ctx, kLoadMerge, "pt,0,9,9,\nshapefx,0,1,1,1,1,1,1,1,1,1,1,1,1,1\n" + shape,
                   kNoPictures);
  ASSERT_EQ(ctx.Obj.size(), 3u);
  EXPECT_EQ(WriteDocumentText({ctx.Obj[0], ctx.Obj[1]}), before);
  EXPECT_EQ(ctx.Obj[2].Name, "Object2");
  EXPECT_EQ(ctx.Obj[2].Shape[0].Name, "Lone");

  // A file from before object lines is one object at 100 %, named by "gen".
  LoadDocumentText(ctx, kLoadMerge, "gen,Old,0.07,\n" + shape, kNoPictures);
  ASSERT_EQ(ctx.Obj.size(), 4u);
  EXPECT_EQ(ctx.Obj[3].Name, "Old");
  EXPECT_EQ(ctx.Obj[3].W, 100);
  EXPECT_EQ(ctx.Obj[3].Shape[0].Pt[0].X, 4);
  EXPECT_EQ(ctx.Obj[2].Shape.size(), 1u);
}

TEST(DocumentReader, TemplateAppendsEveryShapeToTheCurrentObject) {
  EditorContext ctx = Loaded(RichDocument());
  ctx.CurrentObject = 0;
  const sObject before = ctx.Obj[0];
  LoadDocumentText(ctx, kLoadTemplate, RichDocument(), kNoPictures);
  ASSERT_EQ(ctx.Obj.size(), 2u);
  const sObject& o = ctx.Obj[0];
  ASSERT_EQ(o.Shape.size(), 7u);
  const char* names[] = {"Outline", "Caption", "", "Outline", "Caption", "photo", "Curve_1"};
  for (size_t i = 0; i < 7; ++i) EXPECT_EQ(o.Shape[i].Name, names[i]) << i;
  EXPECT_EQ(o.Shape[6].Id, 6);
  EXPECT_EQ(o.Name, before.Name);
  EXPECT_EQ(o.X, before.X);
  EXPECT_EQ(o.W, before.W);
  EXPECT_EQ(ctx.CurrentObject, 0);
}

TEST(DocumentReader, ADocumentIsTextWithOneLineTheReaderReads) {
  for (const char* text : {"gen", "obj,A", "shape,0", "shapefx,0", "pt,0,1,1,",
                           "\xEF\xBB\xBFgen, ,0.13,", "notes\rpt,0,1,1,", "x\n\nshape,0,,\r\n"}) {
    EXPECT_FALSE(ReadDocument(text).Has(DocumentDiagnostic::NotADocument)) << text;
  }
  for (const char* text : {"", "\r\n\r\n", "\xEF\xBB\xBF", "general,0", "GEN,0", " gen,0",
                           "points\npoint,1,2", "x,gen,obj"}) {
    EXPECT_TRUE(ReadDocument(text).Has(DocumentDiagnostic::NotADocument)) << text;
  }
}

TEST(DocumentReader, DamagedDocumentsNeverBreakTheScene) {
  const std::string base = RichDocument();
  const char alphabet[] = "0123456789-,;\r\nshapefxptobjgen";
  std::mt19937 random(20261208);
  for (int round = 0; round < 1500; ++round) {
    std::string text = base;
    const int edits = 1 + static_cast<int>(random() % 8);
    for (int e = 0; e < edits; ++e) {
      const size_t at = random() % text.size();
      switch (random() % 3) {
        case 0:
          text[at] = alphabet[random() % (sizeof alphabet - 1)];
          break;
        case 1:
          text.erase(at, 1 + random() % 6);
          break;
        default:
          text.insert(at, std::string(1 + random() % 9, alphabet[random() % 10]));
          break;
      }
      if (text.empty()) text = "gen";
    }
    for (int mode : {kLoadReplace, kLoadMerge, kLoadTemplate}) {
      EditorContext ctx = StartedContext();
      LoadDocumentText(ctx, mode, text, kNoPictures);
      ASSERT_TRUE(ValidIndex(ctx.Obj, ctx.CurrentObject)) << text;
      for (const sObject& o : ctx.Obj) {
        ASSERT_FALSE(o.Shape.empty());
        ASSERT_LE(o.Shape.size(), static_cast<size_t>(kMaxArrayElements));
        for (const sShape& s : o.Shape) {
          ASSERT_FALSE(s.Pt.empty());
          ASSERT_FALSE(s.Fx.empty());
        }
      }
    }
  }
}

}  // namespace
}  // namespace tavisk
