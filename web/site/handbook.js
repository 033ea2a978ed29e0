// 知识资料汇总: the library of handbooks as the core lists it (three groups, seven books), and a
// viewer in which a handbook opens with its own links (contents, 返回目录) and a search that marks
// every place a text occurs. The handbooks are files of the site (zhishi/), as on the desktop.
import { button, el } from './dom.js';

const MARK = 'qimbel-find';
const MARK_STYLE = `mark.${MARK} { background: #ffe58a; color: inherit; }
mark.${MARK}.current { background: #ff9b3d; outline: 2px solid #c85a00; }`;

export class HandbookPage {
  constructor(library, onShare) {
    this.library = library;
    this.onShare = onShare;
    this.visited = new Set();
    this.marks = [];
    this.current = -1;
    this.book = null;

    this.shelf = el('div', { class: 'shelf' });
    for (const group of library.groups) {
      const box = el('fieldset', { class: 'shelf-group' }, el('legend', {}, group));
      for (const book of library.books.filter((b) => b.group === group)) {
        const link = el('button', { type: 'button', class: 'book-link', id: `book-${book.id}` }, book.label);
        link.addEventListener('click', () => this.open(book));
        box.append(link, el('p', { class: 'book-about' }, book.about));
      }
      this.shelf.append(box);
    }
    this.shelf.append(el('p', { class: 'hint' }, '单击书名打开手册。手册随网页一起保存在本机，离线也能看。'));

    this.findText = el('input', { type: 'search', id: 'find-text', placeholder: '查找', 'aria-label': '在手册中查找' });
    this.findResult = el('span', { class: 'find-result', id: 'find-result', role: 'status' });
    this.frame = el('iframe', { class: 'book-frame', id: 'book-frame', title: '手册' });
    this.title = el('h2', { class: 'book-title' });
    this.shareField = el('input', { class: 'share-link', id: 'book-share-link', readonly: '', hidden: '' });
    this.viewer = el('div', { class: 'book-viewer', hidden: '' },
      el('div', { class: 'book-bar' },
        button('返回书目', 'book-back', () => this.close()),
        button('目录', 'book-home', () => this.go('top')),
        this.findText,
        button('上一个', 'find-previous', () => this.find(-1)),
        button('下一个', 'find-next', () => this.find(1)),
        this.findResult,
        button('复制链接', 'book-share', () => this.share()),
        button('打印', 'book-print', () => this.frame.contentWindow && this.frame.contentWindow.print())),
      this.shareField, this.title, this.frame);
    this.findText.addEventListener('keydown', (event) => {
      if (event.key === 'Enter') {
        event.preventDefault();
        this.find(event.shiftKey ? -1 : 1);
      }
    });
    this.findText.addEventListener('input', () => this.clearMarks());
    this.root = el('section', { class: 'handbooks', 'aria-label': '知识资料汇总' }, this.shelf, this.viewer);
  }

  // Opens a book (at the place `at` of it, when given); true when the book is one of the library.
  open(book, at = '') {
    if (!book) return false;
    this.book = book;
    this.visited.add(book.id);
    this.root.querySelector(`#book-${book.id}`).classList.add('visited');
    this.title.textContent = book.label;
    this.shelf.hidden = true;
    this.viewer.hidden = false;
    this.shareField.hidden = true;
    this.marks = [];
    this.current = -1;
    this.findResult.textContent = '';
    this.frame.onload = () => {
      const doc = this.frame.contentDocument;
      if (doc && !doc.getElementById(MARK)) doc.head.append(Object.assign(doc.createElement('style'), { id: MARK, textContent: MARK_STYLE }));
    };
    this.frame.src = `zhishi/${book.file}${at ? `#${encodeURIComponent(at)}` : ''}`;
    return true;
  }

  openByName(name, at) {
    return this.open(this.library.books.find((b) => b.file === `${name}.html`), at);
  }

  close() {
    this.viewer.hidden = true;
    this.shelf.hidden = false;
    this.book = null;
  }

  go(id) {
    const doc = this.frame.contentDocument;
    const target = doc && doc.getElementById(id);
    if (target) target.scrollIntoView({ block: 'start' });
  }

  clearMarks() {
    for (const mark of this.marks) {
      if (!mark.parentNode) continue;
      mark.replaceWith(mark.ownerDocument.createTextNode(mark.textContent));
    }
    const doc = this.frame.contentDocument;
    if (doc && doc.body) doc.body.normalize();
    this.marks = [];
    this.current = -1;
    this.findResult.textContent = '';
  }

  // Marks every place of the text (letters without regard to case), then steps to the next or
  // previous one, round the ends of the book.
  find(step) {
    const text = this.findText.value;
    const doc = this.frame.contentDocument;
    if (!doc || !doc.body || text === '') return;
    if (this.marks.length === 0) this.markAll(doc, text);
    if (this.marks.length === 0) {
      this.findResult.textContent = `找不到“${text}”`;
      return;
    }
    if (this.current >= 0) this.marks[this.current].classList.remove('current');
    this.current = (this.current + step + this.marks.length) % this.marks.length;
    if (this.current < 0) this.current = 0;
    const mark = this.marks[this.current];
    mark.classList.add('current');
    mark.scrollIntoView({ block: 'center' });
    this.findResult.textContent = `第 ${this.current + 1} 处，共 ${this.marks.length} 处`;
  }

  markAll(doc, text) {
    const wanted = text.toLowerCase();
    const walker = doc.createTreeWalker(doc.body, NodeFilter.SHOW_TEXT, {
      acceptNode: (node) => (node.parentNode.nodeName === 'STYLE' || node.parentNode.nodeName === 'SCRIPT'
        ? NodeFilter.FILTER_REJECT : NodeFilter.FILTER_ACCEPT),
    });
    const nodes = [];
    while (walker.nextNode()) nodes.push(walker.currentNode);
    for (const node of nodes) {
      let rest = node;
      let at = rest.data.toLowerCase().indexOf(wanted);
      while (at >= 0) {
        const found = rest.splitText(at);
        rest = found.splitText(wanted.length);
        const mark = doc.createElement('mark');
        mark.className = MARK;
        found.replaceWith(mark);
        mark.append(found);
        this.marks.push(mark);
        at = rest.data.toLowerCase().indexOf(wanted);
      }
    }
    this.current = -1;
  }

  share() {
    if (!this.book) return;
    const place = this.frame.contentWindow ? this.frame.contentWindow.location.hash.replace(/^#/, '') : '';
    this.onShare({ book: this.book.file.replace(/\.html$/, ''), at: decodeURIComponent(place) }, this.shareField);
  }
}
