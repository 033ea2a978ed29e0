// The problem page's tabs, type buttons, keys and palette as HTML, from the core's tables
// (data.json). The same texts serve twice: the site's build writes the first page into
// index.html with them, so that a first visit shows the page before any script has run, and the
// page writes them again when it changes tab. No document is needed here.

export const PROBLEM_PAGES = [129, 130, 131, 133, 134, 135];
// The other tabs the site has: 统计图初步, 函数与图象, 知识资料汇总, 自动出卷及测试.
const OTHER_TABS = [132, 137, 153, 164];
export const METHODS = ['提公因法', '应用公式法', '分组分解法', '十字相乘法', '配方法', '求根法', '待定系数法', '综合处理'];
// The keys a phone keyboard lacks, first; the whole palette is behind 更多符号.
export const QUICK_KEYS = ['×', '÷', '＋', '－', '＝', '＜', '≤', '＞', '≥', '√', '^', '(', ')', '/'];

const ESCAPES = { '&': '&amp;', '<': '&lt;', '>': '&gt;', '"': '&quot;', "'": '&#39;' };
export const escapeHtml = (text) => String(text).replace(/[&<>"']/g, (c) => ESCAPES[c]);

function button(caption, { id, enabled = true, attributes = '' } = {}) {
  return `<button type="button"${id ? ` id="${escapeHtml(id)}"` : ''}${enabled ? '' : ' disabled'}${attributes}>${escapeHtml(caption)}</button>`;
}

// The pages' tabs and, last, 错题本 (notebook.js takes it over).
export function tabsHtml(tabs, selectedPage) {
  return tabs.filter((tab) => PROBLEM_PAGES.includes(tab.page) || OTHER_TABS.includes(tab.page))
    .map((tab) => button(tab.label, { id: `tab-${tab.page}`, attributes: ` role="tab" aria-selected="${tab.page === selectedPage}"` }))
    .join('') + button('错题本', { id: 'tab-notebook', attributes: ' role="tab" aria-selected="false"' });
}

// The type buttons of a problem page; `chosen` is the current type (aria-pressed).
export function typesHtml(types, pageId, chosen) {
  const list = [];
  const rows = types.filter((t) => t.page === pageId);
  // Buttons the page shows greyed only while no type of that name can be chosen.
  const placeholder = (caption) => {
    if (!rows.some((t) => t.caption === caption)) list.push(button(caption, { enabled: false }));
  };
  if (pageId === 131) {
    // The word-problem page chooses no type: its first button only refreshes the page.
    list.push(button('公式应用题', { id: 'type-word' }));
    placeholder('根据要求找规律');
  }
  for (const row of rows) {
    list.push(button(row.caption, {
      id: `type-${row.type}`, enabled: row.enabled,
      attributes: ` data-type="${row.type}" aria-pressed="${row.type === chosen}"`,
    }));
  }
  if (pageId === 129) placeholder('算式计算与填空');
  return list.join('');
}

export function keysHtml() {
  return QUICK_KEYS.map((symbol) => button(symbol, { attributes: ` data-insert="${escapeHtml(symbol)}" aria-label="输入 ${escapeHtml(symbol)}"` })).join('')
    + button('更多符号', { id: 'more-symbols', attributes: ' aria-expanded="false"' });
}

// The desktop's palette, row by row, from the core's symbol table.
export function paletteHtml(symbolRows, symbols) {
  const rows = symbolRows.map((label) => [`<span class="row-label">${escapeHtml(label)}</span>`]);
  for (const symbol of symbols) {
    if (!rows[symbol.row]) continue;
    rows[symbol.row].push(button(symbol.caption, {
      attributes: ` data-insert="${escapeHtml(symbol.text)}"${symbol.tooltip ? ` title="${escapeHtml(symbol.tooltip)}"` : ''}`,
    }));
  }
  return `${rows.map((row) => `<div class="row">${row.join('')}</div>`).join('')}<p class="note">暂时只支持部分符号参与运算。</p>`;
}

export function methodsHtml() {
  return `<legend>因式分解方法</legend>${METHODS.map((name, i) => `<label><input type="radio" name="method" value="${i + 1}"> ${escapeHtml(name)}</label>`).join('')}`;
}
