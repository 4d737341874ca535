// The map page shown inside the program: a Leaflet map of Japan that the
// program drives through the global functions below and that tells the
// program what the user does through short comma-separated messages.
'use strict';

(function () {
  const GSI_CREDIT = "<a href='https://maps.gsi.go.jp/development/ichiran.html'>地理院タイル</a>";
  const GSI_TILES = 'https://cyberjapandata.gsi.go.jp/xyz/';
  const START = { lat: 35, lon: 135, zoom: 9 };
  const LINE_STYLES = {
    black: { color: '#000', weight: 1, opacity: 0.45 },
    red: { color: '#e00', weight: 2, opacity: 0.9 },
    blue: { color: '#00f', weight: 2, opacity: 0.9 },
  };
  const SELECTION_STYLE = { color: '#f70', weight: 2, dashArray: '6 4', fillOpacity: 0.1 };
  const MENU_ITEMS = [
    { label: '一つ前の範囲に戻す', message: () => 'undo' },
    { label: 'ここを回転の中心にする', message: (p) => 'center,' + latLonText(p) },
    { label: 'ここに地名を入力', message: (p) => 'pinpoint,' + latLonText(p) },
  ];

  function number(value) {
    return Number(value).toFixed(6);
  }

  function latLonText(latlng) {
    return number(latlng.lat) + ',' + number(latlng.lng);
  }

  // Messages go to the program's "bridge" object over Qt WebChannel when the
  // page runs inside the program, else to the console. Messages posted
  // before the channel is up wait for it.
  function makePoster() {
    const transport = window.qt && window.qt.webChannelTransport;
    let target = null;
    let waiting = transport && typeof window.QWebChannel === 'function' ? [] : null;
    const toConsole = (text) => console.info('quarrenby:' + text);
    if (waiting) {
      new window.QWebChannel(transport, (channel) => {
        const bridge = channel.objects.bridge;
        target = bridge && typeof bridge.postMessage === 'function'
          ? (text) => bridge.postMessage(text) : toConsole;
        waiting.forEach(target);
        waiting = null;
      });
    } else {
      target = toConsole;
    }
    return (text) => (target ? target(text) : waiting.push(text));
  }

  function gsiLayer(path, extension, maxNativeZoom) {
    return L.tileLayer(GSI_TILES + path + '/{z}/{x}/{y}.' + extension, {
      attribution: GSI_CREDIT, maxNativeZoom, maxZoom: 18, minZoom: 2,
    });
  }

  // Keeps only the coast level made for the current zoom on the map.
  function coastLevels(basemap, renderer) {
    return (basemap.coast || []).map((level) => ({
      minZoom: level.minZoom,
      maxZoom: level.maxZoom,
      layer: L.geoJSON(level.features, {
        renderer, interactive: false,
        style: { color: '#5a7d9a', weight: 1, fillColor: '#f4f1e8', fillOpacity: 1 },
      }),
    }));
  }

  function offlineLayer(map, basemap, paneName) {
    const pane = map.createPane(paneName);
    pane.style.zIndex = 250;
    const renderer = L.canvas({ pane, padding: 0.2 });
    const group = L.layerGroup([], { pane });
    let levels = null;
    let borders = null;
    let lowest = 0;
    let highest = 0;
    // Made when first shown: most pages never show the offline map, and its
    // layers cost a noticeable part of the page's load.
    const build = () => {
      if (levels) return;
      // A damaged offline map leaves the sea alone rather than the page without a map.
      try {
        levels = basemap ? coastLevels(basemap, renderer) : [];
        borders = basemap && basemap.prefectures ? L.geoJSON(basemap.prefectures, {
          renderer, interactive: false,
          style: { color: '#998', weight: 0.8, dashArray: '4 3', fill: false },
        }) : null;
      } catch (e) {
        levels = [];
        borders = null;
        console.warn('offline map not usable: ' + e.message);
      }
      // Beyond the zooms the levels were made for, the nearest level is drawn.
      lowest = Math.min(...levels.map((l) => l.minZoom));
      highest = Math.max(...levels.map((l) => l.maxZoom));
      if (borders) group.addLayer(borders);
    };
    const showLevel = () => {
      const zoom = Math.min(Math.max(map.getZoom(), lowest), highest);
      levels.forEach((level) => {
        const wanted = zoom >= level.minZoom && zoom <= level.maxZoom;
        if (wanted !== group.hasLayer(level.layer)) {
          wanted ? group.addLayer(level.layer) : group.removeLayer(level.layer);
        }
      });
      if (borders && borders.bringToFront) borders.bringToFront();
    };
    group.on('add', () => {
      build();
      map.getContainer().classList.add('qb-offline');
      map.on('zoomend', showLevel);
      showLevel();
    });
    group.on('remove', () => {
      map.getContainer().classList.remove('qb-offline');
      map.off('zoomend', showLevel);
    });
    if (basemap && typeof basemap.attribution === 'string') {
      group.getAttribution = () => escapeHtml(basemap.attribution);
    }
    return group;
  }

  function escapeHtml(text) {
    return text.replace(/[&<>"']/g, (c) => '&#' + c.charCodeAt(0) + ';');
  }

  // "[[lat1, lon1], [lat2, lon2], ...]" from the program; anything else is null.
  function parsePoints(text) {
    let points;
    try {
      points = JSON.parse(String(text));
    } catch (e) {
      return null;
    }
    const valid = Array.isArray(points) && points.length >= 2 && points.every((p) =>
      Array.isArray(p) && p.length === 2 && p.every((v) => typeof v === 'number' && isFinite(v)));
    return valid ? points : null;
  }

  function finite(...values) {
    return values.every((v) => typeof v === 'number' && isFinite(v));
  }

  // Shift+drag draws a rectangle and reports its two corners; the map does
  // not pan meanwhile. Leaflet's own box zoom would zoom instead.
  const boxSelect = (post) => L.Handler.extend({
    initialize(map) {
      this._map = map;
      this._post = post;
      this._box = null;
    },
    addHooks() {
      L.DomEvent.on(this._map.getContainer(), 'mousedown', this._onDown, this);
    },
    removeHooks() {
      L.DomEvent.off(this._map.getContainer(), 'mousedown', this._onDown, this);
      this._finish();
    },
    _onDown(e) {
      if (!e.shiftKey || e.button !== 0 || this._box) return;
      L.DomEvent.preventDefault(e);
      L.DomUtil.disableTextSelection();
      this._wasDragging = this._map.dragging.enabled();
      this._map.dragging.disable();
      this._start = this._map.mouseEventToContainerPoint(e);
      this._box = L.DomUtil.create('div', 'qb-select-box', this._map.getContainer());
      this._show(this._start);
      L.DomEvent.on(document, { mousemove: this._onMove, mouseup: this._onUp, keydown: this._onKey }, this);
    },
    _onMove(e) {
      this._show(this._map.mouseEventToContainerPoint(e));
    },
    _onUp(e) {
      const end = this._map.mouseEventToContainerPoint(e);
      const start = this._start;
      this._finish();
      if (start.equals(end)) return;
      const a = this._map.containerPointToLatLng(start);
      const b = this._map.containerPointToLatLng(end);
      this._post('boxzoom,' + latLonText(a) + ',' + latLonText(b));
    },
    _onKey(e) {
      if (e.key === 'Escape') this._finish();
    },
    _show(point) {
      const bounds = L.bounds(this._start, point);
      L.DomUtil.setPosition(this._box, bounds.min);
      this._box.style.width = bounds.getSize().x + 'px';
      this._box.style.height = bounds.getSize().y + 'px';
    },
    _finish() {
      if (!this._box) return;
      L.DomUtil.remove(this._box);
      this._box = null;
      L.DomUtil.enableTextSelection();
      L.DomEvent.off(document, { mousemove: this._onMove, mouseup: this._onUp, keydown: this._onKey }, this);
      if (this._wasDragging) this._map.dragging.enable();
    },
  });

  function hintControl() {
    const control = L.control({ position: 'bottomleft' });
    control.onAdd = () => {
      const div = L.DomUtil.create('div', 'qb-hint');
      div.textContent = 'Shift キーを押しながらドラッグして範囲を選びます';
      return div;
    };
    return control;
  }

  // The map view's own context menu; it acts on the point clicked.
  function contextMenu(map, post) {
    const menu = L.DomUtil.create('ul', 'qb-menu', map.getContainer());
    L.DomEvent.disableClickPropagation(menu);
    L.DomEvent.on(menu, 'contextmenu', L.DomEvent.preventDefault);
    let at = null;
    const close = () => menu.classList.remove('qb-open');
    MENU_ITEMS.forEach((item) => {
      const li = L.DomUtil.create('li', '', menu);
      li.textContent = item.label;
      L.DomEvent.on(li, 'click', () => {
        close();
        post(item.message(at));
      });
    });
    map.on('click movestart zoomstart', close);
    L.DomEvent.on(document, 'keydown', (e) => e.key === 'Escape' && close());
    return {
      openAt(latlng, point) {
        at = latlng;
        L.DomUtil.setPosition(menu, point);
        menu.classList.add('qb-open');
      },
      close,
    };
  }

  // Without a network the agency's tiles fail and the map would be empty:
  // the offline map then fills in under the chosen layer's name, until one
  // of its tiles arrives. The user's choice of layer stays as it was.
  function offlineFallback(map, gsiLayers, fallback) {
    const show = (wanted) => {
      if (wanted !== map.hasLayer(fallback)) wanted ? map.addLayer(fallback) : map.removeLayer(fallback);
    };
    gsiLayers.forEach((layer) => {
      let loaded = false;
      layer.on('tileload', () => { loaded = true; show(false); });
      layer.on('tileerror', () => { if (!loaded && map.hasLayer(layer)) show(true); });
      layer.on('remove', () => show(false));
    });
  }

  function createPage() {
    const post = makePoster();
    const map = L.map('map', { boxZoom: false, preferCanvas: false, zoomControl: true });
    const baseLayers = {
      'GSI Standard': gsiLayer('std', 'png', 18),
      'GSI Pale': gsiLayer('pale', 'png', 18),
      'GSI Photo': gsiLayer('seamlessphoto', 'jpg', 18),
    };
    const gsiLayers = Object.values(baseLayers);
    baseLayers.Offline = offlineLayer(map, window.quarrenbyBasemap, 'qbOffline');
    offlineFallback(map, gsiLayers, offlineLayer(map, window.quarrenbyBasemap, 'qbFallback'));
    const lineRenderer = L.svg({ padding: 0.5 });
    const groups = {};
    Object.keys(LINE_STYLES).forEach((colour) => { groups[colour] = L.layerGroup().addTo(map); });
    const state = { map, baseLayers, groups, selection: null, mode: 1, current: 'GSI Standard' };

    // The first view and layer are in place before any listener, so the
    // program hears of no move or layer change that the user did not make.
    baseLayers[state.current].addTo(map);
    map.setView([START.lat, START.lon], START.zoom);
    map.addHandler('boxSelect', boxSelect(post));
    map.boxSelect.enable();
    L.control.layers(baseLayers, null, { collapsed: true }).addTo(map);
    hintControl().addTo(map);
    const menu = contextMenu(map, post);
    map.on('contextmenu', (e) => (state.mode === 0 ? menu.openAt(e.latlng, e.containerPoint) : menu.close()));
    map.on('baselayerchange', (e) => {
      state.current = e.name;
      post('LayerChanged,' + e.name);
    });
    map.on('moveend', () => post('mousemove,' + latLonText(map.getCenter()) + ',' + map.getZoom()));
    exposeFunctions(state, lineRenderer);
    map.whenReady(() => post('MapLoaded'));
    return state;
  }

  function exposeFunctions(state, renderer) {
    const { map, baseLayers, groups } = state;
    const drawer = (colour) => (text) => {
      const points = parsePoints(text);
      if (points) {
        L.polyline(points, { ...LINE_STYLES[colour], renderer, interactive: false }).addTo(groups[colour]);
      }
    };
    Object.assign(window, {
      setMapCenter(lat, lon, zoom) {
        if (finite(lat, lon, zoom)) map.setView([lat, lon], zoom, { animate: false });
      },
      SetOpenMode(mode) {
        state.mode = Number(mode) === 0 ? 0 : 1;
      },
      drawPolylineBlack: drawer('black'),
      drawPolylineRed: drawer('red'),
      drawPolylineBlue: drawer('blue'),
      clearBlueRect() {
        groups.blue.clearLayers();
      },
      drawWebRect(south, west, north, east) {
        if (!finite(south, west, north, east)) return;
        if (state.selection) state.selection.remove();
        state.selection = L.rectangle([[south, west], [north, east]],
          { ...SELECTION_STYLE, renderer, interactive: false }).addTo(map);
      },
      changeLayerFromCpp(name) {
        const wanted = String(name);
        if (!Object.prototype.hasOwnProperty.call(baseLayers, wanted) || wanted === state.current) return;
        map.removeLayer(baseLayers[state.current]);
        map.addLayer(baseLayers[wanted]);
      },
    });
  }

  // What the browser tests look at: the map and the layers drawn on it.
  window.quarrenbyMap = createPage();
})();
