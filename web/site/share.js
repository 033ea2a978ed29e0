// Share by link: a page's problems, a 口算 setting or a test paper's setting, held in the URL
// fragment. Nothing is sent anywhere: the link is made here and read here. A fragment is input
// like any other: too long, malformed or unknown, it is refused with a sentence and the page
// stays as it was.

// A fragment longer than this is not one of ours (a page's problems fit many times over).
export const MOST_FRAGMENT = 60000;
const MOST_TEXT = 20000;
const NUMBER = /^\d{1,12}$/;

// The link for `fields` (an object of strings and numbers) on this page.
export function shareLink(kind, fields) {
  const params = new URLSearchParams({ kind });
  for (const [key, value] of Object.entries(fields)) params.set(key, String(value));
  const url = new URL(window.location.href);
  url.hash = params.toString();
  return url.href;
}

// The fragment read back: {kind, number(key, fallback), list(key), text(key)} or {error}; null
// when there is no fragment.
export function readFragment(hash) {
  if (!hash || hash === '#') return null;
  if (hash.length > MOST_FRAGMENT) return { error: '链接太长，无法打开。' };
  let params;
  try {
    params = new URLSearchParams(hash.replace(/^#/, ''));
  } catch {
    return { error: '链接无法读取。' };
  }
  const kind = params.get('kind');
  if (!['problems', 'kousuan', 'paper', 'paper2', 'handbook'].includes(kind)) return { error: '链接无法读取。' };
  return {
    kind,
    number(key, fallback) {
      const value = params.get(key);
      return value !== null && NUMBER.test(value) ? Number(value) : fallback;
    },
    list(key, length) {
      const parts = (params.get(key) || '').split(',');
      return parts.length === length && parts.every((p) => NUMBER.test(p)) ? parts.map(Number) : null;
    },
    text(key) {
      const value = params.get(key);
      return value === null ? null : value.slice(0, MOST_TEXT);
    },
    name(key) {
      const value = params.get(key) || '';
      return /^[a-z0-9_-]{1,80}$/i.test(value) ? value : '';
    },
  };
}

// Copies the link, and shows it in `field` (an <input>) for copying by hand where the browser
// keeps the clipboard closed. Returns the sentence for the page's status line, which names what
// the link `opens`.
export async function offerLink(link, field, opens = '同样的题目') {
  field.value = link;
  field.hidden = false;
  try {
    await navigator.clipboard.writeText(link);
    return `链接已复制，发给学生即可打开${opens}。`;
  } catch {
    field.focus();
    field.select();
    return '请复制下面的链接。';
  }
}
