// Opens a page the program saved in headless Chromium and checks, point by
// point, that the browser's image map agrees with the program's hit test:
// a point inside an area hits that AREA, a point outside all areas hits none.
// Usage: node check_map.cjs PAGE GRID_JSON NODE_MODULES
'use strict';
const fs = require('fs');
const path = require('path');
const url = require('url');

async function main() {
  const [pagePath, gridPath, modules] = process.argv.slice(2);
  const { chromium } = require(path.resolve(modules, 'playwright-core'));
  const grid = JSON.parse(fs.readFileSync(gridPath, 'utf8'));
  const browser = await chromium.launch({ executablePath: '/usr/bin/chromium', args: ['--no-sandbox'] });
  try {
    const page = await browser.newPage({ viewport: { width: grid.width + 100, height: grid.height + 200 } });
    await page.goto(url.pathToFileURL(pagePath).href);
    await page.waitForFunction(() => document.images.length > 0 && document.images[0].complete);
    const result = await page.evaluate((points) => {
      const image = document.images[0];
      const box = image.getBoundingClientRect();
      const areas = Array.from(document.querySelectorAll('area'));
      const disagreements = [];
      for (const [x, y, expected] of points) {
        const hit = document.elementFromPoint(box.left + x + 0.5, box.top + y + 0.5);
        const found = hit && hit.tagName === 'AREA' ? areas.indexOf(hit) : -1;
        if (found !== expected) disagreements.push({ x, y, expected, found });
      }
      return { areas: areas.length, width: image.naturalWidth, disagreements };
    }, grid.points);
    const inside = grid.points.filter((p) => p[2] >= 0).length;
    console.log(`${grid.points.length} points (${inside} inside areas), ${result.areas} areas, ` +
                `${result.disagreements.length} disagreements`);
    for (const d of result.disagreements.slice(0, 20)) {
      console.log(`  at ${d.x},${d.y}: the program finds area ${d.expected}, the browser ${d.found}`);
    }
    const ok = result.areas === grid.areas && result.width === grid.width && inside > 0 &&
               result.disagreements.length === 0;
    process.exitCode = ok ? 0 : 1;
  } finally {
    await browser.close();
  }
}

main().catch((error) => {
  console.error(error);
  process.exitCode = 2;
});
