#include "report/heads.h"

#include <string>
#include <utility>

namespace hv::report {

namespace {

constexpr const char* kCrLf = "\r\n";

std::string Rgb(const Accent& a) {
  return Channel(a.red) + "," + Channel(a.green) + "," + Channel(a.blue);
}

ReportOutput RtfHead(const HeadInputs& in) {
  ReportOutput out;
  std::string& t = out.text;
  t = "{\\rtf1\\ansi\\ansicpg" + std::to_string(in.codePage) +
      "\\deff0{\\fonttbl{\\f0\\fnil\\fcharset" + std::to_string(RtfCharset(in.codePage)) +
      " Segoe UI;}{\\f1\\fnil\\fcharset2 Symbol;}}" + kCrLf;
  t += "{\\colortbl ;\\red" + Channel(in.accent.red) + "\\green" + Channel(in.accent.green) +
       "\\blue" + Channel(in.accent.blue) + ";";
  t += std::string("\\red64\\green64\\blue64;\\red0\\green0\\blue255;}") + kCrLf;
  t += std::string("{\\*\\generator Msftedit 5.41.21.2510;}\\viewkind4\\uc1\\pard\\qc") +
       "\\lang11274\\f0\\fs24\\par" + kCrLf + "\\par" + kCrLf;
  t += "\\cf1\\fs30 ";
  AppendTitleLine(out, in.title, Format::Rtf);
  t += std::string("\\cf0\\par") + kCrLf + "\\fs24 " + std::string(90, '-') + "\\fs28\\par" +
       kCrLf + "\\pard\\par" + kCrLf + "\\par" + kCrLf + "\\par" + kCrLf;
  return out;
}

ReportOutput HtmlHead(const HeadInputs& in) {
  ReportOutput out;
  std::string& t = out.text;
  t = "<html>\r\n\t<head>\r\n\t\t<title>" + Escape(Format::Html, in.reportName) + "</title>\r\n";
  t += "\t\t<style type='text/css'>\r\n";
  t += "\t\t\tbody{margin-top:0px; margin-left:15px}\r\n";
  t += "\t\t\tlabel{font-family:'Segoe UI', Arial; cursor:auto}\r\n\t\t\t";
  t += ".Section{color:rgb(" + Rgb(in.accent) + "); font-size:20px; font-style:italic}\r\n";
  t += "\t\t\t.Line{font-weight:bold; font-size:15px}\r\n";
  t += "\t\t\t.Result{font-size:15px; font-style:italic}\r\n";
  t += "\t\t</style>\r\n\t</head>\r\n\t<body>\r\n\t\t<br><br>\r\n\t\t";
  t += "<center><label style='color:rgb(" + Rgb(in.accent) + "); font-size:22px'>";
  AppendTitleLine(out, in.title, Format::Html);
  t += "</label></center>\r\n\t\t<br>\r\n\t\t<hr width='750' size='1'>\r\n\t\t<br><br>\r\n\r\n";
  return out;
}

ReportOutput BBCodeHead(const HeadInputs& in) {
  ReportOutput out;
  out.text = "[center][color=#" + HexColor(in.accent) + "][size=13pt]";
  AppendTitleLine(out, in.title, Format::BBCode);
  out.text += "[/size][/color]\r\n" + std::string(108, '-') + "[/center]\r\n\r\n\r\n\r\n";
  return out;
}

ReportOutput PlainHead(const HeadInputs& in) {
  ReportOutput out;
  out.text = "\r\n \u00B7 ";
  AppendTitleLine(out, in.title, Format::Plain);
  out.text += "\r\n\r\n\r\n";
  return out;
}

}  // namespace

int RtfCharset(unsigned codePage) {
  static constexpr std::pair<unsigned, int> kSets[] = {
      {874, 222},  {932, 128},  {936, 134},  {949, 129},  {950, 136},  {1250, 238}, {1251, 204},
      {1253, 161}, {1254, 162}, {1255, 177}, {1256, 178}, {1257, 186}, {1258, 163}};
  for (const auto& [page, set] : kSets) {
    if (page == codePage) return set;
  }
  return 0;
}

void WriteHeads(ReportTexts& texts, const HeadInputs& in) {
  texts.Tb1 = RtfHead(in);
  texts.Tb2 = HtmlHead(in);
  texts.Tb3 = BBCodeHead(in);
  texts.Tb4 = PlainHead(in);
}

}  // namespace hv::report
