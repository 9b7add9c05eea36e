#pragma once
// The rules every section page follows when it writes the main window's page area: entering
// a page, reading WMI, writing a row (the value label right after its caption), blanking the
// rows a page does not use, undoing the Summary's heading style, and the spacer lines.
// A page that cannot read a value shows "Unknown"; nothing here ever throws or fails
// towards the page.
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

#include "lang/text_table.h"
#include "platform/variant.h"
#include "platform/wmi.h"
#include "toolkit/control.h"

namespace hv::shell {
class MainWindow;
}

namespace hv::sections {

// Text-table elements the page model itself writes.
inline constexpr int kGettingInformation = 34;
inline constexpr int kUnknown = 89;

inline constexpr int kFirstRow = 1;
inline constexpr int kLastRow = 12;

// The colour and style of an ordinary row caption, which the heading reset restores.
inline constexpr tk::Color kCaptionColor = tk::Rgb(32, 32, 32);

// ---- Entering a page -------------------------------------------------------------------------

// When page is not the one shown: "Getting information..." on the status line, the page
// recorded as current, Line2 and the controls in alsoHide hidden, and the window repainted
// at once so the status shows while the page's queries block the window. Returns whether
// the page changed; shown again while current, nothing happens and the status keeps "Done".
bool EnterPage(shell::MainWindow& w, const lang::TextTable& text, int page,
               std::initializer_list<tk::Control*> alsoHide = {});

// ---- Rows ------------------------------------------------------------------------------------

// The caption of row i; the value label moves to start right where the measured caption
// ends, whatever the caption's length in the current language.
void WriteCaption(shell::MainWindow& w, int row, const std::string& caption);
// The value of row i, and its tooltip, so a value cut off at the right edge can be read.
void WriteValue(shell::MainWindow& w, int row, const std::string& value);
// A value, or "Unknown" when there is none or it is empty.
std::string ValueOrUnknown(const std::optional<std::string>& value, const lang::TextTable& text);
// Caption and value in one go: the whole row rule but the caption tooltip.
void WriteRow(shell::MainWindow& w, const lang::TextTable& text, int row,
              const std::string& caption, const std::optional<std::string>& value);
// The row of a page without descriptions: caption element and its blank, the value or
// "Unknown", the heading reset of rows 1 and 8, and no caption tooltip.
void WriteCaptionedRow(shell::MainWindow& w, const lang::TextTable& text, int row, int caption,
                       const std::optional<std::string>& value);
// A property's text, or an empty entry where it cannot be read, so that lists of several
// items keep every item in its place.
std::string TextOrEmpty(const platform::WmiItem& item, const std::string& prop);
// The entries of one row joined by the separator (" - " between volumes, for instance).
std::string Joined(const std::vector<std::string>& entries, const std::string& separator);
// An empty text as "no value", for values read as text that the page shows as "Unknown".
std::optional<std::string> NonEmpty(const std::string& text);
// The description shown over the captions of rows 3 to 5; every page sets all three (an
// empty text where it has none), so a description never lingers on another page.
void SetCaptionTip(shell::MainWindow& w, int row, const std::string& tip);

// A row the page does not use: caption, value and value tooltip emptied, in that order.
void BlankRow(shell::MainWindow& w, int row);
void BlankRows(shell::MainWindow& w, int first, int last);

// The Summary shows rows 1 and 8 as headings; every other page writing those captions
// first restores the ordinary caption colour, not italic.
void HeadingReset(shell::MainWindow& w, int row);
// A heading caption: the accent colour and italic.
void StyleHeading(shell::MainWindow& w, int row, tk::Color accent);

// A separator line drawn across row k at its caption's top plus offset, then shown.
void ShowSpacerLine(tk::Line& line, const shell::MainWindow& w, int row, int offset);

void HideAll(std::initializer_list<tk::Control*> controls);

// ---- Query reading ---------------------------------------------------------------------------

// The items of a query; none when there is no service or the query fails (a class that
// does not exist, a property the class does not have).
std::vector<platform::WmiItem> QueryItems(platform::WmiService* wmi, const std::string& wql);
// The first item only.
std::optional<platform::WmiItem> FirstItem(platform::WmiService* wmi, const std::string& wql);
// A text as a WQL literal: in single quotes, a quote or backslash inside escaped with a
// backslash, so whatever a name holds it stays one value and cannot change the query.
std::string WqlQuoted(const std::string& text);

// A property's value; nullopt when missing or Null.
std::optional<platform::Variant> ReadValue(const platform::WmiItem& item, const std::string& prop);
// A text value: the property as text, blanks around it removed.
std::optional<std::string> ReadText(const platform::WmiItem& item, const std::string& prop);
// A numeric value: the property as a 32-bit whole number, halves to even; WMI's 64-bit
// counters arrive as decimal text and convert the same way.
std::optional<std::int32_t> ReadNumber(const platform::WmiItem& item, const std::string& prop);
// Int(prop / divisor) summed over the items, each floored before it is added; an item whose
// read fails adds nothing.
std::int64_t SumFloor(const std::vector<platform::WmiItem>& items, const std::string& prop,
                      double divisor);

}  // namespace hv::sections
