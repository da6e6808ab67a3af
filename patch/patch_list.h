// Reading a patch list the way the patch worker does: every `archive` element below the root, in
// document order, becomes a scan entry  filename U+0006 original U+0006 "2".
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "services/xml/document.h"

namespace veyra {

// Normalises the line breaks of the fetched text (UTF-8) to CR LF and reads it into `document`.
// Throws veyra::Error when the text is no XML document or holds no element.
void ReadPatchListDocument(const std::string& fetched, xml::Document& document);

// The scan entries of a read patch list. An element is skipped when its `filename` is not a safe
// game file name (IsSafeGameFileName) or its `original` is empty, and when either holds the entry
// separator, which would shift the fields of its entry.
std::vector<std::string> CollectScanEntries(const xml::Document& document);

// A file name that can only name a file below the working folder: not empty, not absolute, no
// drive, no colon (so no alternate data stream either), no NUL, and no component that climbs out
// (".." and, since Windows drops trailing dots and blanks, any other run of dots and blanks
// holding two dots or more). Components are separated by "\" or "/".
bool IsSafeGameFileName(std::string_view name);

}  // namespace veyra
