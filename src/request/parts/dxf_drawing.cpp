// Drawings as DXF R12 ASCII in millimetres: LINE and TEXT entities on three layers.
#include <tuple>

#include "request/output/number_text.hpp"
#include "request/parts/writers.hpp"

namespace tarniq::request {
namespace {

// Text heights in DXF are the capitals' height; the sheet's sizes are ems.
constexpr double kCapitalsPerEm = 0.72;

class DxfText {
 public:
  void pair(int code, std::string_view value) {
    out_ += std::to_string(code);
    out_ += '\n';
    out_ += value;
    out_ += '\n';
  }
  void number(int code, double value) { pair(code, short_text(value, 4)); }
  std::string& text() { return out_; }

 private:
  std::string out_;
};

// R12 text is one byte per character in its code page: the few non-ASCII
// characters the drawings use become their DXF codes or ASCII stand-ins.
std::string dxf_string(std::string_view text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto c = static_cast<unsigned char>(text[i]);
    if (c < 0x80) {
      out += c < 0x20 ? '?' : static_cast<char>(c);
      continue;
    }
    std::size_t length = 1;
    while (i + length < text.size() && (static_cast<unsigned char>(text[i + length]) & 0xC0) == 0x80) ++length;
    const std::string_view character = text.substr(i, length);
    if (character == "°") out += "%%d";
    else if (character == "×") out += "x";
    else out += '?';
    i += length - 1;
  }
  return out;
}

std::string_view layer(Stroke stroke) {
  switch (stroke) {
    case Stroke::fold: return "FOLD";
    case Stroke::note: return "NOTES";
    case Stroke::cut: break;
  }
  return "CUT";
}

void header(DxfText& dxf, const Sheet& sheet) {
  dxf.pair(0, "SECTION");
  dxf.pair(2, "HEADER");
  dxf.pair(9, "$ACADVER");
  dxf.pair(1, "AC1009");
  dxf.pair(9, "$DWGCODEPAGE");
  dxf.pair(3, "ANSI_1252");
  dxf.pair(9, "$INSUNITS");  // 4: millimetres
  dxf.pair(70, "4");
  dxf.pair(9, "$MEASUREMENT");  // 1: metric
  dxf.pair(70, "1");
  for (const char* name : {"$EXTMIN", "$LIMMIN"}) {
    dxf.pair(9, name);
    dxf.number(10, 0.0);
    dxf.number(20, 0.0);
  }
  for (const char* name : {"$EXTMAX", "$LIMMAX"}) {
    dxf.pair(9, name);
    dxf.number(10, sheet.width);
    dxf.number(20, sheet.height);
  }
  dxf.pair(0, "ENDSEC");
}

void tables(DxfText& dxf) {
  dxf.pair(0, "SECTION");
  dxf.pair(2, "TABLES");
  dxf.pair(0, "TABLE");
  dxf.pair(2, "LTYPE");
  dxf.pair(70, "2");
  for (const bool dashed : {false, true}) {
    dxf.pair(0, "LTYPE");
    dxf.pair(2, dashed ? "DASHED" : "CONTINUOUS");
    dxf.pair(70, "0");
    dxf.pair(3, dashed ? "Dashed __ __ __" : "Solid line");
    dxf.pair(72, "65");
    dxf.pair(73, dashed ? "2" : "0");
    dxf.number(40, dashed ? 5.0 : 0.0);
    if (dashed) {
      dxf.number(49, 3.0);
      dxf.number(49, -2.0);
    }
  }
  dxf.pair(0, "ENDTAB");
  dxf.pair(0, "TABLE");
  dxf.pair(2, "LAYER");
  dxf.pair(70, "3");
  // Name, colour (7 black or white, 5 blue, 8 grey), line type.
  for (const auto& [name, colour, line_type] : {std::tuple{"CUT", "7", "CONTINUOUS"}, std::tuple{"FOLD", "5", "DASHED"},
                                                std::tuple{"NOTES", "8", "CONTINUOUS"}}) {
    dxf.pair(0, "LAYER");
    dxf.pair(2, name);
    dxf.pair(70, "0");
    dxf.pair(62, colour);
    dxf.pair(6, line_type);
  }
  dxf.pair(0, "ENDTAB");
  dxf.pair(0, "TABLE");
  dxf.pair(2, "STYLE");
  dxf.pair(70, "1");
  dxf.pair(0, "STYLE");
  dxf.pair(2, "STANDARD");
  dxf.pair(70, "0");
  dxf.number(40, 0.0);
  dxf.number(41, 1.0);
  dxf.number(50, 0.0);
  dxf.pair(71, "0");
  dxf.number(42, 2.5);
  dxf.pair(3, "txt");
  dxf.pair(4, "");
  dxf.pair(0, "ENDTAB");
  dxf.pair(0, "ENDSEC");
}

}  // namespace

std::string dxf_drawing(const Sheet& sheet) {
  DxfText dxf;
  header(dxf, sheet);
  tables(dxf);
  dxf.pair(0, "SECTION");
  dxf.pair(2, "ENTITIES");
  // DXF's y runs up the sheet.
  const auto y = [&](double sheet_y) { return sheet.height - sheet_y; };
  for (const SheetPath& path : sheet.paths) {
    const std::size_t count = path.points.size();
    const std::size_t segments = path.closed ? count : count - 1;
    for (std::size_t i = 0; i < segments && count > 1; ++i) {
      const SheetPoint from = path.points[i];
      const SheetPoint to = path.points[(i + 1) % count];
      dxf.pair(0, "LINE");
      dxf.pair(8, layer(path.stroke));
      dxf.number(10, from.x);
      dxf.number(20, y(from.y));
      dxf.number(30, 0.0);
      dxf.number(11, to.x);
      dxf.number(21, y(to.y));
      dxf.number(31, 0.0);
    }
  }
  for (const SheetText& text : sheet.texts) {
    dxf.pair(0, "TEXT");
    dxf.pair(8, "NOTES");
    dxf.number(10, text.at.x);
    dxf.number(20, y(text.at.y));
    dxf.number(30, 0.0);
    dxf.number(40, text.size * kCapitalsPerEm);
    dxf.pair(1, dxf_string(text.text));
    if (text.angle_deg != 0.0) dxf.number(50, text.angle_deg);
    if (text.align == TextAlign::middle) {
      // Centred on the alignment point, which R12 takes instead of the first.
      dxf.pair(72, "1");
      dxf.number(11, text.at.x);
      dxf.number(21, y(text.at.y));
      dxf.number(31, 0.0);
    }
  }
  dxf.pair(0, "ENDSEC");
  dxf.pair(0, "EOF");
  return std::move(dxf.text());
}

}  // namespace tarniq::request
