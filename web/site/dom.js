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
