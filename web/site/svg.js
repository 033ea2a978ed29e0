// Draws a display list of the chart and graph models as SVG: crisp at any zoom, its texts
// selectable. The model has placed everything (coordinates in pixels from the top left, angles
// counter-clockwise, texts, colours); this file only turns each primitive into its SVG element,
// as the desktop's DisplayListView turns it into QPainter calls. Saved as SVG or, through a
// canvas, as PNG.
const NS = 'http://www.w3.org/2000/svg';
export const CHART_FONT = '"WenQuanYi Micro Hei", "WenQuanYi Zen Hei", "Noto Sans CJK SC", "Source Han Sans SC", '
  + '"Microsoft YaHei", "PingFang SC", "Hiragino Sans GB", sans-serif';

function element(name, attributes) {
  const node = document.createElementNS(NS, name);
  for (const [key, value] of Object.entries(attributes)) {
    if (value !== undefined && value !== null) node.setAttribute(key, String(value));
  }
  return node;
}

// A pen as SVG stroke attributes. A thin stroke on whole pixels is moved half a pixel so that it
// covers the pixel the painter would, instead of blurring over two.
function stroke(pen) {
  return {
    stroke: pen.colour,
    'stroke-width': pen.width,
    'stroke-dasharray': pen.dotted ? `${pen.width} ${2 * pen.width}` : undefined,
  };
}
const half = (pen) => (pen.width % 2 === 1 ? 0.5 : 0);

// A point of the circle inscribed in the square, at `degrees` counter-clockwise from three o'clock.
function onCircle(item, degrees) {
  const r = item.size / 2;
  const a = (degrees * Math.PI) / 180;
  return [item.x + r + r * Math.cos(a), item.y + r - r * Math.sin(a)];
}

const DRAW = {
  line(item) {
    const d = half(item.pen);
    return element('line', {
      x1: item.x1 + d, y1: item.y1 + d, x2: item.x2 + d, y2: item.y2 + d, 'shape-rendering': 'crispEdges', ...stroke(item.pen),
    });
  },
  rect(item) {
    const g = element('g', { 'shape-rendering': 'crispEdges' });
    if (item.fill) g.append(element('rect', { x: item.x, y: item.y, width: Math.max(item.width, 0), height: Math.max(item.height, 0), fill: item.fill }));
    if (item.frame) {
      // The frame lies inside the rectangle, as a filled area's edges do.
      const d = half(item.frame);
      g.append(element('rect', {
        x: item.x + d, y: item.y + d, width: Math.max(item.width - 1, 0), height: Math.max(item.height - 1, 0), fill: 'none', ...stroke(item.frame),
      }));
    }
    return g;
  },
  text(item) {
    const text = element('text', {
      x: item.x, y: item.y, 'font-size': item.size, 'font-weight': item.bold ? 'bold' : undefined, fill: item.colour,
      'text-anchor': item.anchor, 'dominant-baseline': 'text-before-edge',
      transform: item.angle ? `rotate(${-item.angle} ${item.x} ${item.y})` : undefined,
    });
    text.textContent = item.text;
    return text;
  },
  circle(item) {
    return element('circle', { cx: item.cx, cy: item.cy, r: item.r, fill: item.fill || 'none', ...stroke(item.frame) });
  },
  pie(item) {
    const attributes = { fill: item.fill, ...stroke(item.frame) };
    if (Math.abs(item.span) >= 360) {
      return element('circle', { cx: item.x + item.size / 2, cy: item.y + item.size / 2, r: item.size / 2, ...attributes });
    }
    const [x0, y0] = onCircle(item, item.start);
    const [x1, y1] = onCircle(item, item.start + item.span);
    const r = item.size / 2;
    const large = Math.abs(item.span) > 180 ? 1 : 0;
    const sweep = item.span > 0 ? 0 : 1; // counter-clockwise on a screen whose y grows downwards
    return element('path', {
      d: `M${item.x + r},${item.y + r} L${x0},${y0} A${r},${r} 0 ${large} ${sweep} ${x1},${y1} Z`, ...attributes,
    });
  },
  polyline(item) {
    const points = [];
    for (let i = 0; i + 1 < item.points.length; i += 2) points.push(`${item.points[i]},${item.points[i + 1]}`);
    return element('polyline', { points: points.join(' '), fill: 'none', 'stroke-linejoin': 'round', ...stroke(item.pen) });
  },
};

// Replaces what `svg` shows by the picture; each primitive becomes one element marked with its
// kind (data-kind), in drawing order, over a white ground.
export function drawPicture(svg, picture) {
  svg.setAttribute('viewBox', `0 0 ${picture.width} ${picture.height}`);
  svg.setAttribute('width', picture.width);
  svg.setAttribute('height', picture.height);
  svg.setAttribute('font-family', CHART_FONT);
  const nodes = [element('rect', { width: picture.width, height: picture.height, fill: '#ffffff' })];
  for (const item of picture.items) {
    const draw = DRAW[item.kind];
    if (!draw) continue;
    const node = draw(item);
    node.dataset.kind = item.kind;
    nodes.push(node);
  }
  svg.replaceChildren(...nodes);
  svg.dataset.drawn = String(Number(svg.dataset.drawn || 0) + 1); // how many pictures it has shown
}

export function createPicture(label) {
  const svg = element('svg', { role: 'img', 'aria-label': label, xmlns: NS });
  svg.classList.add('picture');
  return svg;
}

function download(blob, name) {
  const link = document.createElement('a');
  link.href = URL.createObjectURL(blob);
  link.download = name;
  document.body.append(link);
  link.click();
  link.remove();
  setTimeout(() => URL.revokeObjectURL(link.href), 10000);
}

function svgText(svg) {
  return `<?xml version="1.0" encoding="UTF-8"?>\n${new XMLSerializer().serializeToString(svg)}`;
}

export function saveSvg(svg, name) {
  download(new Blob([svgText(svg)], { type: 'image/svg+xml' }), `${name}.svg`);
}

// The picture drawn on a canvas at twice its size (sharp on high-density screens and in print).
export function pngBlob(svg, scale = 2) {
  const width = Number(svg.getAttribute('width')) || 1;
  const height = Number(svg.getAttribute('height')) || 1;
  const url = URL.createObjectURL(new Blob([svgText(svg)], { type: 'image/svg+xml' }));
  return new Promise((resolve, reject) => {
    const image = new Image();
    image.onload = () => {
      const canvas = document.createElement('canvas');
      canvas.width = width * scale;
      canvas.height = height * scale;
      const context = canvas.getContext('2d');
      context.scale(scale, scale);
      context.drawImage(image, 0, 0, width, height);
      URL.revokeObjectURL(url);
      canvas.toBlob((blob) => (blob ? resolve(blob) : reject(new Error('canvas'))), 'image/png');
    };
    image.onerror = () => {
      URL.revokeObjectURL(url);
      reject(new Error('image'));
    };
    image.src = url;
  });
}

export async function savePng(svg, name) {
  download(await pngBlob(svg), `${name}.png`);
}
