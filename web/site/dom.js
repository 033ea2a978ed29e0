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
