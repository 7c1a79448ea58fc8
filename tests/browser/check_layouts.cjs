// The responsive page's block dropped into the layouts real sites give it,
// served over HTTP to headless Chromium: each layout is made from the page
// Ornix wrote by changing only what lies outside the marker comments or the
// picture's own tag. At each width (and pixel ratio where the layout depends
// on it), a point well inside an area hits that area's link and a point
// outside all of them hits none, on every picture of the page; no console
// error. Also: while the picture loads slowly the coordinates stay numbers;
// after resizes back to the written size they are the written ones; and Tab
// reaches every area in map order, each drawn with a visible focus outline.
// Usage: node check_layouts.cjs FOLDER NODE_MODULES
// FOLDER holds photo-responsive.html and wide-responsive.html, their grids,
// and the pictures with their NAME-large.jpg copies.
'use strict';
const fs = require('fs');
const http = require('http');
const path = require('path');

const widths = [1400, 800, 375];
const viewportHeight = 1600;
const edgeDistance = 3;  // CSS pixels: points closer than this to an edge are not tried
const slowMilliseconds = 1500;
const endComment = 'safe to edit AFTER this line. -->';

const settle = (page) => page.evaluate(() => new Promise((done) => requestAnimationFrame(() => requestAnimationFrame(done))));

// The folder over HTTP; a picture asked for with "?slow" comes late.
function serve(folder) {
  const server = http.createServer((request, response) => {
    const address = new URL(request.url, 'http://localhost');
    const file = path.join(folder, decodeURIComponent(address.pathname));
    if (address.pathname === '/favicon.ico') return response.writeHead(204).end();
    const send = () => fs.readFile(file, (error, bytes) => {
      if (error) return response.writeHead(404).end();
      response.writeHead(200, { 'Content-Type': file.endsWith('.jpg') ? 'image/jpeg' : 'text/html' }).end(bytes);
    });
    address.search === '?slow' ? setTimeout(send, slowMilliseconds) : send();
  });
  return new Promise((done) => server.listen(0, '127.0.0.1', () => done(server)));
}

// A layout's page: the photo's page changed as the layout says.
const withPictureTag = (page, change) => page.replace(/<img src="photo\.jpg"[^>]*>/, change);
const afterBlock = (page, html) => page.replace(endComment, `${endComment}\r\n${html}`);
const bodyOf = (page) => page.slice(page.indexOf('<body>') + 6, page.indexOf('</body>'));

const layouts = [
  { name: 'in a closed tab, shown later', ratios: [1],
    page: (photo) => afterBlock(photo.replace('<!-- Ornix start', '<div id="tab" style="display:none">\r\n<!-- Ornix start'), '</div>'),
    show: () => { document.getElementById('tab').style.display = 'block'; } },
  { name: 'padding and a border on the picture', ratios: [1],
    page: (photo) => withPictureTag(photo, (tag) => tag.replace('<img ', '<img style="padding:12px; border:5px solid #345" ')) },
  { name: 'srcset with a 2x candidate', ratios: [1, 2],
    page: (photo) => withPictureTag(photo, (tag) => tag.replace('<img ', '<img srcset="photo.jpg 1x, photo-large.jpg 2x" ')) },
  { name: 'srcset with widths and sizes', ratios: [1, 2],
    page: (photo) => withPictureTag(photo, (tag) =>
      tag.replace('<img ', '<img srcset="photo.jpg 640w, photo-large.jpg 1280w" sizes="(max-width: 700px) 100vw, 640px" ')) },
  { name: 'in a picture element with a larger source', ratios: [1],
    page: (photo) => withPictureTag(photo, (tag) => `<picture><source srcset="photo-large.jpg">${tag}</picture>`) },
  { name: 'one map used by two pictures', ratios: [1], grids: ['photo', 'photo'],
    page: (photo) => afterBlock(photo, '<p><img src="photo.jpg" usemap="#photo" style="width:300px" alt="Harbour, small"></p>') },
  { name: 'two Ornix pages pasted into one', ratios: [1], grids: ['photo', 'wide'],
    page: (photo, wide) => photo.replace('</body>', `${bodyOf(wide)}</body>`) },
];

async function open(context, address, options = {}) {
  const page = await context.newPage();
  page.errors = [];
  page.on('console', (message) => message.type() === 'error' && page.errors.push(message.text()));
  page.on('pageerror', (error) => page.errors.push(error.message));
  await page.goto(address, options);
  if (options.waitUntil !== 'commit') {
    await page.waitForFunction(() => Array.from(document.images).every((image) => image.complete));
    await settle(page);
  }
  return page;
}

// Each grid point far enough from every edge, on the picture's content box
// at the scale it is shown, against the map the picture uses now.
function hitCheck(page, index, grid) {
  return page.evaluate(({ index, grid, edgeDistance }) => {
    const image = document.images[index];
    const style = getComputedStyle(image);
    const px = (name) => parseFloat(style[name]) || 0;
    const box = image.getBoundingClientRect();
    const left = box.left + px('borderLeftWidth') + px('paddingLeft');
    const top = box.top + px('borderTopWidth') + px('paddingTop');
    const right = box.right - px('borderRightWidth') - px('paddingRight');
    const scale = (right - left) / grid.width;
    const map = Array.from(document.querySelectorAll('map')).find((m) => '#' + m.name === image.useMap);
    const areas = map ? Array.from(map.areas) : [];
    const wrong = [];
    let tried = 0;
    for (const [x, y, expected, clearance] of grid.points) {
      if ((clearance - 1) * scale < edgeDistance) continue;
      tried += 1;
      const hit = document.elementFromPoint(left + (x + 0.5) * scale, top + (y + 0.5) * scale);
      const found = hit && hit.tagName === 'AREA' ? areas.indexOf(hit) : -1;
      if (found !== expected) wrong.push({ x, y, expected, found });
    }
    return { scale, tried, wrong };
  }, { index, grid, edgeDistance });
}

class Tally {
  constructor() { this.failures = []; this.points = 0; this.missed = new Map(); }
  fail(text) { this.failures.push(text); }
  hits(layout, label, result) {
    this.points += result.tried;
    const missed = this.missed.get(layout) || [0, 0];
    this.missed.set(layout, [missed[0] + result.wrong.length, missed[1] + result.tried]);
    if (result.tried === 0 || result.wrong.length > 0) {
      this.fail(`${label}: scale ${result.scale.toFixed(3)}, ${result.wrong.length} of ${result.tried} points missed`);
    }
  }
}

// One page per pixel ratio, loaded afresh at each width.
async function checkLayout(browser, base, layout, grids, tally) {
  for (const ratio of layout.ratios) {
    const context = await browser.newContext({ viewport: { width: widths[0], height: viewportHeight }, deviceScaleFactor: ratio });
    const page = await open(context, `${base}/${layout.file}`);
    for (const width of widths) {
      await page.setViewportSize({ width, height: viewportHeight });
      await page.reload();
      await page.waitForFunction(() => Array.from(document.images).every((image) => image.complete));
      if (layout.show) await page.evaluate(layout.show);
      await settle(page);
      const names = layout.grids || ['photo'];
      for (let index = 0; index < names.length; index += 1) {
        const result = await hitCheck(page, index, grids[names[index]]);
        tally.hits(layout.name, `${layout.name}, picture ${index + 1} at ${width} px, ratio ${ratio}`, result);
      }
    }
    if (page.errors.length > 0) tally.fail(`${layout.name}: console errors ${page.errors.join('; ')}`);
    await context.close();
  }
}

// While the picture comes late, every coordinate is a number.
async function checkSlowPicture(browser, base, grid, tally) {
  const context = await browser.newContext({ viewport: { width: 375, height: viewportHeight } });
  const page = await open(context, `${base}/slow.html`, { waitUntil: 'commit' });
  const bad = [];
  for (let look = 0; look < 20; look += 1) {
    await page.waitForTimeout(50);
    const coords = await page.evaluate(() => Array.from(document.querySelectorAll('area'), (area) => area.coords));
    for (const text of coords) {
      if (!text.split(',').every((number) => number.trim() !== '' && Number.isFinite(Number(number)))) bad.push(text);
    }
  }
  await page.waitForFunction(() => document.images[0].complete);
  await settle(page);
  tally.hits('a slow picture', 'a slow picture, once loaded', await hitCheck(page, 0, grid));
  console.log(`a slow picture: ${bad.length} coordinate lists not numbers while it loaded`);
  if (bad.length > 0) tally.fail(`a slow picture: coordinates ${bad[0]} while it loaded`);
  await context.close();
}

// 1400 -> 500 -> 1400 gives back the written numbers; a resize of 1% keeps every hit.
async function checkResizes(browser, base, written, grid, tally) {
  const context = await browser.newContext({ viewport: { width: 1400, height: viewportHeight } });
  const page = await open(context, `${base}/photo-responsive.html`);
  const numbers = () => page.evaluate(() => Array.from(document.querySelectorAll('area'), (area) => area.coords.split(',').map(Number)));
  for (const width of [500, 1400]) {
    await page.setViewportSize({ width, height: viewportHeight });
    await settle(page);
  }
  const back = JSON.stringify(await numbers());
  console.log(`resized 1400 -> 500 -> 1400: the written coordinates ${back === JSON.stringify(written) ? 'came back' : 'did not come back'}`);
  if (back !== JSON.stringify(written)) tally.fail(`resized back: ${back}, written ${JSON.stringify(written)}`);
  for (const width of [500, 495]) {
    await page.setViewportSize({ width, height: viewportHeight });
    await settle(page);
    tally.hits('a resize of 1%', `a resize of 1% to ${width} px`, await hitCheck(page, 0, grid));
  }
  await context.close();
}

// Tab goes through the areas in map order, and each one focused looks different.
async function checkKeyboard(browser, base, tally) {
  for (const width of widths) {
    const context = await browser.newContext({ viewport: { width, height: viewportHeight } });
    const page = await open(context, `${base}/photo-responsive.html`);
    const count = await page.evaluate(() => document.querySelectorAll('area').length);
    const clips = await page.evaluate(() => Array.from(document.querySelectorAll('area'), (area) => {
      const box = document.images[0].getBoundingClientRect();
      const numbers = area.coords.split(',').map(Number);
      const xs = area.shape === 'circle' ? [numbers[0] - numbers[2], numbers[0] + numbers[2]] : numbers.filter((n, i) => i % 2 === 0);
      const ys = area.shape === 'circle' ? [numbers[1] - numbers[2], numbers[1] + numbers[2]] : numbers.filter((n, i) => i % 2 === 1);
      const x = Math.max(0, box.left + Math.min(...xs) - 4);
      const y = Math.max(0, box.top + Math.min(...ys) - 4);
      return { x, y, width: box.left + Math.max(...xs) + 4 - x, height: box.top + Math.max(...ys) + 4 - y };
    }));
    const unfocused = [];
    for (const clip of clips) unfocused.push(await page.screenshot({ clip }));
    const order = [];
    let unseen = 0;
    for (let k = 0; k < count; k += 1) {
      await page.keyboard.press('Tab');
      await settle(page);
      order.push(await page.evaluate(() => Array.from(document.querySelectorAll('area')).indexOf(document.activeElement)));
      if (order[k] === k && unfocused[k].equals(await page.screenshot({ clip: clips[k] }))) unseen += 1;
    }
    console.log(`keyboard at ${width} px: Tab reaches areas ${order.join(', ')}; ${unseen} focused without a visible outline`);
    if (order.some((found, k) => found !== k)) tally.fail(`keyboard at ${width} px: Tab reached ${order.join(', ')}`);
    if (unseen > 0) tally.fail(`keyboard at ${width} px: ${unseen} areas focused without a visible outline`);
    await context.close();
  }
}

async function main() {
  const [folder, modules] = process.argv.slice(2);
  const { chromium } = require(path.resolve(modules, 'playwright-core'));
  const photo = fs.readFileSync(path.join(folder, 'photo-responsive.html'), 'latin1');
  const wide = fs.readFileSync(path.join(folder, 'wide-responsive.html'), 'latin1');
  const grids = {};
  for (const name of ['photo', 'wide']) grids[name] = JSON.parse(fs.readFileSync(path.join(folder, `${name}.grid.json`), 'utf8'));
  layouts.forEach((layout, index) => {
    layout.file = `layout-${index}.html`;
    fs.writeFileSync(path.join(folder, layout.file), layout.page(photo, wide), 'latin1');
  });
  fs.writeFileSync(path.join(folder, 'slow.html'), withPictureTag(photo, (tag) => tag.replace('photo.jpg', 'photo.jpg?slow')), 'latin1');
  const written = Array.from(photo.matchAll(/COORDS="([^"]*)"/g), (match) => match[1].split(',').map(Number));
  const server = await serve(folder);
  const base = `http://127.0.0.1:${server.address().port}`;
  const browser = await chromium.launch({ executablePath: '/usr/bin/chromium', args: ['--no-sandbox'] });
  const tally = new Tally();
  try {
    for (const layout of layouts) await checkLayout(browser, base, layout, grids, tally);
    await checkSlowPicture(browser, base, grids.photo, tally);
    await checkResizes(browser, base, written, grids.photo, tally);
    await checkKeyboard(browser, base, tally);
  } finally {
    await browser.close();
    server.close();
  }
  for (const [layout, [missed, tried]] of tally.missed) console.log(`${layout}: ${missed} of ${tried} points missed`);
  console.log(`${tally.points} points tried in ${layouts.length + 2} layouts`);
  for (const failure of tally.failures) console.log(`FAILED ${failure}`);
  process.exitCode = tally.failures.length === 0 ? 0 : 1;
}

main().catch((error) => {
  console.error(error);
  process.exitCode = 2;
});
