// The page's "Export progress" and "Import progress" buttons (web/index.html),
// shown once the game plays. The game's side of them is in marrowick.js
// (web/progress_transfer.js).
(function () {
  "use strict";
  var exportButton = document.getElementById("export");
  var importButton = document.getElementById("import");
  var picker = document.getElementById("import-file");
  var notice = document.getElementById("notice");
  var canvas = document.getElementById("canvas");
  var refused = "That file is not a Marrowick progress file: nothing was changed.";
  var afterReload = "marrowick-imported";

  function tell(text) {
    notice.textContent = text;
    notice.hidden = false;
  }
  // The notice stays until the player does something else on the page.
  window.addEventListener("pointerdown", function () { notice.hidden = true; }, true);

  // Some browsers refuse the tab's own storage to a page (sandboxed frames).
  function tabNote(set) {
    try {
      if (set) sessionStorage.setItem(afterReload, "1");
      var was = sessionStorage.getItem(afterReload) === "1";
      if (!set) sessionStorage.removeItem(afterReload);
      return was;
    } catch (error) {
      return false;
    }
  }

  document.addEventListener("marrowick-playing", function () {
    exportButton.hidden = false;
    importButton.hidden = false;
    if (tabNote(false)) tell("The imported progress is in play.");
  });

  exportButton.addEventListener("click", function () {
    var bytes = Module.exportProgress();
    canvas.focus();
    if (!bytes) {
      tell("There is no progress to export yet.");
      return;
    }
    var link = document.createElement("a");
    link.href = URL.createObjectURL(new Blob([bytes], { type: "application/octet-stream" }));
    link.download = "marrowick-progress-" + new Date().toISOString().slice(0, 10) + ".marrowick";
    link.click();
    setTimeout(function () { URL.revokeObjectURL(link.href); }, 60000);
    tell("Your progress is saved as " + link.download + ". Import progress, in another browser, takes it there.");
  });

  importButton.addEventListener("click", function () {
    picker.value = "";
    picker.click();
    // The keys stay the game's, also when the player closes the picker unanswered.
    canvas.focus();
  });

  picker.addEventListener("change", async function () {
    var file = picker.files[0];
    canvas.focus();
    if (!file) return;
    var bytes;
    try {
      // Past the largest progress file it cannot be one: no need to read on.
      bytes = new Uint8Array(await file.slice(0, Module.largestProgressFile() + 1).arrayBuffer());
    } catch (error) {
      tell("That file could not be read: nothing was changed.");
      return;
    }
    if (!Module.isProgressFile(bytes)) {
      tell(refused);
      return;
    }
    if (!window.confirm("Replace the progress in this browser with the file's?\n\n" +
                        "The game starts again from its menu; a level in play is left unfinished.")) {
      tell("Nothing was changed.");
      return;
    }
    tell("Importing…");
    var outcome = await Module.importProgress(bytes);
    if (outcome === "imported") tabNote(true);
    if (outcome === "imported" || outcome === "restore") {
      location.reload();
      return;
    }
    tell({
      refused: refused,
      unkept: "This browser keeps no files for this page (a private window?), so imported progress " +
              "would not last: nothing was changed.",
      "not-written": "The imported files could not be written: nothing was changed."
    }[outcome]);
  });
})();
