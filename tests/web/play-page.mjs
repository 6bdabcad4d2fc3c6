// Plays the web build in headless Chromium as a visitor would: loads the page
// from a loopback HTTP server, lifts its cover with a key (which must start the
// sound), waits for the logo and then the main menu (which must look like the
// native game's, given as a reference picture, also after the browser has
// taken the WebGL context away and given it back), solves level 0 with the
// arrow keys, reloads the page to see the progress kept by the browser,
// exports it, has a damaged copy refused, imports it into a fresh profile
// (whose cover follows a slowed download), and solves level 0 again on a
// touch screen with a pad, in another fresh profile.
//
//   node play-page.mjs <page folder> <native main menu PNG> <screenshot folder>
//
// Screenshots are taken over the DevTools protocol while the page runs in real
// time; they and their comparisons go through ImageMagick.
import { spawnSync } from "node:child_process";
import { mkdirSync, mkdtempSync, readdirSync, readFileSync, rmSync, writeFileSync } from "node:fs";
import { tmpdir } from "node:os";
import { join } from "node:path";
import { launchChromium } from "./chromium.mjs";
import { servePage } from "./page-server.mjs";

const [pageFolder, nativeMenu, shots] = process.argv.slice(2);
if (!pageFolder || !nativeMenu || !shots) {
  console.error("usage: node play-page.mjs <page folder> <native main menu PNG> <screenshot folder>");
  process.exit(2);
}
const width = 800, height = 600;

function fail(message) {
  throw new Error(message);
}
const sleep = ms => new Promise(resolve => setTimeout(resolve, ms));

const server = await servePage(pageFolder);
const url = server.url;

// --- pictures
// ImageMagick's answer, which compare gives on standard error and with exit
// status 1 when the pictures differ.
function magick(tool, ...args) {
  const run = spawnSync(tool, args, { encoding: "utf8" });
  if (run.status !== 0 && !(tool === "compare" && run.status === 1)) {
    fail(`${tool} ${args.join(" ")}: ${run.error ?? run.stderr}`);
  }
  return run.stdout + run.stderr;
}
// The spread of grey levels: 0 for a blank screen.
const spread = png => Number(magick("convert", png, "-colorspace", "Gray", "-format", "%[fx:standard_deviation]", "info:"));
// The share of pixels that differ by more than the fuzz between two pictures.
function differingShare(a, b, fuzz = "8%") {
  const answer = magick("compare", "-metric", "AE", "-fuzz", fuzz, a, b, "null:");
  return Number.parseFloat(answer) / (width * height);
}

const work = mkdtempSync(join(tmpdir(), "marrowick-web-"));
let browser, page;
try {
  browser = await launchChromium(join(work, "profile"));
  const errors = [];
  // A page with the checks every page here gets: errors noted, its log
  // passed on, the import's question answered yes.
  const openPage = async (context = browser) => {
    const opened = await context.newPage();
    opened.on("pageerror", error => errors.push(String(error)));
    opened.on("console", message => console.log(`play-page: [page] ${message.text()}`));
    opened.on("dialog", dialog => dialog.accept());
    // Headless Chromium lets sound start without a gesture, whatever its
    // autoplay switch says; browsers start an audio context suspended until
    // the page has had one, and so it is here. (Puppeteer's evaluate counts as
    // a gesture: before the first key the page is read over a plain DevTools
    // session instead.)
    await opened.evaluateOnNewDocument(() => {
      const Browsers = window.AudioContext;
      window.AudioContext = class extends Browsers {
        constructor(...options) {
          super(...options);
          if (!navigator.userActivation.hasBeenActive) this.suspend();
        }
      };
    });
    return opened;
  };
  page = await openPage();

  let shotCount = 0;
  const grab = async name => {
    const file = join(work, `${name}.png`);
    writeFileSync(file, await page.screenshot({ type: "png" }));
    return file;
  };
  // Keeps a screenshot in the shots folder: the grab given, else a new one.
  const keep = async (name, grabbed) => {
    const file = join(shots, `${++shotCount}-${name}.png`);
    writeFileSync(file, grabbed ? readFileSync(grabbed) : await page.screenshot({ type: "png" }));
    console.log(`play-page: ${file} (spread ${spread(file).toFixed(3)})`);
    return file;
  };
  const waitFor = async (what, seconds, check) => {
    const until = Date.now() + seconds * 1000;
    while (Date.now() < until) {
      if (errors.length) fail(`the page reported an error: ${errors.join("; ")}`);
      if (await check()) return;
      await sleep(250);
    }
    fail(`${what} within ${seconds} s`);
  };
  const press = async (key, holdMs = 800, pauseMs = 500) => {
    await page.keyboard.down(key);
    await sleep(holdMs);
    await page.keyboard.up(key);
    await sleep(pauseMs);
  };
  const savedLevelState = () => page.evaluate(() => {
    try { return FS.readFile("/libsdl/marrowick/save0.dat")[0]; } catch { return -1; }
  });
  const gameShown = () => page.evaluate(() => document.getElementById("cover").hidden);
  // Reads the page without counting as a gesture, as Puppeteer's evaluate does.
  const readWithoutGesture = async expression => {
    const devtools = await page.createCDPSession();
    try {
      return (await devtools.send("Runtime.evaluate", { expression, returnByValue: true })).result.value;
    } finally {
      await devtools.detach();
    }
  };
  const coverSays = () => readWithoutGesture('document.getElementById("message").textContent');
  // The cover lifts at the first key once the game has loaded behind it.
  const liftCover = async () => {
    await waitFor("the cover did not invite to play", 120, async () => /Click or press a key/.test(await coverSays()));
    await page.keyboard.press("Space");
    await waitFor("a key did not lift the cover", 10, gameShown);
  };
  const notice = () => page.evaluate(() => {
    const shown = document.getElementById("notice");
    return shown.hidden ? "" : shown.textContent;
  });
  const importFile = async (name, bytes) => {
    const file = join(work, name);
    writeFileSync(file, bytes);
    await (await page.$("#import-file")).uploadFile(file);
  };

  // 1. Loading, the logo, the main menu.
  const started = Date.now();
  await page.goto(url, { waitUntil: "load" });
  await keep("cover-ready");
  if (/needs WebGL/.test(await coverSays())) fail("the page found no WebGL");
  // The logo, under the cover's invitation: whatever the game shows first that
  // is not the main menu. It stays until the key that lifts the cover.
  let logo;
  await waitFor("the logo did not appear under the cover", 120, async () => {
    logo = await grab("logo");
    return /Click or press a key/.test(await coverSays()) && spread(logo) > 0.05 &&
           differingShare(nativeMenu, logo) > 0.5;
  });
  await keep("logo", logo);
  await liftCover();
  // The page's own buttons are not the game's: they are left out of the comparison.
  const pageButtons = visibility => page.evaluate(shown => {
    for (const button of document.querySelectorAll(".page-button")) button.style.visibility = shown;
  }, visibility);
  for (const id of ["fullscreen", "export", "import"]) {
    if (await page.evaluate(button => document.getElementById(button).hidden, id)) fail(`the page offers no ${id} button`);
  }
  // Waits for the main menu as the native game draws it (another GL
  // implementation rounds a few pixels differently), the page's buttons left
  // out; gives the last grab and the share of its pixels that differ.
  const waitForMenu = async (what, seconds, name) => {
    let grabbed, share = 1;
    await pageButtons("hidden");
    try {
      await waitFor(what, seconds, async () => {
        grabbed = await grab(name);
        share = differingShare(nativeMenu, grabbed);
        return share < 0.01;
      }).catch(error => fail(`${error.message} (last ${(share * 100).toFixed(2)}% of its pixels differ)`));
    } finally {
      await pageButtons("");
    }
    return { grabbed, share };
  };
  const { grabbed: menu, share: apart } =
    await waitForMenu("the main menu did not appear as the native game draws it", 60, "menu");
  const toMenu = (Date.now() - started) / 1000;

  // The browser takes the context away and gives it back empty: the game
  // uploads its pictures again and the menu looks as it did. (Before the
  // full-screen button is clicked: the pointer over the page then moves the
  // menu's highlight.)
  await page.evaluate(() => {
    window.contextLoss = document.getElementById("canvas").getContext("webgl").getExtension("WEBGL_lose_context");
    window.contextLoss.loseContext();
  });
  await sleep(500);
  await page.evaluate(() => window.contextLoss.restoreContext());
  await waitForMenu("the main menu did not come back after the WebGL context was lost and restored", 20, "restored");
  console.log("play-page: the main menu came back after the WebGL context was lost and restored");
  await page.click("#fullscreen");
  await waitFor("the full-screen button did not take the page to full screen", 10,
                async () => page.evaluate(() => document.fullscreenElement !== null));
  await page.evaluate(() => document.exitFullscreen());
  await waitFor("the page did not leave full screen", 10,
                async () => page.evaluate(() => document.fullscreenElement === null));
  await keep("main-menu", menu);
  console.log(`play-page: from navigation to the main menu in ${toMenu.toFixed(1)} s; ` +
              `${(apart * 100).toFixed(2)}% of its pixels differ from the native game's`);

  // 2. Level 0 with the keys: Play, past the first level's hint page, then
  // right along the start row, up the last column, right into the exit. A
  // move made while the ball still rolls is not taken: R restarts the level.
  await press("Enter");
  await sleep(3000);
  await keep("level-0");
  await press("Enter");
  await sleep(3000);
  for (let attempt = 1; ; ++attempt) {
    for (const key of ["ArrowRight", "ArrowUp", "ArrowRight"]) await press(key, 800, 3000);
    try {
      await waitFor("level 0 was not saved as solved", 10, async () => (await savedLevelState()) === 1);
      console.log(`play-page: level 0 solved (attempt ${attempt})`);
      break;
    } catch (error) {
      if (attempt === 4) { await keep("level-0-not-solved"); throw error; }
      await press("r", 800, 3000);
    }
  }
  await sleep(3000);
  await keep("after-level-0");

  // 3. The browser keeps the progress across a reload. The browser lets the
  // page's sound start only at the player's first gesture: this time nothing
  // may sound while the logo waits under the cover for the key that lifts it.
  // With the page's files in the browser's cache now, the time to the menu is
  // what a returning player waits (less the pause taken here before the key).
  const reloadStarted = Date.now();
  await page.reload({ waitUntil: "load" });
  const audioState = 'globalThis.Module?.SDL2?.audioContext?.state ?? "none"';
  await waitFor("the cover did not invite to play after the reload", 120,
                async () => /Click or press a key/.test(await coverSays()));
  const toInvitation = (Date.now() - reloadStarted) / 1000;
  await sleep(1000);
  if ((await readWithoutGesture(audioState)) === "running") fail("the sound started before any gesture");
  const keyPressed = Date.now();
  await liftCover();
  await waitForMenu("the main menu did not appear after the reload", 30, "menu-again");
  console.log(`play-page: with a warm cache, from navigation to the main menu in ` +
              `${(toInvitation + (Date.now() - keyPressed) / 1000).toFixed(1)} s (the key at once)`);
  await waitFor("the sound did not start at the first key", 10, async () => (await page.evaluate(audioState)) === "running");
  console.log("play-page: the sound started at the key that lifted the cover");
  if ((await savedLevelState()) !== 1) fail("after a reload level 0 is no longer solved: the browser did not keep the save");
  let again;
  await waitFor("nothing appeared after the reload", 120, async () => spread(again = await grab("again")) > 0.05);
  await keep("reloaded", again);
  console.log("play-page: after a reload the browser still has level 0 solved");

  // 4. Export: the progress downloads as one file.
  const downloads = join(work, "downloads");
  mkdirSync(downloads);
  await (await browser.target().createCDPSession())
    .send("Browser.setDownloadBehavior", { behavior: "allow", downloadPath: downloads });
  await page.click("#export");
  let exported;
  await waitFor("Export progress downloaded nothing", 10, async () => {
    exported = readdirSync(downloads).find(name => name.endsWith(".marrowick"));
    return exported !== undefined;
  });
  const bundle = readFileSync(join(downloads, exported));
  await keep("exported");
  console.log(`play-page: exported ${exported} (${bundle.length} bytes)`);

  // 5. A damaged copy (its first level's state no state at all) is refused,
  // and the progress is as it was.
  const damaged = Buffer.from(bundle);
  damaged[10 + 1 + "save0.dat".length + 4] = 0xEE;
  await importFile("damaged.marrowick", damaged);
  await waitFor("the damaged file was not refused in words", 10,
                async () => /not a Marrowick progress file: nothing was changed/.test(await notice()));
  await keep("import-refused");
  if ((await savedLevelState()) !== 1) fail("a refused import changed the progress");
  console.log("play-page: a damaged progress file was refused, the progress unchanged");

  // 6. Import: in a fresh profile the exported file brings the progress.
  const fresh = await browser.createBrowserContext();
  page = await openPage(fresh);
  // Over a slower line, to see the cover follow the download.
  const line = await page.createCDPSession();
  await line.send("Network.emulateNetworkConditions",
                  { offline: false, latency: 20, downloadThroughput: 4e6, uploadThroughput: 1e6 });
  await page.goto(url, { waitUntil: "load" });
  await waitFor("the cover showed no download under way", 30, async () => page.evaluate(() => {
    const bar = document.getElementById("progress");
    return !bar.hidden && bar.value > 0 && bar.value < bar.max;
  }));
  await keep("cover-loading");
  await line.send("Network.emulateNetworkConditions",
                  { offline: false, latency: 0, downloadThroughput: -1, uploadThroughput: -1 });
  await liftCover();
  if ((await savedLevelState()) === 1) fail("a fresh profile already has level 0 solved");
  const reloaded = page.waitForNavigation({ waitUntil: "load" });
  await importFile("exported.marrowick", bundle);
  await reloaded;
  await liftCover();
  if ((await savedLevelState()) !== 1) fail("after the import level 0 is not solved in the fresh profile");
  await waitFor("the page did not say the import was done", 10, async () => /imported progress/.test(await notice()));
  await sleep(2000);
  await keep("imported");
  console.log("play-page: the exported progress imported into a fresh profile");

  // 7. A touch screen, in a profile of its own: a tap on Play, a pad's A past
  // the hint page, and the swipes that solve level 0. The pad is the
  // browser's standard gamepad, made up here: headless Chromium has none.
  const touchProfile = await browser.createBrowserContext();
  page = await openPage(touchProfile);
  await page.bringToFront();
  await page.setViewport({ width, height, hasTouch: true });
  await page.evaluateOnNewDocument(() => {
    const buttons = Array.from({ length: 17 }, () => ({ pressed: false, touched: false, value: 0 }));
    const pad = { id: "Test pad (STANDARD GAMEPAD)", index: 0, connected: true, mapping: "standard",
                  axes: [0, 0, 0, 0], buttons, timestamp: 0 };
    navigator.getGamepads = () => [pad, null, null, null];
    window.testPad = (button, down) => {
      buttons[button] = { pressed: down, touched: down, value: down ? 1 : 0 };
      pad.timestamp = performance.now();
    };
  });
  await page.goto(url, { waitUntil: "load" });
  await waitFor("the cover did not invite to play", 120, async () => /Click or press a key/.test(await coverSays()));
  await page.touchscreen.tap(400, 300);
  await waitFor("a tap did not lift the cover", 10, gameShown);
  await waitForMenu("the main menu did not appear on the touch screen", 120, "touch-menu");
  if ((await savedLevelState()) === 1) fail("a fresh profile already has level 0 solved");
  const swipe = async (fromX, fromY, toX, toY) => {
    await page.touchscreen.touchStart(fromX, fromY);
    for (let step = 1; step <= 5; ++step) {
      await sleep(30);
      await page.touchscreen.touchMove(fromX + (toX - fromX) * step / 5, fromY + (toY - fromY) * step / 5);
    }
    await page.touchscreen.touchEnd();
    await sleep(3000);
  };
  await sleep(1000);  // a menu takes no click in its first 600 ms
  await page.touchscreen.tap(226, 242);  // Play
  await sleep(3000);
  await page.evaluate(() => window.testPad(0, true));  // A, past the hint page
  await sleep(300);
  await page.evaluate(() => window.testPad(0, false));
  await sleep(3000);
  await keep("touch-level-0");
  for (let attempt = 1; ; ++attempt) {
    await swipe(300, 300, 500, 310);
    await swipe(400, 400, 390, 200);
    await swipe(300, 300, 500, 290);
    try {
      await waitFor("level 0 was not solved by swipes", 10, async () => (await savedLevelState()) === 1);
      console.log(`play-page: level 0 solved on the touch screen (attempt ${attempt})`);
      break;
    } catch (error) {
      if (attempt === 3) { await keep("touch-level-0-not-solved"); throw error; }
      await page.keyboard.press("r");
      await sleep(3000);
    }
  }
  await touchProfile.close();
  if (errors.length) fail(`the page reported an error: ${errors.join("; ")}`);
  console.log("1 passed, 0 failed");
} catch (error) {
  console.error(`play-page: FAILED: ${error.message}`);
  if (page) writeFileSync(join(shots, "at-failure.png"), await page.screenshot({ type: "png" }).catch(() => ""));
  console.log("0 passed, 1 failed");
  process.exitCode = 1;
} finally {
  await browser?.close();
  server.close();
  rmSync(work, { recursive: true, force: true });
}
