// Opens the responsive pages in headless Chromium at several widths and
// device pixel ratios and checks, point by point, that a point well inside an
// area hits that area's link (the first in map order where areas overlap)
// and a point outside every area hits none, as the program's own hit test
// says; after a resize without a reload, and on the page edited by hand, too. Also: the page's script is
// small and runs without errors, every AREA is a link named by its ALT, and
// the plain HTML page of the same map misses at phone width, as any page
// that scales its pictures does.
// Usage: node check_responsive.cjs FOLDER NODE_MODULES NAME...
// FOLDER holds NAME.html, NAME-responsive.html and NAME.grid.json for each NAME.
'use strict';
const fs = require('fs');
const path = require('path');
const url = require('url');

const widths = [1400, 800, 375];
const ratios = [1, 2];
const viewportHeight = 1600;
const edgeDistance = 2;  // CSS pixels: points closer than this to an edge are not tried
const scriptLimit = 2048;

// What today's pages do to their pictures, which the plain page lacks.
const scalingLayout = 'img { max-width: 100%; height: auto; }';

// Lets the resize and the fitting it starts show in a frame.
const settle = (page) => page.evaluate(() => new Promise((done) => requestAnimationFrame(() => requestAnimationFrame(done))));

async function open(context, file) {
  const page = await context.newPage();
  page.errors = [];
  page.on('console', (message) => message.type() === 'error' && page.errors.push(message.text()));
  page.on('pageerror', (error) => page.errors.push(error.message));
  await page.goto(url.pathToFileURL(file).href);
  await page.waitForFunction(() => document.images.length > 0 && document.images[0].complete);
  await settle(page);
  return page;
}

// Each grid point far enough from every edge at the scale the picture is shown.
function hitCheck(page, grid) {
  return page.evaluate(({ points, edgeDistance }) => {
    const image = document.images[0];
    const box = image.getBoundingClientRect();
    const scale = box.width / image.naturalWidth;
    const areas = Array.from(document.querySelectorAll('area'));
    const wrong = [];
    let tried = 0;
    for (const [x, y, expected, clearance] of points) {
      if ((clearance - 1) * scale < edgeDistance) continue;
      tried += 1;
      const hit = document.elementFromPoint(box.left + (x + 0.5) * scale, box.top + (y + 0.5) * scale);
      const found = hit && hit.tagName === 'AREA' ? areas.indexOf(hit) : -1;
      if (found !== expected) wrong.push({ x, y, expected, found });
    }
    return { scale, tried, wrong };
  }, { points: grid.points, edgeDistance });
}

class Tally {
  constructor() { this.failures = []; this.points = 0; this.checks = 0; }
  fail(text) { this.failures.push(text); }
  hits(label, result) {
    this.points += result.tried;
    this.checks += 1;
    const shown = `${label}: scale ${result.scale.toFixed(3)}, ${result.tried} points, ${result.wrong.length} missed`;
    console.log(shown);
    if (result.tried === 0 || result.wrong.length > 0) this.fail(shown);
    for (const w of result.wrong.slice(0, 5)) {
      console.log(`  at ${w.x},${w.y}: the program finds area ${w.expected}, the browser ${w.found}`);
    }
  }
}

async function checkAtEveryWidth(browser, name, file, grid, tally) {
  for (const ratio of ratios) {
    for (const width of widths) {
      const context = await browser.newContext({ viewport: { width, height: viewportHeight }, deviceScaleFactor: ratio });
      const page = await open(context, file);
      tally.hits(`${name} at ${width} px, ratio ${ratio}`, await hitCheck(page, grid));
      if (page.errors.length > 0) tally.fail(`${name}: console errors ${page.errors.join('; ')}`);
      await context.close();
    }
  }
}

async function checkAfterResizes(browser, name, file, grid, tally) {
  const context = await browser.newContext({ viewport: { width: widths[0], height: viewportHeight } });
  const page = await open(context, file);
  for (const width of [375, 800, 1400, 375]) {
    await page.setViewportSize({ width, height: viewportHeight });
    await settle(page);
    tally.hits(`${name} resized to ${width} px`, await hitCheck(page, grid));
  }
  await context.close();
}

// The names Chromium's own accessibility tree gives the links, which is what
// a screen reader is told.
async function checkNames(browser, name, file, tally) {
  const context = await browser.newContext();
  const page = await open(context, file);
  const alts = await page.evaluate(() => Array.from(document.querySelectorAll('area'), (area) => area.alt));
  const session = await context.newCDPSession(page);
  const { nodes } = await session.send('Accessibility.getFullAXTree');
  const links = nodes.filter((node) => node.role && node.role.value === 'link').map((node) => node.name && node.name.value);
  console.log(`${name}: links named ${links.map((link) => `"${link}"`).join(', ')}`);
  if (JSON.stringify(links) !== JSON.stringify(alts)) tally.fail(`${name}: the links are not named by the ALT texts`);
  await context.close();
}

async function checkPlainPageMisses(browser, name, file, grid, tally) {
  const context = await browser.newContext({ viewport: { width: 375, height: viewportHeight } });
  const page = await open(context, file);
  await page.addStyleTag({ content: scalingLayout });
  await settle(page);
  const result = await hitCheck(page, grid);
  console.log(`${name} plain page at 375 px in a scaling layout: ${result.wrong.length} of ${result.tried} points missed`);
  if (result.scale < 1 && result.wrong.length === 0) tally.fail(`${name}: the plain page did not miss`);
  await context.close();
}

// The page as an author might change it by hand: the picture's tag given half
// its width and height, the block moved into a narrower column.
async function checkHandEditedPage(browser, name, file, grid, tally) {
  const edited = file.replace(/\.html$/, '-edited.html');
  const text = fs.readFileSync(file, 'latin1')
    .replace(/ width=(\d+) height=(\d+)/, (_, w, h) => ` width=${Math.round(w / 2)} height=${Math.round(h / 2)}`)
    .replace('<!-- Ornix start', '<div style="width: 70%; margin: 0 auto">\r\n<!-- Ornix start')
    .replace('safe to edit AFTER this line. -->', 'safe to edit AFTER this line. -->\r\n</div>');
  fs.writeFileSync(edited, text, 'latin1');
  for (const width of [1400, 375]) {
    const context = await browser.newContext({ viewport: { width, height: viewportHeight } });
    tally.hits(`${name} edited by hand at ${width} px`, await hitCheck(await open(context, edited), grid));
    await context.close();
  }
}

function checkScript(name, file, tally) {
  const page = fs.readFileSync(file, 'latin1');
  const script = /<script>([\s\S]*?)<\/script>/.exec(page);
  const size = script ? Buffer.byteLength(script[1], 'latin1') : 0;
  console.log(`${name}: script of ${size} bytes`);
  if (size === 0 || size >= scriptLimit) tally.fail(`${name}: the script is ${size} bytes`);
}

async function main() {
  const [folder, modules, ...names] = process.argv.slice(2);
  const { chromium } = require(path.resolve(modules, 'playwright-core'));
  const browser = await chromium.launch({ executablePath: '/usr/bin/chromium', args: ['--no-sandbox'] });
  const tally = new Tally();
  let areas = 0;
  try {
    for (const name of names) {
      const grid = JSON.parse(fs.readFileSync(path.join(folder, `${name}.grid.json`), 'utf8'));
      const responsive = path.join(folder, `${name}-responsive.html`);
      areas += grid.areas;
      checkScript(name, responsive, tally);
      await checkAtEveryWidth(browser, name, responsive, grid, tally);
      await checkAfterResizes(browser, name, responsive, grid, tally);
      await checkHandEditedPage(browser, name, responsive, grid, tally);
      await checkNames(browser, name, responsive, tally);
      await checkPlainPageMisses(browser, name, path.join(folder, `${name}.html`), grid, tally);
    }
  } finally {
    await browser.close();
  }
  console.log(`${areas} areas on ${names.length} pictures, ${tally.points} points tried in ${tally.checks} checks ` +
              `at widths ${widths.join(', ')} and ratios ${ratios.join(', ')}`);
  for (const failure of tally.failures) console.log(`FAILED ${failure}`);
  process.exitCode = tally.failures.length === 0 ? 0 : 1;
}

main().catch((error) => {
  console.error(error);
  process.exitCode = 2;
});
