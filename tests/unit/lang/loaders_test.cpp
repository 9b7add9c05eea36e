#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <optional>
#include <ostream>
#include <set>
#include <string>
#include <vector>

#include "lang/text_table.h"

namespace hv::lang {
namespace {

using Loader = void (*)(TextTable&);

struct Language {
  const char* name;
  Loader load;
};

void PrintTo(const Language& language, std::ostream* os) { *os << language.name; }

const Language kLanguages[] = {
    {"Spanish", LoadSpanish}, {"Dutch", LoadDutch}, {"English", LoadEnglish}};

TextTable Loaded(Loader load) {
  TextTable t;
  load(t);
  return t;
}

bool SameTable(const TextTable& a, const TextTable& b) {
  for (int element = 0; element < TextTable::kSize; ++element) {
    if (a[element] != b[element]) return false;
  }
  return true;
}

// Decodes strict UTF-8: no overlong forms, surrogates or code points past U+10FFFF.
std::optional<std::vector<char32_t>> DecodeUtf8(const std::string& text) {
  std::vector<char32_t> out;
  for (std::size_t i = 0; i < text.size();) {
    const auto lead = static_cast<unsigned char>(text[i]);
    const int extra = lead < 0x80 ? 0 : lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : -1;
    if (extra < 0 || lead > 0xF4 || i + static_cast<std::size_t>(extra) >= text.size())
      return std::nullopt;
    char32_t cp = extra == 0 ? lead : lead & (0x3F >> extra);
    for (int k = 1; k <= extra; ++k) {
      const auto next = static_cast<unsigned char>(text[i + static_cast<std::size_t>(k)]);
      if ((next & 0xC0) != 0x80) return std::nullopt;
      cp = (cp << 6) | (next & 0x3F);
    }
    static constexpr char32_t kMinimum[] = {0, 0x80, 0x800, 0x10000};
    if (cp < kMinimum[extra] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
      return std::nullopt;
    out.push_back(cp);
    i += static_cast<std::size_t>(extra) + 1;
  }
  return out;
}

// What Windows-1252 can hold besides ASCII: the Latin-1 upper half and the 27 characters it
// places in 0x80..0x9F.
bool InWindows1252(char32_t cp) {
  static const std::set<char32_t> kHigh = {0x20AC, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                           0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x017D, 0x2018,
                                           0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0x02DC,
                                           0x2122, 0x0161, 0x203A, 0x0153, 0x017E, 0x0178};
  return (cp >= 0x20 && cp < 0x7F) || (cp >= 0xA0 && cp <= 0xFF) || kHigh.count(cp) > 0;
}

// The invariants below are only as good as the decoder they rest on.
TEST(LoadersTest, DecoderRejectsMalformedUtf8) {
  EXPECT_EQ(DecodeUtf8("Kopi\xC3\xABren"),
            (std::vector<char32_t>{'K', 'o', 'p', 'i', 0xEB, 'r', 'e', 'n'}));
  EXPECT_EQ(DecodeUtf8("\xE2\x82\xAC"), std::vector<char32_t>{0x20AC});
  for (const char* bad : {"Kopi\xEBren", "\xC3", "\xC0\xAF", "\xED\xA0\x80", "\xF5\x80\x80\x80",
                          "\x80", "\xE2\x82"}) {
    SCOPED_TRACE(bad);
    EXPECT_FALSE(DecodeUtf8(bad).has_value());
  }
}

class LoaderTest : public testing::TestWithParam<Language> {
 protected:
  TextTable table_ = Loaded(GetParam().load);
};

INSTANTIATE_TEST_SUITE_P(AllLanguages, LoaderTest, testing::ValuesIn(kLanguages),
                         [](const auto& param_info) { return std::string(param_info.param.name); });

TEST_P(LoaderTest, FillsEveryElementButTheUnusedOnes) {
  const std::set<int> kEmpty = {0, 142, 156, 157};
  for (int element = 0; element < TextTable::kSize; ++element) {
    SCOPED_TRACE(element);
    EXPECT_EQ(table_[element].empty(), kEmpty.count(element) > 0);
  }
}

TEST_P(LoaderTest, TextsAreTrimmedAndEncodableInTheAnsiCodePage) {
  for (int element = 1; element < TextTable::kSize; ++element) {
    SCOPED_TRACE(element);
    const std::string& text = table_[element];
    if (text.empty()) continue;
    EXPECT_NE(text.front(), ' ');
    EXPECT_NE(text.back(), ' ');
    const auto decoded = DecodeUtf8(text);
    ASSERT_TRUE(decoded.has_value()) << "not UTF-8";
    EXPECT_TRUE(std::all_of(decoded->begin(), decoded->end(), InWindows1252)) << text;
    // Beyond ASCII the texts use only these letters: a curly quote or a look-alike letter
    // would be a transcription slip.
    const std::u32string kLetters = U"\u00E1\u00E9\u00ED\u00F3\u00FA\u00F1\u00A1\u00EB\u00EF";
    for (char32_t cp : *decoded)
      EXPECT_TRUE(cp < 0x80 || kLetters.find(cp) != std::u32string::npos) << text;
  }
}

TEST_P(LoaderTest, PlaceholdersAppearOnceInTheirTemplatesAndNowhereElse) {
  const std::map<int, std::set<std::string>> kTemplates = {{28, {"(#)"}},
                                                           {54, {"(HHMMSS)"}},
                                                           {57, {"(#)"}},
                                                           {72, {"(#)"}},
                                                           {80, {"(DDMMYYYY)", "(HHMMSS)"}},
                                                           {112, {"(1)", "(2)", "(3)"}},
                                                           {137, {"(#)"}},
                                                           {144, {"(#)"}},
                                                           {146, {"(#)"}},
                                                           {160, {"(1)", "(2)", "(3)", "(4)"}},
                                                           {167, {"(#)"}},
                                                           {168, {"(#)"}},
                                                           {173, {"(#)"}},
                                                           {179, {"(#)"}},
                                                           {182, {"(#)"}}};
  const char* kPlaceholders[] = {"(#)", "(1)", "(2)", "(3)", "(4)", "(HHMMSS)", "(DDMMYYYY)"};
  for (int element = 1; element < TextTable::kSize; ++element) {
    const auto it = kTemplates.find(element);
    for (const std::string placeholder : kPlaceholders) {
      SCOPED_TRACE(std::to_string(element) + " " + placeholder);
      const std::string& text = table_[element];
      int count = 0;
      for (auto at = text.find(placeholder); at != std::string::npos;
           at = text.find(placeholder, at + 1)) {
        ++count;
      }
      EXPECT_EQ(count, it != kTemplates.end() && it->second.count(placeholder) ? 1 : 0);
    }
  }
}

// The save dialog joins 176, 177, 178 and 180 and turns each '|' into a NUL, so a bar
// anywhere else would corrupt that filter list, and each filter needs exactly two.
TEST_P(LoaderTest, OnlyTheFilterElementsHoldBarsInDescriptionPatternForm) {
  const std::map<int, std::string> kPatterns = {
      {176, "*.rtf"}, {177, "*.htm"}, {178, "*.txt"}, {180, "*.txt"}};
  for (int element = 1; element < TextTable::kSize; ++element) {
    SCOPED_TRACE(element);
    const std::string& text = table_[element];
    const auto it = kPatterns.find(element);
    if (it == kPatterns.end()) {
      EXPECT_EQ(text.find('|'), std::string::npos);
      continue;
    }
    const auto bar = text.find('|');
    ASSERT_NE(bar, std::string::npos);
    EXPECT_GT(bar, 0u);
    EXPECT_EQ(text.substr(bar + 1), it->second + "|");
    EXPECT_NE(text.find("(" + it->second + ")"), std::string::npos) << "description names it";
  }
}

TEST_P(LoaderTest, LoadingAgainOverAnyLanguageGivesTheSameTable) {
  for (const Language& before : kLanguages) {
    SCOPED_TRACE(before.name);
    TextTable t = Loaded(before.load);
    GetParam().load(t);
    EXPECT_TRUE(SameTable(t, table_));
  }
}

TEST(LoadersTest, LanguagesDifferInTheirOwnNames) {
  const std::set<std::string> names = {Loaded(LoadSpanish)[1], Loaded(LoadDutch)[1],
                                       Loaded(LoadEnglish)[1]};
  EXPECT_EQ(names.size(), 3u);
}

TEST(LoadersTest, ExactTexts) {
  struct Case {
    Loader load;
    int element;
    const char* text;
  };
  const Case kCases[] = {
      {LoadEnglish, 1, "English (UK, Great Britain)"},
      {LoadEnglish, 34, "Getting information..."},
      {LoadEnglish, 35, "Done"},
      {LoadEnglish, 89, "Unknown"},
      {LoadEnglish, 160, "Report made by Brenlow Harvala (1) in (2) sec. at (3) on the date (4)."},
      {LoadEnglish, 180, "Plain text (*.txt)|*.txt|"},
      {LoadEnglish, 4, "https://harvala.example/"},
      {LoadSpanish, 1, "Español (Argentina)"},
      {LoadSpanish, 24, "Copiar"},
      {LoadSpanish, 52, "Cantidad de contraseñas erróneas ingresadas:"},
      {LoadSpanish, 164, "¡Muchas gracias por usar Brenlow Harvala!"},
      {LoadSpanish, 177, "Página web (*.htm)|*.htm|"},
      {LoadSpanish, 4, "https://harvala.example/es/"},
      {LoadDutch, 1, "Nederlands (Nederland)"},
      {LoadDutch, 3, "Kestrup"},
      {LoadDutch, 24, "Kopiëren"},
      {LoadDutch, 22, "CD's/DVD's"},
      {LoadDutch, 94, "Modules geïnstalleerd:"},
      {LoadDutch, 176, "Rich Text Format (*.rtf)|*.rtf|"},
      {LoadDutch, 4, "https://harvala.example/nl/"},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(Loaded(c.load)[c.element], c.text);
  }
}

}  // namespace
}  // namespace hv::lang
