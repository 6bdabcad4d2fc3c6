#pragma once
// The player's files carried as one file, so that progress can leave one
// browser (or computer) and arrive in another: "Export progress" and "Import
// progress" on the web page.
//
// The bundle, version 1, all numbers little-endian:
//
//   8 bytes   "MRWKPROG"
//   1 byte    version (1)
//   1 byte    number of entries, 1-4
//   entries   each: 1 byte name length, the name, 4 bytes size, the file's bytes
//
// and nothing after the last entry. The names are the player's files in their
// folder: save0.dat (always there), options.dat, records.dat, settings.dat,
// each at most once. A later version that carries more must raise the version.
//
// Each file is taken only as the game itself would have written it: read by
// the game's own loader and written back by its own saver, it must come out
// byte for byte the same. A damaged, hand-made or cut-short file fails that,
// however little the game would have had to pass over on reading it. An
// exported bundle holds the files as the game reads them, so it always passes.

#include <cstddef>
#include <cstdint>
#include <vector>

// Far more than the four files weigh as the game writes them: anything larger
// is no bundle, and is refused before it is read whole.
constexpr size_t LargestProgressBundle = 64 * 1024;

// The player's files that are there, in a bundle; empty without a progress file.
std::vector<uint8_t> ExportProgress();

// The numbers are the page's too (src/web_page/progress_exports.cpp).
enum class ImportOutcome {
  Replaced,        // every file in the bundle has replaced the player's
  NotABundle,      // not a bundle, or a file in it that the game did not write: nothing changed
  NotWritten,      // the files could not be written: nothing changed
  PartlyReplaced,  // writing stopped between the files: the caller restores its copy of the folder
};

// True when ImportProgress would take the bundle.
bool IsProgressBundle(const std::vector<uint8_t>& bundle);
// Checks the whole bundle before it writes anything, then replaces the
// player's files with the bundle's; those it does not hold are left as they
// are. Nothing waits for the disk: the caller syncs the folder after.
ImportOutcome ImportProgress(const std::vector<uint8_t>& bundle);
