// Linked into marrowick.js ahead of the game. The page's files are in memory
// and gone at the next visit, except the player's: they live in SDL's folder
// for the player's own data (/libsdl/marrowick/), which is mirrored to the
// browser's IndexedDB. The mirror is read back before the game starts, and
// written after every save (the game's folder sync, src/platform/web).
Module.preRun = [].concat(Module.preRun || [], function readPlayerFiles() {
  // A browser short of space may clear a site's storage unless asked to keep
  // it; some grant that at once, some ask the player, some decide for themselves.
  if (navigator.storage && navigator.storage.persist) {
    navigator.storage.persist().then(function (kept) {
      if (!kept) console.warn("Marrowick: the browser may clear the saved progress when short of space.");
    }, function () {});
  }
  FS.mkdir("/libsdl");
  FS.mount(IDBFS, {}, "/libsdl");
  addRunDependency("player files");
  FS.syncfs(true, function (error) {
    // Without IndexedDB (some private windows) the game still plays; its
    // progress lasts as long as the page.
    if (error) console.warn("Marrowick: no saved progress could be read from the browser:", error);
    removeRunDependency("player files");
  });
});

// The game's own folder is read-only, as an installed game's is, so the game
// keeps the player's files in the mirrored folder rather than beside itself.
// Only once the media are unpacked into it, just before the game starts.
(function () {
  var pageHandler = Module.onRuntimeInitialized;
  Module.onRuntimeInitialized = function () {
    FS.chmod("/", 0o555);
    if (pageHandler) pageHandler();
  };
})();
