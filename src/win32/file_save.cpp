#include "win32/file_save.h"

#include <cwchar>
#include <iterator>

#include "win32/raii.h"

namespace hv::win32 {
namespace {

// Names tried for a new file beside the saved one before the save gives up.
constexpr DWORD kNameAttempts = 64;
// A rename or delete refused for a moment is tried this often, this far apart: about a second.
constexpr int kTries = 10;
constexpr DWORD kPauseMs = 100;

constexpr wchar_t kExtended[] = L"\\\\?\\";
constexpr wchar_t kExtendedUnc[] = L"\\\\?\\UNC\\";

// The files of one save, all in one folder: the file saved to, the new content written beside
// it, and the name ReplaceFileW puts the replaced file under.
struct SaveNames {
  std::wstring target, temp, backup;
};

// Windows' own text for an error, in the user's language, without its closing line break;
// the number alone where Windows has no text for it.
std::string ErrorText(DWORD code) {
  wchar_t* buffer = nullptr;
  const DWORD length = ::FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, code, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
  std::wstring text = length > 0 && buffer ? std::wstring(buffer, length) : std::wstring();
  if (buffer) ::LocalFree(buffer);
  while (!text.empty() && (text.back() == L'\r' || text.back() == L'\n' || text.back() == L' '))
    text.pop_back();
  return text.empty() ? std::to_string(code) : Narrow(text);
}

platform::FileWriteResult Failed(DWORD code) { return {false, ErrorText(code)}; }

// The \\?\ form of path's full name. Windows passes it to the file system as it is, without
// the 260-character limit, so the temporary and backup names, longer than a short target
// name, fit wherever the target fits. GetFullPathNameW first resolves what the prefix would
// take literally: "." and "..", forward slashes, a relative path.
DWORD ExtendedPath(const std::wstring& path, std::wstring& extended) {
  if (path.starts_with(kExtended)) {
    extended = path;
    return ERROR_SUCCESS;
  }
  const DWORD size = ::GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
  if (size == 0) return ::GetLastError();
  std::wstring full(size, L'\0');
  const DWORD got = ::GetFullPathNameW(path.c_str(), size, full.data(), nullptr);
  if (got == 0) return ::GetLastError();
  // A relative path can grow when the current folder changes between the two calls.
  if (got >= size) return ERROR_FILENAME_EXCED_RANGE;
  full.resize(got);
  if (full.starts_with(L"\\\\.\\")) {
    extended = full;  // a device path has no \\?\ form
  } else if (full.starts_with(L"\\\\")) {
    extended = kExtendedUnc + full.substr(2);  // \\server\share\... -> \\?\UNC\server\share\...
  } else {
    extended = kExtended + full;
  }
  return ERROR_SUCCESS;
}

// A path as the user knows it, without the \\?\ prefix.
std::wstring Shown(const std::wstring& extended) {
  if (extended.starts_with(kExtendedUnc))
    return L"\\\\" + extended.substr(std::size(kExtendedUnc) - 1);
  if (extended.starts_with(kExtended)) return extended.substr(std::size(kExtended) - 1);
  return extended;
}

// An antivirus scanner, the search indexer or a sync client opens a file just written or
// replaced and holds it for a moment; a rename or delete meanwhile is refused with one of
// these. (A read-only target, which Windows also refuses with ERROR_ACCESS_DENIED, is turned
// away before any rename.) ReplaceFileW's 1175 and 1176 leave both files under their own
// names, so trying it again is safe.
bool MayPassSoon(DWORD error) {
  switch (error) {
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
    case ERROR_ACCESS_DENIED:
    case ERROR_UNABLE_TO_REMOVE_REPLACED:
    case ERROR_UNABLE_TO_MOVE_REPLACEMENT:
      return true;
    default:
      return false;
  }
}

// The error of step(), tried again while it fails with an error that may pass soon.
template <typename Step>
DWORD Retried(Step step) {
  DWORD error = step();
  for (int tried = 1; tried < kTries && MayPassSoon(error); ++tried) {
    ::Sleep(kPauseMs);
    error = step();
  }
  return error;
}

DWORD Move(const std::wstring& from, const std::wstring& to, DWORD flags) {
  return Retried([&] {
    const BOOL moved = ::MoveFileExW(from.c_str(), to.c_str(), flags | MOVEFILE_WRITE_THROUGH);
    return moved ? ERROR_SUCCESS : ::GetLastError();
  });
}

DWORD Delete(const std::wstring& path) {
  return Retried([&] { return ::DeleteFileW(path.c_str()) ? ERROR_SUCCESS : ::GetLastError(); });
}

DWORD WriteAll(HANDLE file, const std::string& bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const std::size_t left = bytes.size() - done;
    const DWORD chunk = left > 0x40000000u ? 0x40000000u : static_cast<DWORD>(left);
    DWORD written = 0;
    if (!::WriteFile(file, bytes.data() + done, chunk, &written, nullptr)) return ::GetLastError();
    if (written == 0) return ERROR_WRITE_FAULT;  // a write that moves nothing would loop forever
    done += written;
  }
  return ERROR_SUCCESS;
}

// A new, empty file in target's folder under a short name of its own, "~hvXXXXXXXX" and the
// extension: CREATE_NEW never opens a file that is already there, so a name in use (a user's
// file, another save's) is passed by.
DWORD CreateBeside(const std::wstring& target, const wchar_t* extension, std::wstring& name,
                   KernelHandle& file) {
  const std::wstring folder = target.substr(0, target.find_last_of(L'\\') + 1);
  const DWORD seed = ::GetTickCount() ^ (::GetCurrentProcessId() << 16);
  for (DWORD attempt = 0; attempt < kNameAttempts; ++attempt) {
    wchar_t own[12] = {};
    std::swprintf(own, std::size(own), L"~hv%08lx", static_cast<unsigned long>(seed + attempt));
    name = folder + own + extension;
    HANDLE raw = ::CreateFileW(name.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                               FILE_ATTRIBUTE_NORMAL, nullptr);
    // CreateFileW fails with INVALID_HANDLE_VALUE, not the null the handle owner treats as empty.
    if (raw != INVALID_HANDLE_VALUE) {
      file.reset(raw);
      return ERROR_SUCCESS;
    }
    const DWORD error = ::GetLastError();
    if (error != ERROR_FILE_EXISTS && error != ERROR_ALREADY_EXISTS) return error;
  }
  // Every name tried is taken. "The file exists." would seem to speak of the user's own file;
  // this says what failed: no file could be made.
  return ERROR_CANNOT_MAKE;
}

// The bytes in a new file beside target, on disk before it takes target's place, so that a
// crash never leaves a short file.
DWORD WriteBeside(const std::wstring& target, const std::string& bytes, std::wstring& temp) {
  KernelHandle file;
  if (const DWORD error = CreateBeside(target, L".tmp", temp, file); error != ERROR_SUCCESS)
    return error;
  DWORD error = WriteAll(file.get(), bytes);
  if (error == ERROR_SUCCESS && !::FlushFileBuffers(file.get())) error = ::GetLastError();
  file.reset();
  if (error != ERROR_SUCCESS) Delete(temp);
  return error;
}

// A name for ReplaceFileW to put the replaced file under, held by an empty file so that no
// other file can take it meanwhile. ReplaceFileW overwrites it (so does Wine 8's).
DWORD ReserveBackup(const std::wstring& target, std::wstring& backup) {
  KernelHandle placeholder;  // closed at once: ReplaceFileW must be able to replace it
  return CreateBeside(target, L".bak", backup, placeholder);
}

DWORD CallReplace(ReplaceFileCall replace, const SaveNames& names) {
  // A file system that cannot take the old file's attributes or security over (FAT, some
  // shares) still gets the new content rather than a failed save.
  const DWORD flags = REPLACEFILE_IGNORE_MERGE_ERRORS | REPLACEFILE_IGNORE_ACL_ERRORS;
  if (replace(names.target.c_str(), names.temp.c_str(), names.backup.c_str(), flags, nullptr,
              nullptr)) {
    return ERROR_SUCCESS;
  }
  return ::GetLastError();
}

// ReplaceFileW's 1177: the old file is under the backup name, the new one still under its
// temporary name, and nothing under the target's. The old file goes back; failing that, the
// new one goes in. Neither move replaces: a file that took the empty name meanwhile is not ours.
platform::FileWriteResult Recover(const SaveNames& names) {
  if (Move(names.backup, names.target, 0) == ERROR_SUCCESS) {
    Delete(names.temp);
    // 1176's text says what is true now: the replaced file has its own name again.
    return Failed(ERROR_UNABLE_TO_MOVE_REPLACEMENT);
  }
  if (Move(names.temp, names.target, 0) == ERROR_SUCCESS) {
    Delete(names.backup);
    return {};
  }
  // Deleting either would lose the only copy of the old file or of the new one: both stay,
  // and the message says where.
  return {false, ErrorText(ERROR_UNABLE_TO_MOVE_REPLACEMENT_2) + "\r\nThe earlier file is now " +
                     Narrow(Shown(names.backup)) + "\r\nThe new file is " +
                     Narrow(Shown(names.temp))};
}

platform::FileWriteResult MoveIn(const SaveNames& names) {
  // Replacing: a file that appeared under the name since it was looked up is replaced whole
  // rather than the save failing.
  const DWORD error = Move(names.temp, names.target, MOVEFILE_REPLACE_EXISTING);
  if (error == ERROR_SUCCESS) return {};
  Delete(names.temp);
  return Failed(error);
}

// Network redirectors, NAS and WebDAV shares and virtual machines' shared folders may not do
// what ReplaceFileW asks of them and answer so with one of these, both files keeping their
// names. A move still replaces the file there, as on any volume that cannot carry the old
// file's attributes over.
bool ReplaceUnsupported(DWORD error) {
  return error == ERROR_INVALID_FUNCTION || error == ERROR_NOT_SUPPORTED ||
         error == ERROR_INVALID_PARAMETER;
}

// ReplaceFileW's answer when the file to replace has gone since it was looked up (a sync
// client, the user in Explorer); the same code can speak of the new file instead.
bool TargetGone(DWORD error, const SaveNames& names) {
  return error == ERROR_FILE_NOT_FOUND &&
         ::GetFileAttributesW(names.target.c_str()) == INVALID_FILE_ATTRIBUTES &&
         ::GetLastError() == ERROR_FILE_NOT_FOUND;
}

// The new content takes the old file's place and its identity: attributes, security
// descriptor, owner and alternate streams stay (Wine 8 carries no attributes over).
platform::FileWriteResult ReplaceExisting(const SaveNames& names, ReplaceFileCall replace) {
  const DWORD error = Retried([&] { return CallReplace(replace, names); });
  if (error == ERROR_SUCCESS) {
    Delete(names.backup);  // the old content
    return {};
  }
  if (error == ERROR_UNABLE_TO_MOVE_REPLACEMENT_2) return Recover(names);
  // Any other failure leaves both files under their own names.
  Delete(names.backup);
  if (ReplaceUnsupported(error) || TargetGone(error, names)) return MoveIn(names);
  Delete(names.temp);
  return Failed(error);
}

}  // namespace

platform::FileWriteResult SaveFile(const std::wstring& path, const std::string& bytes,
                                   ReplaceFileCall replace) {
  if (path.empty()) return Failed(ERROR_INVALID_NAME);
  SaveNames names;
  if (const DWORD error = ExtendedPath(path, names.target); error != ERROR_SUCCESS)
    return Failed(error);
  const DWORD attributes = ::GetFileAttributesW(names.target.c_str());
  const bool exists = attributes != INVALID_FILE_ATTRIBUTES;
  // Windows refuses to replace a read-only file (ERROR_ACCESS_DENIED), but Wine 8's MoveFileExW
  // moves over one, and Wine 8's ReplaceFileW moves a folder aside to put the file in its
  // place. Both are turned away before anything is written, with Windows' error.
  if (exists && (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)))
    return Failed(ERROR_ACCESS_DENIED);
  if (const DWORD error = WriteBeside(names.target, bytes, names.temp); error != ERROR_SUCCESS)
    return Failed(error);
  if (!exists) return MoveIn(names);
  if (const DWORD error = ReserveBackup(names.target, names.backup); error != ERROR_SUCCESS) {
    Delete(names.temp);
    return Failed(error);
  }
  return ReplaceExisting(names, replace);
}

}  // namespace hv::win32
