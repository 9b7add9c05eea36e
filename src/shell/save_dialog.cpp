#include "shell/save_dialog.h"

#include <algorithm>
#include <optional>
#include <vector>

#include "shell/app.h"
#include "toolkit/form.h"

namespace hv::shell {

namespace {

// The dialog's file name buffer holds 254 characters; a longer initial name is left out.
constexpr std::size_t kMaxInitialName = 254;
// Each round is one confirmed dialog; a name that keeps missing its type is not saved.
constexpr int kMaxRounds = 8;

std::vector<std::string> SplitAt(const std::string& text, char separator) {
  std::vector<std::string> parts(1);
  for (char c : text) {
    if (c == separator) {
      parts.emplace_back();
    } else {
      parts.back() += c;
    }
  }
  return parts;
}

std::string RemoveAll(std::string text, const std::string& what) {
  for (auto at = text.find(what); at != std::string::npos; at = text.find(what, at)) {
    text.erase(at, what.size());
  }
  return text;
}

// The extension (without the dot) of file type index in a NUL-separated list.
std::optional<std::string> PatternExtension(const std::string& filter, int index) {
  if (index < 1 || index > 4) return std::nullopt;
  const auto parts = SplitAt(filter, '\0');
  const auto part = static_cast<std::size_t>(2 * index - 1);
  if (part >= parts.size()) return std::nullopt;
  return RemoveAll(parts[part], "*.");
}

bool EndsWithNoCase(const std::string& text, const std::string& tail) {
  if (tail.size() > text.size()) return false;
  return std::equal(tail.begin(), tail.end(), text.end() - static_cast<long>(tail.size()),
                    [](char a, char b) {
                      auto lower = [](char c) {
                        return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
                      };
                      return lower(a) == lower(b);
                    });
}

std::string DesktopFolder(App& app) {
  if (app.shell == nullptr) return {};
  return app.shell->SpecialFolders("Desktop").value_or("");
}

}  // namespace

std::string FilterExtension(const std::string& filter, int index, std::uint8_t& saveFilterIndex) {
  if (index >= 0 && index <= 255) saveFilterIndex = static_cast<std::uint8_t>(index);
  const auto extension = PatternExtension(filter, index);
  return extension ? "." + *extension : std::string();
}

std::string SaveDialog(App& app, const tk::Form& owner, const std::string& title,
                       std::string& filter, const std::string& fileName,
                       std::uint8_t& saveFilterIndex) {
  platform::SaveDialogRequest request;
  request.filter = filter;  // the system side wants the "|" form
  std::replace(filter.begin(), filter.end(), '|', '\0');
  request.owner = owner.nativeHandle;
  request.title = title;
  if (fileName.size() <= kMaxInitialName) request.defaultName = fileName;
  request.initialFolder = DesktopFolder(app);
  // The dialog adds the type's extension itself to a name typed without one, so that its
  // overwrite question is about the file that is actually written; it follows the type the
  // user picks, starting from the preselected first one.
  request.defaultExtension = PatternExtension(filter, 1).value_or("");

  for (int round = 0; round < kMaxRounds; ++round) {
    const platform::SaveDialogResult result = app.system.SaveDialog(request);
    // The path may come back with the rest of its buffer: it ends at its first NUL.
    std::string path = result.path.substr(0, result.path.find('\0'));
    if (path.empty()) return {};
    const std::string extension = FilterExtension(filter, result.filterIndex, saveFilterIndex);
    if (EndsWithNoCase(path, extension)) return path;
    path += extension;
    if (!app.system.FileAttributes(path)) return path;
    // A name typed with another extension: the dialog asked about that name, not about the
    // existing file the type's extension leads to. Ask again with the real name, so that
    // the dialog's own question is put before that file is replaced.
    const auto slash = path.find_last_of("\\/");
    request.initialFolder = slash == std::string::npos ? "" : path.substr(0, slash);
    request.defaultName = path.substr(slash == std::string::npos ? 0 : slash + 1);
    request.filterIndex = result.filterIndex;
    request.defaultExtension = extension.empty() ? "" : extension.substr(1);
  }
  return {};
}

}  // namespace hv::shell
