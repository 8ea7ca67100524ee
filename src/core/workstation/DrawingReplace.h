// Putting a finished scratch drawing in the place of a drawing, so that at
// every moment one whole drawing, old or new, is there.
#pragma once

#include <string>

#include "platform/Result.h"

namespace qv {

/// The folder part of a path, up to and including its last "\" ("" when none).
std::string FolderOf(const std::string& path);

/// Renames scratch over drawing. When that fails (another drive), copies
/// scratch to a temporary file beside the drawing and renames that over it.
/// On success scratch is gone; on failure the drawing is as it was, no
/// temporary file is left and scratch is kept.
Status ReplaceDrawing(const std::string& scratch, const std::string& drawing);

}  // namespace qv
