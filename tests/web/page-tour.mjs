// A tour of the web build for a look, not a test: the screens a visitor
// meets, saved as screenshots. The logo under the page's cover, the main
// menu, the first hint page and level 0, the world map (level 0 solved, the
// rest of its group skipped) and, with a journey written in where only the
// last level is left, that level solved: the whole road, the closing page and
// the main menu after it.
//
//   node tests/web/page-tour.mjs <page folder> <screenshot folder>
import { mkdtempSync, rmSync } from "node:fs";
import { tmpdir } from "node:os";
import { join } from "node:path";
import { launchChromium } from "./chromium.mjs";
import { servePage } from "./page-server.mjs";

const [pageFolder, shots] = process.argv.slice(2);
if (!pageFolder || !shots) {
  console.error("usage: node page-tour.mjs <page folder> <screenshot folder>");
  process.exit(2);
}
const sleep = ms => new Promise(resolve => setTimeout(resolve, ms));
// The last level's shortest way (up, right, down, left), as the game's solver gives it.
const lastLevelWay = "LDRDLURURDLDLULRDLURURDLU";
const arrows = { U: "ArrowUp", R: "ArrowRight", D: "ArrowDown", L: "ArrowLeft" };

const page = await servePage(pageFolder);
const profile = mkdtempSync(join(tmpdir(), "marrowick-tour-"));
const browser = await launchChromium(profile);
try {
  const tab = await browser.newPage();
  let count = 0;
  const shot = async name => {
    const file = join(shots, `${String(++count).padStart(2, "0")}-${name}.png`);
    await tab.screenshot({ path: file });
    console.log(`page-tour: ${file}`);
  };
  const press = async (key, pauseMs = 2000) => {
    await tab.keyboard.down(key);
    await sleep(150);
    await tab.keyboard.up(key);
    await sleep(pauseMs);
  };

  await tab.goto(page.url, { waitUntil: "load" });
  await sleep(3000);
  await shot("logo-under-the-cover");
  await press("Space", 3000);
  await shot("main-menu");
  await press("Enter", 2500);
  await shot("hint-page");
  await press("Enter", 2500);
  await shot("level-0");
  for (const move of "RUR") await press(arrows[move], 2500);
  await sleep(2000);
  // Hint pages of new rules come up on the way and take a press of their own:
  // a picture after each press shows where the world map came.
  for (let skipped = 1; skipped <= 7; ++skipped) {
    await press("s", 1500);
    await shot(`skip-${skipped}`);
    await sleep(2500);
  }

  // Every level but the last solved, every hint page seen: the file is read
  // as the game left it and changed in place.
  await tab.evaluate(async () => {
    const file = "/libsdl/marrowick/save0.dat";
    const save = FS.readFile(file);
    for (let level = 0; level < 80; ++level) save[level] = 1;
    save[80] = 0;
    save.fill(1, 500);
    FS.writeFile(file, save);
    await new Promise((resolve, reject) => FS.syncfs(false, error => (error ? reject(error) : resolve())));
  });
  await tab.reload({ waitUntil: "load" });
  await sleep(3000);
  await press("Space", 3000);
  await press("Enter", 3000);
  await shot("last-level");
  for (const move of lastLevelWay) await press(arrows[move], 2000);
  await sleep(4000);
  await shot("ending-whole-road");
  await press("Enter", 3000);
  await shot("ending-closing-page");
  await press("Enter", 4000);
  await shot("after-the-ending");
} finally {
  await browser.close();
  page.close();
  rmSync(profile, { recursive: true, force: true });
}
