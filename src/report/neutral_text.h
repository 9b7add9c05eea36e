#pragma once
// The format-neutral report text. Section writers append title lines and rows; seven
// two-character markers give the structure:
//   title line:  ^a title ^b CR LF
//   first row:   ^c caption ^d value ^e CR LF   (^g for the last row of the section)
//   further row: ^f caption ^d value ^e CR LF   (^g for the last row of the section)
// Captions and values go in as they stand. The text keeps where it put each marker, so the
// conversion acts on those places only and a value that itself reads "^c" stays literal.
#include <cstddef>
#include <span>
#include <string>
#include <vector>

namespace hv::report {

enum class Marker : char {
  SectionTitle = 'a',  // ^a start of a section title
  TitleEnd = 'b',      // ^b end of a section title
  FirstRow = 'c',      // ^c start of the row list and of its first caption
  Value = 'd',         // ^d end of a caption, start of its value
  RowEnd = 'e',        // ^e end of a row that is not the last
  NextRow = 'f',       // ^f start of a further row's caption
  ListEnd = 'g',       // ^g end of the last row and of the row list
};

struct ReportRow {
  std::string caption;
  std::string value;
};

class NeutralText {
 public:
  struct Place {
    std::size_t at;  // offset of the marker's "^" in Text()
    Marker marker;
  };

  const std::string& Text() const { return text_; }
  const std::vector<Place>& Places() const { return places_; }
  bool Empty() const { return text_.empty(); }
  void Clear();

  // Appends a section's title line.
  void AppendTitle(const std::string& title);
  // Appends a section's rows: the first opens the row list, the last closes it. No rows,
  // nothing written.
  void AppendRows(std::span<const ReportRow> rows);

 private:
  void Put(Marker m);
  std::string text_;
  std::vector<Place> places_;
};

}  // namespace hv::report
