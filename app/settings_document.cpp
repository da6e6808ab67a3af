#include "app/settings_document.h"

#include <string_view>

#include "base/error.h"
#include "platform/text.h"
#include "services/xml/document.h"
#include "services/xml/line_breaks.h"

namespace veyra {
namespace {

// The first element of that name anywhere below the root; a missing one is a failure.
const xml::Element& Find(const xml::Element& root, std::string_view name) {
  const xml::Element* element = root.FindNode(name);
  if (!element) throw Error("settings: element <" + std::string(name) + "> is missing");
  return *element;
}

// The document is read in the ANSI code page; text comes back from it the same way.
std::string Text(const std::string& ansi) { return platform::AnsiToUtf8(ansi); }

}  // namespace

void ReadSettingsDocument(const std::string& fetched, Settings& settings) {
  xml::Document document(xml::Charset::kAnsiCodePage);
  document.ReadFromString(platform::Utf8ToAnsi(xml::NormalizeLineBreaks(fetched)));
  const xml::Element& root = document.Root();

  settings.version = Find(root, "version").ValueAsInteger();
  settings.patchlist = Text(Find(root, "patchlistURL").ValueAsString());
  settings.criticalPatchlist = Text(Find(root, "criticalPatchlistURL").ValueAsString());
  settings.patchListFolder = Text(root.ReadString("patchListFolder", ""));
  settings.updaterURL = Text(Find(root, "updaterURL").ValueAsString());
  settings.criticalVersion = Find(root, "criticalVersion").ValueAsInteger();
  settings.autoStartClient = Find(root, "autoStartClient").ValueAsBool();
  Find(root, "removeOldUpdater").ValueAsBool();  // must be a Boolean; nothing acts on it
  settings.doubleRunCheck = Find(root, "doubleRunCheck").ValueAsBool();
  settings.closeUpdaterAfterStartinGame = Find(root, "closeUpdaterAfterStartinGame").ValueAsBool();
}

}  // namespace veyra
