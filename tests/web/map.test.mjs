// Drives the map page copied beside the viewer in headless Chromium with the
// network cut, as the program would: calls its functions, moves the mouse,
// and reads the messages it posts.
//   node map.test.mjs PAGE_DIR
import test from 'node:test';
import assert from 'node:assert/strict';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { pathToFileURL } from 'node:url';
import { chromium } from 'playwright-core';

const pageDir = process.argv[2];
const LAND = [244, 241, 232];
const SEA = [207, 228, 242];

// A square island south of Tokyo for zooms 5-8 and a larger one for 9-12,
// split by a prefecture border, so a test can tell which level is drawn.
function square(lat, lon, half) {
  return [[[lon - half, lat - half], [lon + half, lat - half], [lon + half, lat + half],
    [lon - half, lat + half], [lon - half, lat - half]]];
}
const STAND_IN = {
  attribution: 'GSHHG <Wessel & Smith>',
  coast: [
    { minZoom: 5, maxZoom: 8, features: { type: 'FeatureCollection', features: [
      { type: 'Feature', properties: {}, geometry: { type: 'Polygon', coordinates: square(35, 135, 0.05) } }] } },
    { minZoom: 9, maxZoom: 12, features: { type: 'FeatureCollection', features: [
      { type: 'Feature', properties: {}, geometry: { type: 'Polygon', coordinates: square(35, 135, 0.1) } }] } },
  ],
  prefectures: { type: 'FeatureCollection', features: [
    { type: 'Feature', properties: { name_ja: '試験県' },
      geometry: { type: 'LineString', coordinates: [[135, 34.9], [135, 35.1]] } }] },
};

// A copy of the delivered page with the stand-in offline map in place of the real one.
function pageCopy(basemap = STAND_IN) {
  const dir = fs.mkdtempSync(path.join(os.tmpdir(), 'quarrenby-web-'));
  for (const name of ['map.html', 'map.js', 'map.css', 'leaflet']) {
    fs.cpSync(path.join(pageDir, name), path.join(dir, name), { recursive: true });
  }
  fs.writeFileSync(path.join(dir, 'basemap.js'), 'window.quarrenbyBasemap = ' + JSON.stringify(basemap) + ';\n');
  return dir;
}

let browser;
let copy;
test.before(async () => {
  copy = pageCopy();
  const root = typeof process.getuid === 'function' && process.getuid() === 0;
  browser = await chromium.launch({ executablePath: '/usr/bin/chromium', args: root ? ['--no-sandbox'] : [] });
});
test.after(async () => {
  await browser.close();
  fs.rmSync(copy, { recursive: true, force: true });
});

// A fresh page, every network request refused; `messages` collects what it posts.
async function openPage(initScript, dir = copy) {
  const page = await browser.newPage({ viewport: { width: 800, height: 600 } });
  const page_ = { page, messages: [], errors: [], refused: 0 };
  page.on('console', (m) => {
    if (m.type() === 'info' && m.text().startsWith('quarrenby:')) page_.messages.push(m.text().slice(10));
  });
  page.on('pageerror', (e) => page_.errors.push(e.message));
  page.on('dialog', (d) => { page_.errors.push('dialog ' + d.message()); d.dismiss(); });
  await page.route(/^https?:/, (route) => { page_.refused++; return route.abort(); });
  if (initScript) await page.addInitScript(initScript);
  await page.goto(pathToFileURL(path.join(dir, 'map.html')).href);
  await page.waitForFunction(() => window.quarrenbyMap !== undefined);
  return page_;
}

async function waitForMessage(p, prefix) {
  for (let i = 0; i < 100; i++) {
    const found = p.messages.find((m) => m.startsWith(prefix));
    if (found) return found;
    await p.page.waitForTimeout(20);
  }
  assert.fail(`no message "${prefix}..." among ${JSON.stringify(p.messages)}`);
}

const latLngAt = (page, x, y) => page.evaluate(([px, py]) => {
  const ll = window.quarrenbyMap.map.containerPointToLatLng([px, py]);
  return [ll.lat, ll.lng];
}, [x, y]);

function assertNear(actual, expected, what) {
  assert.equal(actual.length, expected.length, what);
  actual.forEach((v, i) => assert.ok(Math.abs(v - expected[i]) < 1e-4, `${what}: ${actual} vs ${expected}`));
}

const fields = (message) => message.split(',').slice(1).map(Number);

test('the page offers the program functions and reports only its load, then the moves it is told to make', async () => {
  const p = await openPage();
  const names = ['setMapCenter', 'SetOpenMode', 'drawPolylineBlack', 'drawPolylineRed', 'drawPolylineBlue',
    'clearBlueRect', 'drawWebRect', 'changeLayerFromCpp'];
  const kinds = await p.page.evaluate((list) => list.map((n) => typeof window[n]), names);
  assert.deepEqual(kinds, names.map(() => 'function'));
  await waitForMessage(p, 'MapLoaded');
  // The start view must not overwrite the program's stored position or layer.
  assert.deepEqual(p.messages, ['MapLoaded']);
  await p.page.evaluate(() => setMapCenter(36.1, 138.2, 10));
  assertNear(fields(await waitForMessage(p, 'mousemove')), [36.1, 138.2, 10], 'centre and zoom');
  await p.page.evaluate(() => { setMapCenter('x', 1, 2); setMapCenter(NaN, 1, 2); });
  const centre = await p.page.evaluate(() => window.quarrenbyMap.map.getCenter());
  assertNear([centre.lat, centre.lng], [36.1, 138.2], 'centre after bad calls');
  await p.page.reload();
  await p.page.waitForTimeout(100);
  assert.equal(p.messages.filter((m) => m === 'MapLoaded').length, 2, 'loaded again after a reload');
  assert.deepEqual(p.errors, []);
  await p.page.close();
});

test('inside the program messages go to the bridge object, also those posted before its channel is up', async () => {
  const p = await openPage(() => {
    window.sentToBridge = [];
    window.qt = { webChannelTransport: {} };
    window.QWebChannel = function (transport, ready) {
      setTimeout(() => ready({ objects: { bridge: { postMessage: (t) => window.sentToBridge.push(t) } } }), 50);
    };
  });
  await p.page.waitForFunction(() => window.sentToBridge.length > 0);
  await p.page.evaluate(() => setMapCenter(35.5, 139.5, 9));
  const sent = await p.page.evaluate(() => window.sentToBridge);
  assert.equal(sent[0], 'MapLoaded');
  assert.ok(sent[1].startsWith('mousemove,35.500000,139.500000,9'), sent.join(' | '));
  assert.deepEqual(p.messages, [], 'nothing went to the console');
  await p.page.close();
});

test('a Shift+drag shows a rectangle and reports its two corners without panning; a plain drag does not', async () => {
  const p = await openPage();
  const { page } = p;
  const before = await page.evaluate(() => window.quarrenbyMap.map.getCenter());
  await page.keyboard.down('Shift');
  await page.mouse.move(200, 150);
  await page.mouse.down();
  await page.mouse.move(330, 260, { steps: 5 });
  const box = await page.locator('.qb-select-box').boundingBox();
  assertNear([box.x, box.y, box.width, box.height], [200, 150, 130, 110], 'rectangle while dragging');
  await page.mouse.up();
  await page.keyboard.up('Shift');
  const corners = fields(await waitForMessage(p, 'boxzoom'));
  assertNear(corners, [...await latLngAt(page, 200, 150), ...await latLngAt(page, 330, 260)], 'corners');
  assert.equal(await page.locator('.qb-select-box').count(), 0, 'rectangle gone after release');
  const after = await page.evaluate(() => window.quarrenbyMap.map.getCenter());
  assertNear([after.lat, after.lng], [before.lat, before.lng], 'no pan during the Shift+drag');

  await page.mouse.move(400, 300);
  await page.mouse.down();
  await page.mouse.move(450, 320, { steps: 5 });
  await page.mouse.up();
  await waitForMessage(p, 'mousemove');
  assert.equal(p.messages.filter((m) => m.startsWith('boxzoom')).length, 1);
  assert.ok(await page.locator('text=Shift キーを押しながらドラッグして範囲を選びます').isVisible());
  await page.close();
});

test('lines and the chosen box are drawn from the program calls; bad point lists are ignored', async () => {
  const p = await openPage();
  const counts = await p.page.evaluate(() => {
    const g = window.quarrenbyMap.groups;
    const size = () => ({ black: g.black.getLayers().length, red: g.red.getLayers().length,
      blue: g.blue.getLayers().length, paths: document.querySelectorAll('.leaflet-overlay-pane svg path').length });
    for (let i = 0; i < 300; i++) drawPolylineBlack(`[[20, ${121 + i * 0.1}], [46, ${121 + i * 0.1}]]`);
    drawPolylineRed('[[35.0, 135.0], [35.0, 135.5]]');
    drawPolylineBlue('[[35.1, 135.1], [35.1, 135.2]]');
    drawPolylineBlue('[[35.1, 135.2], [35.2, 135.2]]');
    for (const bad of ['nonsense', '[[35, 135]]', "[[35, 'a'], [36, 136]]", '{}', '[[35, 135], [36]]', null]) {
      drawPolylineRed(bad);
    }
    const drawn = size();
    clearBlueRect();
    const cleared = size();
    drawWebRect(35.5, 139.5, 35.75, 139.625);
    drawWebRect(35.0, 135.0, 35.25, 135.125);
    drawWebRect('a', 1, 2, 3);
    const b = window.quarrenbyMap.selection.getBounds();
    return { drawn, cleared, afterRect: size(), rect: [b.getSouth(), b.getWest(), b.getNorth(), b.getEast()] };
  });
  assert.deepEqual(counts.drawn, { black: 300, red: 1, blue: 2, paths: 303 });
  assert.deepEqual(counts.cleared, { black: 300, red: 1, blue: 0, paths: 301 });
  assert.equal(counts.afterRect.paths, 302, 'only the latest chosen box is shown');
  assert.deepEqual(counts.rect, [35.0, 135.0, 35.25, 135.125]);
  // The dialog keeps its chosen box when the blue box goes; the map view,
  // whose blue box the chosen box becomes, does not.
  const kept = await p.page.evaluate(() => {
    clearBlueRect();
    const inDialog = window.quarrenbyMap.selection !== null;
    SetOpenMode(0);
    clearBlueRect();
    return [inDialog, window.quarrenbyMap.selection === null];
  });
  assert.deepEqual(kept, [true, true]);
  assert.deepEqual(p.errors, []);
  await p.page.close();
});

test('the layer control and the program switch base layers; unknown or hostile names change nothing', async () => {
  const p = await openPage();
  const { page } = p;
  await page.hover('.leaflet-control-layers');
  await page.getByLabel('GSI Pale').check();
  assert.equal(await waitForMessage(p, 'LayerChanged'), 'LayerChanged,GSI Pale');
  const current = () => page.evaluate(() => window.quarrenbyMap.current);
  for (const name of ["x');alert(1);('", '__proto__', 'toString', '', 'gsi pale']) {
    await page.evaluate((n) => changeLayerFromCpp(n), name);
    assert.equal(await current(), 'GSI Pale', name);
  }
  await page.evaluate(() => changeLayerFromCpp('GSI Photo'));
  assert.equal(await current(), 'GSI Photo');
  const tiles = await page.evaluate(() => [...document.querySelectorAll('.leaflet-tile')].map((t) => t.src));
  assert.ok(tiles.length > 0 && tiles.every((src) => src.includes('/seamlessphoto/')), tiles[0]);
  assert.deepEqual(p.messages.filter((m) => m.startsWith('LayerChanged')), ['LayerChanged,GSI Pale', 'LayerChanged,GSI Photo']);
  assert.deepEqual(p.errors, []);
  await page.close();
});

// The colour of the offline map's canvas at a map point, or null where it is transparent.
const offlinePixel = (page, lat, lon) => page.evaluate(([la, lo]) => {
  const map = window.quarrenbyMap.map;
  const canvas = map.getPane('qbOffline').querySelector('canvas');
  const rect = canvas.getBoundingClientRect();
  const at = map.latLngToContainerPoint([la, lo]);
  const box = map.getContainer().getBoundingClientRect();
  const x = Math.round((at.x + box.left - rect.left) * canvas.width / rect.width);
  const y = Math.round((at.y + box.top - rect.top) * canvas.height / rect.height);
  const d = canvas.getContext('2d').getImageData(x, y, 1, 1).data;
  return d[3] === 0 ? null : [d[0], d[1], d[2]];
}, [lat, lon]);

test('the offline map draws its land on a sea background with every tile request refused', async () => {
  const p = await openPage();
  const { page } = p;
  await page.evaluate(() => { changeLayerFromCpp('Offline'); setMapCenter(35, 135, 10); });
  await page.waitForTimeout(100);
  assert.ok(p.refused > 0, 'the tiles of the first layer were asked for and refused');
  const sea = await page.evaluate(() => getComputedStyle(window.quarrenbyMap.map.getContainer()).backgroundColor);
  assert.equal(sea, `rgb(${SEA.join(', ')})`);
  assert.deepEqual(await offlinePixel(page, 35.075, 135.075), LAND, 'inside the zoom 9-12 island only');
  assert.equal(await offlinePixel(page, 35.3, 135.3), null, 'sea shows through');
  await page.evaluate(() => setMapCenter(35, 135, 8));
  await page.waitForTimeout(100);
  assert.equal(await offlinePixel(page, 35.085, 135.085), null, 'the zoom 9-12 level is gone at zoom 8');
  assert.deepEqual(await offlinePixel(page, 35, 135.025), LAND, 'the zoom 5-8 island at zoom 8');
  // Far out and far in the nearest level stays, beside the prefecture borders.
  for (const zoom of [3, 15]) {
    const drawn = await page.evaluate((z) => {
      setMapCenter(35, 135, z);
      return window.quarrenbyMap.baseLayers.Offline.getLayers().length;
    }, zoom);
    assert.equal(drawn, 2, `layers at zoom ${zoom}`);
  }
  const credits = page.locator('.leaflet-control-attribution');
  assert.match(await credits.innerText(), /GSHHG <Wessel & Smith>/, 'the offline credit shown as text');
  assert.deepEqual(p.errors, []);
  await page.close();
});

// The fallback offline map's pixel, or null where it is transparent or not drawn.
const fallbackPixel = (page, lat, lon) => page.evaluate(([la, lo]) => {
  const map = window.quarrenbyMap.map;
  const canvas = map.getPane('qbFallback').querySelector('canvas');
  if (!canvas) return null;
  const p = map.latLngToContainerPoint([la, lo]).subtract(L.DomUtil.getPosition(canvas)).add(map._getMapPanePos());
  const d = canvas.getContext('2d').getImageData(Math.round(p.x), Math.round(p.y), 1, 1).data;
  return d[3] === 0 ? null : [d[0], d[1], d[2]];
}, [lat, lon]);

test('without a network the agency layer is filled in by the offline map until its tiles arrive', async () => {
  const p = await openPage();
  const { page } = p;
  await page.evaluate(() => setMapCenter(35, 135, 10));
  await page.waitForTimeout(200);
  const credits = page.locator('.leaflet-control-attribution');
  assert.deepEqual(await fallbackPixel(page, 35.075, 135.075), LAND, 'the coast drawn under the failed tiles');
  assert.match(await credits.innerText(), /GSHHG/);
  assert.match(await credits.innerText(), /地理院タイル/, 'the chosen layer keeps its credit');
  assert.equal(p.messages.filter((m) => m.startsWith('LayerChanged')).length, 0, 'the stored layer is not changed');

  // Once a tile arrives the agency's map shows alone.
  const tile = fs.readFileSync(path.join(pageDir, 'leaflet', 'images', 'marker-icon.png'));
  await page.unroute(/^https?:/);
  await page.route(/^https?:/, (route) => route.fulfill({ status: 200, contentType: 'image/png', body: tile }));
  await page.evaluate(() => setMapCenter(36, 137, 10));
  await page.waitForTimeout(300);
  assert.equal(await page.evaluate(() => window.quarrenbyMap.map.getContainer().classList.contains('qb-offline')), false);
  assert.doesNotMatch(await credits.innerText(), /GSHHG/);
  assert.deepEqual(p.errors, []);
  await page.close();
});

test('the GSI credit is shown with its link, also on paper where the map controls are not', async () => {
  const p = await openPage();
  const { page } = p;
  const credit = page.locator('.leaflet-control-attribution a', { hasText: '地理院タイル' });
  assert.equal(await credit.getAttribute('href'), 'https://maps.gsi.go.jp/development/ichiran.html');
  assert.ok(await credit.isVisible());
  await page.emulateMedia({ media: 'print' });
  assert.ok(await credit.isVisible(), 'credit printed');
  assert.equal(await page.locator('.leaflet-control-layers').isVisible(), false, 'layer control not printed');
  await page.close();
});

test('in the map view the context menu reports undo, the rotation centre and a name point; in the dialog it does not open', async () => {
  const p = await openPage();
  const { page } = p;
  await page.mouse.click(300, 200, { button: 'right' });
  assert.equal(await page.locator('.qb-menu').isVisible(), false, 'no menu in the dialog');
  await page.evaluate(() => SetOpenMode(0));
  const chooseAt = async (x, y, label) => {
    await page.mouse.click(x, y, { button: 'right' });
    await page.getByText(label).click();
    assert.equal(await page.locator('.qb-menu').isVisible(), false, 'menu closes after a choice');
  };
  await chooseAt(300, 200, 'ここを回転の中心にする');
  assertNear(fields(await waitForMessage(p, 'center')), await latLngAt(page, 300, 200), 'centre point');
  await chooseAt(420, 330, 'ここに地名を入力');
  assertNear(fields(await waitForMessage(p, 'pinpoint')), await latLngAt(page, 420, 330), 'name point');
  await chooseAt(100, 100, '一つ前の範囲に戻す');
  await waitForMessage(p, 'undo');
  assert.deepEqual(p.messages.filter((m) => /^(undo|center|pinpoint)/.test(m)).map((m) => m.split(',')[0]),
    ['center', 'pinpoint', 'undo']);
  await page.close();
});

test('a damaged offline map leaves the rest of the page working', async () => {
  const broken = pageCopy({ coast: [{ minZoom: 5, maxZoom: 12, features: { type: 'Nonsense' } }],
    prefectures: { type: 'FeatureCollection', features: [{ type: 'Feature', geometry: { type: 'Polygon' } }] } });
  try {
    const p = await openPage(null, broken);
    await waitForMessage(p, 'MapLoaded');
    await p.page.evaluate(() => changeLayerFromCpp('Offline'));
    assert.equal(await p.page.evaluate(() => window.quarrenbyMap.baseLayers.Offline.getLayers().length), 0);
    assert.equal(await waitForMessage(p, 'LayerChanged'), 'LayerChanged,Offline');
    assert.deepEqual(p.errors, []);
    await p.page.close();
  } finally {
    fs.rmSync(broken, { recursive: true, force: true });
  }
});
