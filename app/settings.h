// The addresses and switches that the settings document publishes (fields of the controller
// state). Every field is zero, empty or false until the document has been read.
#pragma once

#include <cstdint>
#include <string>

namespace veyra {

struct Settings {
  std::int32_t version = 0;           // updater version published by the server
  std::string patchlist;              // address of the full patch list
  std::string criticalPatchlist;      // address of the critical patch list
  std::string patchListFolder;        // address prefix of the archive files
  std::string updaterURL;             // address of the newer updater executable
  std::int32_t criticalVersion = 0;   // recorded in the registry after a critical update
  bool autoStartClient = false;       // start the game client after a critical update
  bool doubleRunCheck = false;        // apply the single-instance guard
  bool closeUpdaterAfterStartinGame = false;  // close the window once the client is launched

  friend bool operator==(const Settings&, const Settings&) = default;
};

}  // namespace veyra
