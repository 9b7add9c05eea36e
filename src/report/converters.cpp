#include "report/converters.h"

namespace hv::report {

namespace {

constexpr const char* kRule = "------------------";  // the rule under a section title
constexpr const char* kDot = " \u00B7 ";             // space, middle dot, space

std::string RtfMarker(Marker marker) {
  switch (marker) {
    case Marker::SectionTitle:
      return "\\cf1\\i\\fs28 ";
    case Marker::TitleEnd:
      return std::string("\\cf0\\i0\\fs24\\par\r\n") + kRule + "\\par";
    case Marker::FirstRow:
      return "\\pard{\\pntext\\f1\\'B7\\tab}{\\*\\pn\\pnlvlblt\\pnf1\\pnindent0{\\pntxtb\\'B7}}"
             "\\fi-360\\li720\\sl276\\slmult1\\b\\fs22 ";
    case Marker::Value:
      return "\\b0  \\i ";
    case Marker::RowEnd:
      return "\\i0\\par";
    case Marker::NextRow:
      return "\\b{\\pntext\\f1\\'B7\\tab}";
    case Marker::ListEnd:
      return "\\i0\\par\r\n\\pard\\sl276\\slmult1\\par\r\n\\par";
  }
  return {};
}

std::string HtmlMarker(Marker marker) {
  switch (marker) {
    case Marker::SectionTitle:
      return "\t\t<label class='Section'>";
    case Marker::TitleEnd:
      return "</label>\r\n\t\t<hr align='left' width='100' size='1'>";
    case Marker::FirstRow:
      return "\t\t<ul>\r\n\t\t\t<li><label class='Line'>";
    case Marker::Value:
      return " </label><label class='Result'>";
    case Marker::RowEnd:
      return "</label></li>";
    case Marker::NextRow:
      return "\t\t\t<li><label class='Line'>";
    case Marker::ListEnd:
      return "</label></li>\r\n\t\t</ul>\r\n\t\t<br>\r\n";
  }
  return {};
}

std::string BBCodeMarker(Marker marker, const Accent& accent) {
  switch (marker) {
    case Marker::SectionTitle:
      return "[color=#" + HexColor(accent) + "][i][size=11pt]";
    case Marker::TitleEnd:
      return std::string("[/size][/i][/color]\r\n") + kRule;
    case Marker::FirstRow:
      return "[list][li][b]";
    case Marker::Value:
      return "[/b] [i]";
    case Marker::RowEnd:
      return "[/i][/li]";
    case Marker::NextRow:
      return "[li][b]";
    case Marker::ListEnd:
      return "[/i][/li][/list]\r\n\r\n";
  }
  return {};
}

std::string PlainMarker(Marker marker) {
  switch (marker) {
    case Marker::SectionTitle:
      return " ";
    case Marker::TitleEnd:
      return std::string("\r\n") + kRule;
    case Marker::FirstRow:
    case Marker::NextRow:
      return kDot;
    case Marker::Value:
      return " ";
    case Marker::RowEnd:
      return "";
    case Marker::ListEnd:
      return "\r\n\r\n";
  }
  return {};
}

}  // namespace

std::string MarkerText(Format format, Marker marker, const Accent& accent) {
  switch (format) {
    case Format::Rtf:
      return RtfMarker(marker);
    case Format::Html:
      return HtmlMarker(marker);
    case Format::BBCode:
      return BBCodeMarker(marker, accent);
    case Format::Plain:
      return PlainMarker(marker);
  }
  return {};
}

std::string Convert(const NeutralText& neutral, Format format, const Accent& accent) {
  const std::string& text = neutral.Text();
  std::string out;
  out.reserve(text.size() * 3);
  std::size_t from = 0;
  bool firstTitle = true;
  for (const NeutralText::Place& place : neutral.Places()) {
    out += Escape(format, std::string_view(text).substr(from, place.at - from));
    if (format == Format::Rtf && place.marker == Marker::SectionTitle && firstTitle) {
      out += "\\cf1\\i ";
    } else {
      out += MarkerText(format, place.marker, accent);
    }
    if (place.marker == Marker::SectionTitle) firstTitle = false;
    from = place.at + 2;
  }
  out += Escape(format, std::string_view(text).substr(from));
  return out;
}

}  // namespace hv::report
