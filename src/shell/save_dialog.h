#pragma once
// The save-as dialog the report window saves through, and the extension of the chosen file
// type. The Win32 part is System::SaveDialog; this side builds the request and reads back the
// chosen path and file type.
#include <cstdint>
#include <string>

namespace hv::tk {
class Form;
}

namespace hv::shell {

class App;

// The file-type list split at NUL: descriptions at even parts, patterns at odd ones. For
// index 1..4 returns "." and that type's pattern with every "*." removed (".rtf" for
// "*.rtf"); the empty text for any other index or a missing pattern. Records the index in
// saveFilterIndex (left unchanged for an index outside 0..255).
std::string FilterExtension(const std::string& filter, int index, std::uint8_t& saveFilterIndex);

// Shows the save-as dialog owned by owner, with title, the file-type list filter ("Name|*.ext|"
// pairs; every "|" in the caller's text becomes NUL, as the list is handed on), the first type
// preselected, the initial file name fileName and the desktop folder as the initial folder.
// Returns the chosen path ending in the chosen type's extension exactly once, and records the
// chosen type in saveFilterIndex; returns the empty text (saveFilterIndex unchanged) when the
// user cancels or the dialog fails. When adding the extension leads to an existing file the
// dialog did not ask about, the dialog is shown again with that full name and type.
std::string SaveDialog(App& app, const tk::Form& owner, const std::string& title,
                       std::string& filter, const std::string& fileName,
                       std::uint8_t& saveFilterIndex);

}  // namespace hv::shell
