#include "report/footers.h"

namespace hv::report {

namespace {

constexpr const char* kCrLf = "\r\n";

void RtfFooter(std::string& t, const FooterInputs& in) {
  t += std::string(kCrLf) + "\\pard\\par" + kCrLf + "\\par" + kCrLf + "\\par" + kCrLf + "\\par" +
       kCrLf;
  t += "\\pard\\sl276\\slmult1\\qc\\cf1\\fs28 " + Escape(Format::Rtf, in.thanks) +
       "\\cf0\\fs24\\par" + kCrLf;
  t += std::string(72, '-') + "\\cf2\\fs18\\par" + kCrLf;
  t += "\\cf0{\\field{\\*\\fldinst{HYPERLINK \"" + Escape(Format::Rtf, in.website) +
       "\"}}{\\fldrslt{\\cf3\\ul " + Escape(Format::Rtf, in.websiteLabel) +
       "}}}\\cf0\\ulnone\\f0\\fs20\\par" + kCrLf;
  t += std::string("\\pard\\fs24\\par") + kCrLf + "\\par" + kCrLf + "}" + kCrLf + " ";
}

void HtmlFooter(std::string& t, const FooterInputs& in) {
  const auto& a = in.accent;
  t += "\r\n\t\t<br><br>\r\n\t\t";
  t += "<center><label style='color:rgb(" + Channel(a.red) + "," + Channel(a.green) + "," +
       Channel(a.blue) + "); font-size:20px'>";
  t += Escape(Format::Html, in.thanks) + "</label></center>\r\n";
  t += "\t\t<hr width='600' size='1'>\r\n\t\t";
  t += "<center><label style='font-size:12px'><a href='" + Escape(Format::Html, in.website) +
       "' target='_blank'>" + Escape(Format::Html, in.websiteLabel);
  t += "</a></label></center>\r\n\t\t<br>\r\n\t</body>\r\n</html>";
}

void BBCodeFooter(std::string& t, const FooterInputs& in) {
  const std::string open = "[center][color=#" + HexColor(in.accent) + "][size=13pt]";
  t += kCrLf + open + in.thanks + "[/size][/color]" + kCrLf + std::string(54, '-') + kCrLf;
  t += "[url=" + in.website + "]" + in.websiteLabel + "[/url][/center]";
}

void PlainFooter(std::string& t, const FooterInputs& in) {
  t += kCrLf + in.thanks + kCrLf + std::string(54, '-') + kCrLf;
  t += in.website + kCrLf;
}

}  // namespace

void DropRtfSectionTail(std::string& rtf) {
  static const std::string kTail = "\r\n\\pard\\sl276\\slmult1\\par\r\n\\par\r\n";
  if (rtf.ends_with(kTail)) rtf.resize(rtf.size() - kTail.size());
}

void AppendFooters(ReportTexts& texts, const FooterInputs& in) {
  RtfFooter(texts.Tb1.text, in);
  HtmlFooter(texts.Tb2.text, in);
  BBCodeFooter(texts.Tb3.text, in);
  PlainFooter(texts.Tb4.text, in);
}

}  // namespace hv::report
