// Drawings as SVG at 1:1, one user unit a millimetre.
#include <cmath>

#include "request/output/number_text.hpp"
#include "request/parts/writers.hpp"
#include "request/svg/svg_document.hpp"

namespace tarniq::request {
namespace {

// Millimetres to a micrometre.
std::string mm(double value) { return short_text(value, 3); }

std::string stroke_style(Stroke stroke) {
  switch (stroke) {
    case Stroke::fold: return "stroke=\"#0050b0\" stroke-width=\"0.3\" stroke-dasharray=\"3 2\"";
    case Stroke::note: return "stroke=\"#606060\" stroke-width=\"0.25\"";
    case Stroke::cut: break;
  }
  return "stroke=\"#000000\" stroke-width=\"0.3\"";
}

std::string path_data(const SheetPath& path) {
  std::string data;
  for (std::size_t i = 0; i < path.points.size(); ++i)
    data += (i == 0 ? "M" : " L") + mm(path.points[i].x) + " " + mm(path.points[i].y);
  if (path.closed) data += " Z";
  return data;
}

std::string text_element(const SheetText& text) {
  std::string element = "<text x=\"" + mm(text.at.x) + "\" y=\"" + mm(text.at.y) + "\" font-size=\"" + mm(text.size) + "\"";
  if (text.align == TextAlign::middle) element += " text-anchor=\"middle\"";
  // SVG turns clockwise on the page (y down): counterclockwise is negative.
  if (text.angle_deg != 0.0)
    element += " transform=\"rotate(" + short_text(-text.angle_deg, 3) + " " + mm(text.at.x) + " " + mm(text.at.y) + ")\"";
  return element + ">" + svg::escape(text.text) + "</text>\n";
}

}  // namespace

std::string svg_drawing(const Sheet& sheet) {
  const std::string w = mm(sheet.width);
  const std::string h = mm(sheet.height);
  std::string out = "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"no\"?>\n";
  out += "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" width=\"" + w + "mm\" height=\"" + h +
         "mm\" viewBox=\"0 0 " + w + " " + h + "\">\n";
  out += "<title>" + svg::escape(sheet.title) + "</title>\n";
  out += "<desc>Scale 1:1, one unit a millimetre: print at 100 % (actual size).</desc>\n";
  out += "<rect x=\"0\" y=\"0\" width=\"" + w + "\" height=\"" + h + "\" fill=\"white\"/>\n";
  out += "<g fill=\"none\" stroke-linejoin=\"round\" stroke-linecap=\"round\">\n";
  for (const SheetPath& path : sheet.paths)
    out += "<path d=\"" + path_data(path) + "\" " + stroke_style(path.stroke) + "/>\n";
  out += "</g>\n<g font-family=\"DejaVu Sans, Arial, Helvetica, sans-serif\" fill=\"#000000\">\n";
  for (const SheetText& text : sheet.texts) out += text_element(text);
  out += "</g>\n</svg>\n";
  return out;
}

}  // namespace tarniq::request
