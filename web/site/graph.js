// The 函数与图象 page: graphs of typed functions. The page hands the typed functions, the
// picture's size, the buttons, the wheel, drags and the pointer to the graph model (in the
// worker) and shows what the model answers: the picture, the list of functions, 函数的性质 and
// the status lines.
import { createPicture, drawPicture, savePng, saveSvg } from './svg.js';

const STORE = 'qimbel.web.graph';

function make(tag, attributes = {}, text) {
  const node = document.createElement(tag);
  Object.assign(node, attributes);
  if (text !== undefined) node.textContent = text;
  return node;
}

// A superscript square or cube has no GBK code: it is typed into the model as the power it means.
const withPowers = (typed) => typed.replace(/²/g, '^2').replace(/³/g, '^3');

export class GraphPage {
  constructor(engine) {
    this.engine = engine;
    this.worker = null; // the worker that holds our graph; a new one starts empty
    this.answer = null;
    this.selected = -1;
    this.queue = []; // requests waiting, in order
    this.pan = null; // drags, pinches and the pointer are merged while a request is on its way
    this.pinch = null;
    this.pointer = null;
    this.sending = false;
    this.build();
  }

  build() {
    const s = (this.section = make('main', { id: 'graph-page', className: 'picture-page graph-page', hidden: true }));
    this.holder = make('div', { className: 'picture-holder' });
    this.svg = createPicture('函数图象');
    this.svg.id = 'graph-picture';
    this.holder.append(this.svg);
    this.status = make('div', { id: 'graph-status', className: 'status', role: 'status' });
    this.pointerLine = make('div', { id: 'graph-pointer', className: 'pointer-line' });
    const left = make('section', { className: 'picture-column' });
    left.append(this.holder, this.status, this.pointerLine);

    const side = make('aside', { className: 'picture-side' });
    const caption = make('label', { htmlFor: 'graph-function' }, '函数F(x)');
    this.input = make('input', {
      id: 'graph-function', type: 'text', placeholder: '如 y＝2x＋1、x²－2x－3、6/x', autocomplete: 'off', spellcheck: false,
    });
    this.input.setAttribute('autocapitalize', 'off');
    const button = (text, id, onClick) => {
      const b = make('button', { type: 'button', id }, text);
      b.addEventListener('click', onClick);
      return b;
    };
    const row = (...children) => {
      const r = make('div', { className: 'button-row' });
      r.append(...children);
      return r;
    };
    this.list = make('ul', { id: 'graph-list', className: 'function-list', role: 'listbox' });
    this.list.setAttribute('aria-label', '已画的函数');
    this.grid = make('input', { type: 'checkbox', id: 'graph-grid', checked: true });
    const gridLabel = make('label', { className: 'check' });
    gridLabel.append(this.grid, ' 网格');
    this.properties = make('pre', { id: 'graph-properties', className: 'properties' });
    side.append(
      caption, this.input,
      row(button('绘图', 'graph-draw', () => this.draw()), button('删除', 'graph-remove', () => this.removeSelected()),
        button('清空', 'graph-clear', () => this.clearAll())),
      this.list,
      row(button('放大', 'graph-zoom-in', () => this.send('zoomin')), button('缩小', 'graph-zoom-out', () => this.send('zoomout')),
        button('复原', 'graph-reset', () => this.send('reset'))),
      row(gridLabel, button('保存SVG', 'graph-save-svg', () => saveSvg(this.svg, '函数图象')),
        button('保存PNG', 'graph-save-png', () => savePng(this.svg, '函数图象'))),
      make('h2', { className: 'side-heading' }, '函数的性质：'), this.properties);
    s.append(left, side);

    this.input.addEventListener('keydown', (event) => {
      if (event.key === 'Enter') {
        event.preventDefault();
        this.draw();
      }
    });
    this.grid.addEventListener('change', () => this.send(`grid ${this.grid.checked ? 1 : 0}`));
    this.wirePointer();
    new ResizeObserver(() => this.fit()).observe(this.holder);
  }

  // The picture fills the column: as wide as it, about square, never taller than the window.
  size() {
    const width = Math.max(200, Math.floor(this.holder.clientWidth));
    const height = Math.max(260, Math.min(width, Math.floor(window.innerHeight - 190)));
    return [width, height];
  }

  fit() {
    if (this.section.hidden) return;
    const [width, height] = this.size();
    const shown = this.answer && this.answer.picture;
    if (!shown || shown.width !== width || shown.height !== height) this.send(`size ${width} ${height}`);
  }

  // The pixel of the picture under a pointer event.
  at(event) {
    const box = this.svg.getBoundingClientRect();
    const picture = this.answer && this.answer.picture;
    const sx = picture && box.width ? picture.width / box.width : 1;
    const sy = picture && box.height ? picture.height / box.height : 1;
    return [(event.clientX - box.left) * sx, (event.clientY - box.top) * sy];
  }

  // One finger or the mouse drags the plane (and traces the curve under it); two fingers zoom
  // about their middle, as the wheel does about the mouse.
  wirePointer() {
    const down = new Map(); // the pointers pressed, where they are
    let from = null;
    this.svg.addEventListener('pointerdown', (event) => {
      down.set(event.pointerId, this.at(event));
      from = down.size === 1 ? this.at(event) : null;
      this.svg.setPointerCapture(event.pointerId);
    });
    const end = (event) => {
      down.delete(event.pointerId);
      from = null;
    };
    this.svg.addEventListener('pointerup', end);
    this.svg.addEventListener('pointercancel', end);
    this.svg.addEventListener('pointermove', (event) => {
      const here = this.at(event);
      if (down.size === 2 && down.has(event.pointerId)) {
        const [a, b] = [...down.values()];
        const before = Math.hypot(a[0] - b[0], a[1] - b[1]);
        down.set(event.pointerId, here);
        const [c, d] = [...down.values()];
        const after = Math.hypot(c[0] - d[0], c[1] - d[1]);
        if (before > 0 && after > 0) this.zoomBy(after / before, (c[0] + d[0]) / 2, (c[1] + d[1]) / 2);
        return;
      }
      if (from && event.buttons) {
        const [dx, dy] = [here[0] - from[0], here[1] - from[1]];
        from = here;
        if (dx || dy) {
          this.pan = this.pan ? [this.pan[0] + dx, this.pan[1] + dy] : [dx, dy];
        }
      }
      this.pointer = here;
      this.pump();
    });
    this.svg.addEventListener('pointerleave', () => {
      this.pointer = null;
      this.send('leave');
    });
    this.svg.addEventListener('wheel', (event) => {
      event.preventDefault();
      const [x, y] = this.at(event);
      // A notch (about 100 pixels of scrolling) forwards zooms in by a quarter, as the desktop's wheel.
      const notches = -event.deltaY / (event.deltaMode === 1 ? 3 : 100);
      this.zoomBy(Math.pow(1.25, notches), x, y);
    }, { passive: false });
  }

  // Zooms about a pixel; the turns of a wheel or a pinch made while a request is on its way are
  // merged into one.
  zoomBy(factor, x, y) {
    this.pinch = [(this.pinch ? this.pinch[0] : 1) * factor, x, y];
    this.pump();
  }

  draw() {
    const typed = withPowers(this.input.value.trim());
    if (!typed) return;
    this.send(`add ${typed}`, (answer) => {
      if (answer.error) {
        this.say(answer.error);
      } else {
        this.say('已画出图象。', true);
        this.selected = answer.functions.length - 1;
        // The box is ready for the next function, which would otherwise be typed onto this one.
        if (withPowers(this.input.value.trim()) === typed) this.input.value = '';
      }
    });
  }

  removeSelected() {
    if (this.selected < 0 || !this.answer || this.selected >= this.answer.functions.length) return;
    this.send(`remove ${this.selected}`);
    this.selected = -1;
  }

  clearAll() {
    this.selected = -1;
    this.send('clear', () => this.say(''));
  }

  say(text, ok = false) {
    this.status.textContent = text;
    this.status.classList.toggle('ok', ok);
  }

  // Requests go one at a time; the answers come back in order and each holds the whole page.
  send(request, then) {
    this.queue.push({ request, then });
    this.pump();
  }

  async pump() {
    if (this.sending) return;
    let next = this.queue.shift();
    if (!next && this.pinch) {
      next = { request: `zoom ${this.pinch.join(' ')}` };
      this.pinch = null;
    }
    if (!next && this.pan) {
      next = { request: `pan ${this.pan[0]} ${this.pan[1]}` };
      this.pan = null;
    }
    if (!next && this.pointer) {
      next = { request: `trace ${this.pointer[0]} ${this.pointer[1]}` };
      this.pointer = null;
    }
    if (!next) return;
    this.sending = true;
    try {
      await this.rebuildIfNew();
      const answer = await this.engine.call('picture', [next.request]);
      if (answer && answer.picture) {
        this.show(answer);
        this.keep();
      }
      if (next.then && answer) next.then(answer);
      else if (answer && answer.error && !answer.picture) this.say(answer.error);
    } catch {
      this.say('运算模块已重新启动，请再试一次。');
    } finally {
      this.sending = false;
    }
    this.pump();
  }

  // A worker started afresh (the first one, or one after a restart) holds no graph: the functions
  // the page lists are given to it again, at the picture's size.
  async rebuildIfNew() {
    if (this.worker === this.engine.worker) return;
    this.worker = this.engine.worker;
    const [width, height] = this.size();
    const requests = [`size ${width} ${height}`];
    const functions = this.answer ? this.answer.functions : this.kept();
    for (const f of functions) requests.push(`add ${f.typed}`);
    functions.forEach((f, i) => { if (!f.visible) requests.push(`show ${i} 0`); });
    if (this.answer && !this.answer.grid) requests.push('grid 0');
    for (const request of requests) await this.engine.call('picture', [request]);
  }

  show(answer) {
    this.answer = answer;
    drawPicture(this.svg, answer.picture);
    this.grid.checked = answer.grid;
    this.properties.textContent = answer.properties.replace(/\r\n/g, '\n');
    if (answer.position !== undefined) {
      this.pointerLine.textContent = `鼠标位置 ${answer.position}${answer.trace ? `　　${answer.trace}` : ''}`;
    } else if (!this.pointer) {
      this.pointerLine.textContent = '';
    }
    const items = answer.functions.map((f, i) => {
      const item = make('li', { role: 'option' });
      item.setAttribute('aria-selected', String(i === this.selected));
      const box = make('input', { type: 'checkbox', checked: f.visible });
      box.setAttribute('aria-label', `显示 ${f.shown}`);
      box.addEventListener('change', () => this.send(`show ${i} ${box.checked ? 1 : 0}`));
      const name = make('span', { className: 'function-name' }, f.shown);
      name.style.color = f.colour;
      item.append(box, name);
      const select = () => {
        this.selected = i;
        for (const [j, other] of [...this.list.children].entries()) other.setAttribute('aria-selected', String(j === i));
      };
      item.tabIndex = 0;
      item.addEventListener('click', (event) => {
        if (event.target !== box) select();
      });
      item.addEventListener('keydown', (event) => {
        if (event.target !== item) return;
        if (event.key === 'Delete') {
          select();
          this.removeSelected();
        } else if (event.key === 'Enter' || event.key === ' ') {
          event.preventDefault();
          select();
        }
      });
      return item;
    });
    this.list.replaceChildren(...items);
  }

  // The typed functions survive a reload (the view starts afresh).
  keep() {
    try {
      localStorage.setItem(STORE, JSON.stringify(this.answer.functions.map(({ typed, visible }) => ({ typed, visible }))));
    } catch {
      /* kept for this visit only */
    }
  }

  kept() {
    try {
      const list = JSON.parse(localStorage.getItem(STORE) || '[]');
      return Array.isArray(list) ? list.filter((f) => f && typeof f.typed === 'string') : [];
    } catch {
      return [];
    }
  }

  showPage() {
    this.section.hidden = false;
    this.fit();
  }

  hide() {
    this.section.hidden = true;
  }
}
