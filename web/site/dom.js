// el('button', {type: 'button', id: 'x'}, 'caption', child…): an element with its attributes and
// children (texts or elements). Attributes are set as written; none is ever HTML.
export function el(tag, attributes = {}, ...children) {
  const element = document.createElement(tag);
  for (const [name, value] of Object.entries(attributes)) element.setAttribute(name, value);
  element.append(...children);
  return element;
}

// A <label> around a control and its caption.
export function labelled(caption, control, after = false) {
  return after ? el('label', {}, control, ` ${caption}`) : el('label', {}, `${caption}`, control);
}

// A push button that runs `action`; `primary` gives it the look of the page's main button.
export function button(caption, id, action, primary = false) {
  const b = el('button', { type: 'button', id, class: primary ? 'primary' : '' }, caption);
  b.addEventListener('click', action);
  return b;
}

// The whole number in an input (up to twelve digits), or `fallback` when it holds none.
export function wholeNumber(input, fallback) {
  return /^\d{1,12}$/.test(input.value) ? input.value : String(fallback);
}

// A paper and its key shown one at a time: the two view tabs over the two <pre>s, the first shown.
export function viewTabs(first, second, onSwitch) {
  const tab = ([caption, id, pre], shown) => {
    const b = el('button', { type: 'button', role: 'tab', id, 'aria-selected': String(shown) }, caption);
    b.addEventListener('click', () => {
      first[2].hidden = pre !== first[2];
      second[2].hidden = pre !== second[2];
      for (const other of b.parentElement.children) other.setAttribute('aria-selected', String(other === b));
      if (onSwitch) onSwitch();
    });
    return b;
  };
  return el('div', { class: 'view-tabs', role: 'tablist' }, tab(first, true), tab(second, false));
}

// Offers `text` as a UTF-8 text file named `name` to download.
export function saveText(name, text) {
  const url = URL.createObjectURL(new Blob([text], { type: 'text/plain;charset=utf-8' }));
  const link = el('a', { href: url, download: name });
  document.body.append(link);
  link.click();
  link.remove();
  setTimeout(() => URL.revokeObjectURL(url), 1000);
}
