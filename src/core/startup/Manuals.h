// Where the PDF reader and the suite's manuals are, found once and kept in
// "Acrobat.cfg" and "Manuals.cfg".
#pragma once

#include <optional>
#include <string>

namespace qv {

/// The folder the reader is looked for in.
constexpr const char* AdobeFolder = "C:\\Program Files\\Adobe";

/// The reader program under AdobeFolder: in its "ACROBAT" sub-folders, their
/// "ACROBAT" or "READER" sub-folders, a file "ACROBAT.EXE" or "ACRORD32.EXE"
/// (all without regard to case); the last found in name order, spelled as
/// the file system gives it, or "" when there is none. nullopt when
/// AdobeFolder itself is missing: the search failed rather than found nothing.
std::optional<std::string> FindPdfReader();

/// Sets State().Config.ReaderPath and ManualsFolder, writing "Acrobat.cfg"
/// and "Manuals.cfg" in the system folder when they are missing and making
/// the manuals folder when it is missing. A manuals folder without a PDF
/// file gives an empty ManualsFolder. Any failure (no Adobe folder, a file
/// that cannot be read or written, a folder that cannot be made) empties
/// both values; files already written stay and nothing is reported.
void LocateManuals();

}  // namespace qv
