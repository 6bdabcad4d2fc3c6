// Linked into marrowick.js ahead of the game: what the page's "Export
// progress" and "Import progress" (web/index.html) ask of the game. The game
// packs, checks and writes the player's files itself
// (src/web_page/progress_exports.cpp); here they cross into its memory, and
// imported files are kept in the browser.

// While the page replaces the player's files the game halts at its next wait
// for a frame or a sleep (src/platform/host/web/ asks here at each), so no
// save of the progress it still holds can land over the imported one.
var progressHold = null;
Module.waitWhileHeld = function () {
  if (!progressHold) return null;
  var hold = progressHold;
  return new Promise(function (resume) { hold.resume = resume; hold.parked(); });
};
function holdGame() {
  return new Promise(function (parked) { progressHold = { parked: parked, resume: null }; });
}
function releaseGame() {
  var hold = progressHold;
  progressHold = null;
  if (hold && hold.resume) hold.resume();
}

function callWithBytes(gameFunction, bytes) {
  var at = _malloc(Math.max(bytes.length, 1));
  if (!at) return -1;
  HEAPU8.set(bytes, at);
  try {
    return gameFunction(at, bytes.length);
  } finally {
    _free(at);
  }
}

function keepInBrowser() {
  return new Promise(function (done) { FS.syncfs(false, function (error) { done(!error); }); });
}

// The player's files as one file's bytes; null before there is any progress.
Module.exportProgress = function () {
  var sizeAt = _malloc(4);
  var at = _marrowick_export_progress(sizeAt);
  var size = HEAP32[sizeAt >> 2];
  _free(sizeAt);
  if (!at) return null;
  var bytes = HEAPU8.slice(at, at + size);
  _free(at);
  return bytes;
};

// More than this is no progress file; the page reads no further.
Module.largestProgressFile = function () { return _marrowick_largest_progress_bundle(); };

Module.isProgressFile = function (bytes) { return callWithBytes(_marrowick_is_progress_bundle, bytes) === 1; };

// Answers, once done:
//   "imported"      the files are replaced and kept: reload the page to play on them
//   "refused"       not a progress file; nothing changed, the game plays on
//   "unkept"        the browser keeps no files for this page; nothing changed
//   "not-written"   the files could not be written; nothing changed
//   "restore"       writing stopped halfway: reload the page for the files the browser kept
Module.importProgress = async function (bytes) {
  // Where the browser keeps nothing (some private windows), a reload would
  // lose the progress that lives only in the page.
  if (!(await keepInBrowser())) return "unkept";
  await holdGame();
  var outcome = callWithBytes(_marrowick_import_progress, bytes);
  if (outcome === 0) return (await keepInBrowser()) ? "imported" : "restore";
  if (outcome === 3) return "restore";
  releaseGame();
  return outcome === 1 ? "refused" : "not-written";
};
