#pragma once
// A report output as the bytes of its file, and the save of that file. Every character of
// the report reaches the file: the rich text and the web page are plain ASCII that name each
// other character (\uN with the ANSI code page's bytes for readers that do not know it, and
// &#N;), and forum markup and plain text are in the ANSI code page when it holds every
// character, else in UTF-8 behind a byte-order mark.
#include <string>

#include "platform/system.h"
#include "report/formats.h"

namespace hv::report {

std::string ReportFileBytes(platform::System& system, Format format, const std::string& text);

// Saves the output over the file at path; on failure that file is as it was.
platform::FileWriteResult WriteReportFile(platform::System& system, const std::string& path,
                                          Format format, const std::string& text);

}  // namespace hv::report
