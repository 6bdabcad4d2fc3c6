// The page against the native game on the same content at the same time: both
// go into level 0 and roll the ball from wall to wall (a key held 0.3 s each
// second, right then left) for a window of some seconds, three windows in a
// row. For each side: frames shown per second and CPU time per shown frame,
// counting every process that does the work (the native game with the X
// server it draws on; every process of the browser, its GPU process with the
// software WebGL included), and the page's CPU per frame over the native's.
// Then, for the same length of time each, the browser's floors
// (floor/index.html): a small change an animation frame, which is what the
// browser spends showing any frame, and two full-screen layers; and the
// page's CPU per frame over each. Headless Chromium does not tie animation
// frames to a display: a page that can go faster than 60 frames a second does.
//
//   node page_frame_bench.mjs <page folder> <native game pid> <X server pid> <native frame count file> <X display>
// (bench/web/page-frame-bench.sh starts the native game and its X server.)
// Frames: the native game's are counted by frame_count_shim.so as they are put
// into its window; the page's are the animation frames in which its canvas
// was drawn, counted in the page.
import { spawnSync } from "node:child_process";
import { readdirSync, readFileSync, mkdtempSync, rmSync } from "node:fs";
import { tmpdir } from "node:os";
import { join } from "node:path";
import { launchChromium } from "../../tests/web/chromium.mjs";
import { servePage } from "../../tests/web/page-server.mjs";

const [pageFolder, nativePid, xPid, nativeFrameFile, xDisplay] = process.argv.slice(2);
const windowSeconds = Number(process.env.MARROWICK_WINDOW_SECONDS ?? 15);
const windows = 3;
const sleep = ms => new Promise(resolve => setTimeout(resolve, ms));
const ticksPerSecond = Number(spawnSync("getconf", ["CLK_TCK"], { encoding: "utf8" }).stdout) || 100;

// CPU seconds (user + system) of the processes given and of all their
// descendants; with `kind`, only of Chromium's processes of that --type.
function cpuSeconds(roots, kind) {
  const parent = new Map(), ticks = new Map();
  for (const entry of readdirSync("/proc")) {
    if (!/^\d+$/.test(entry)) continue;
    try {
      const stat = readFileSync(`/proc/${entry}/stat`, "utf8");
      const fields = stat.slice(stat.lastIndexOf(")") + 2).split(" ");
      parent.set(Number(entry), Number(fields[1]));
      ticks.set(Number(entry), Number(fields[11]) + Number(fields[12]));
    } catch { /* gone meanwhile */ }
  }
  const inTree = pid => { for (let p = pid; p > 1; p = parent.get(p) ?? 0) if (roots.includes(p)) return true; return false; };
  const isKind = pid => {
    // Chromium rewrites its processes' command lines with spaces between the words.
    try { return new RegExp(`--type=${kind}(\\s|\\0|$)`).test(readFileSync(`/proc/${pid}/cmdline`, "utf8")); } catch { return false; }
  };
  let total = 0;
  for (const [pid, t] of ticks) if (inTree(pid) && (!kind || isKind(pid))) total += t;
  return total / ticksPerSecond;
}

const nativeFrames = () => Number(readFileSync(nativeFrameFile, "utf8").trim());
const xdotool = (...args) => spawnSync("xdotool", args, { env: { ...process.env, DISPLAY: xDisplay } });
const nativeWindow = xdotool("search", "--onlyvisible", "--class", "marrowick").stdout.toString().split("\n")[0];
if (!nativeWindow) throw new Error("the native game has no window");

const page = await servePage(pageFolder);
const profile = mkdtempSync(join(tmpdir(), "marrowick-page-bench-"));
const browser = await launchChromium(profile);
try {
  const tab = await browser.newPage();
  await tab.evaluateOnNewDocument(() => {
    // An animation frame counts when the canvas was drawn since the one before.
    let drawn = false;
    window.framesDrawn = 0;
    for (const name of ["drawArrays", "drawElements"]) {
      const draw = WebGLRenderingContext.prototype[name];
      WebGLRenderingContext.prototype[name] = function (...args) { drawn = true; return draw.apply(this, args); };
    }
    const count = () => { if (drawn) ++window.framesDrawn; drawn = false; requestAnimationFrame(count); };
    requestAnimationFrame(count);
  });
  await tab.goto(page.url, { waitUntil: "load" });
  const browserPids = [browser.process().pid];
  const both = async (key, down) => {
    xdotool(down ? "keydown" : "keyup", "--window", nativeWindow, key === "Enter" ? "Return" : key.replace("Arrow", ""));
    await (down ? tab.keyboard.down(key) : tab.keyboard.up(key));
  };
  const tap = async (key, holdMs) => { await both(key, true); await sleep(holdMs); await both(key, false); };
  await sleep(6000);  // past both logos
  await tap("Enter", 200);
  await sleep(2500);
  await tap("Enter", 200);  // past the hint page
  await sleep(2500);
  const pageFrames = () => tab.evaluate(() => window.framesDrawn);
  // page_renderer_ms: the page's own process alone (the game's code, its GL
  // calls and its sound); drawing the frames is the GPU process's.
  console.log("window  native_fps  page_fps  native_ms_per_frame  page_ms_per_frame  page_over_native  page_renderer_ms");
  const ratios = [], pageMsPerFrame = [];
  for (let w = 1; w <= windows; ++w) {
    const start = { t: performance.now(), nativeCpu: cpuSeconds([Number(nativePid), Number(xPid)]),
                    pageCpu: cpuSeconds(browserPids), rendererCpu: cpuSeconds(browserPids, "renderer"), nativeFrames: nativeFrames(), pageFrames: await pageFrames() };
    for (let second = 0; second < windowSeconds; ++second) {
      await tap(second % 2 === 0 ? "ArrowRight" : "ArrowLeft", 300);
      await sleep(700);
    }
    const seconds = (performance.now() - start.t) / 1000;
    const native = { frames: nativeFrames() - start.nativeFrames,
                     cpu: cpuSeconds([Number(nativePid), Number(xPid)]) - start.nativeCpu };
    const web = { frames: (await pageFrames()) - start.pageFrames, cpu: cpuSeconds(browserPids) - start.pageCpu,
                  rendererCpu: cpuSeconds(browserPids, "renderer") - start.rendererCpu };
    const nativeMs = 1000 * native.cpu / native.frames, pageMs = 1000 * web.cpu / web.frames;
    ratios.push(pageMs / nativeMs);
    pageMsPerFrame.push(pageMs);
    console.log(`${w}  ${(native.frames / seconds).toFixed(1)}  ${(web.frames / seconds).toFixed(1)}  ` +
                `${nativeMs.toFixed(2)}  ${pageMs.toFixed(2)}  ${(pageMs / nativeMs).toFixed(2)}  ` +
                `${(1000 * web.rendererCpu / web.frames).toFixed(2)}`);
  }
  ratios.sort((a, b) => a - b);
  pageMsPerFrame.sort((a, b) => a - b);
  console.log(`median page_over_native ${ratios[1].toFixed(2)}`);

  const floor = await servePage(new URL("floor/", import.meta.url).pathname);
  try {
    for (const [layers, what] of [[0, "a small change"], [2, "two full-screen layers"]]) {
      await tab.goto(`${floor.url}?layers=${layers}`, { waitUntil: "load" });
      await sleep(2000);
      const start = { t: performance.now(), cpu: cpuSeconds(browserPids), frames: await pageFrames() };
      await sleep(windowSeconds * 1000);
      const frames = (await pageFrames()) - start.frames, cpu = cpuSeconds(browserPids) - start.cpu;
      const floorMs = 1000 * cpu / frames;
      console.log(`floor, ${what}: ${(frames / ((performance.now() - start.t) / 1000)).toFixed(1)} fps, ` +
                  `${floorMs.toFixed(2)} ms per frame; page_over_floor ${(pageMsPerFrame[1] / floorMs).toFixed(2)}`);
    }
  } finally {
    floor.close();
  }
} finally {
  await browser.close();
  page.close();
  rmSync(profile, { recursive: true, force: true });
}
