// Debian's Chromium, headless, as the web tests, the tour and the page bench
// drive it: an 800 x 600 view and WebGL on the processor.
import puppeteer from "puppeteer-core";

export function launchChromium(userDataDir) {
  return puppeteer.launch({
    executablePath: process.env.MARROWICK_CHROMIUM ?? "/usr/bin/chromium",
    headless: true,
    userDataDir,
    defaultViewport: { width: 800, height: 600 },
    args: [
      // Running as root (CI) Chromium will not start its sandbox.
      ...(process.getuid?.() === 0 ? ["--no-sandbox"] : []),
      // WebGL on the processor: no GPU here.
      "--use-angle=swiftshader", "--enable-unsafe-swiftshader", "--ignore-gpu-blocklist",
    ],
  });
}
