// The 错题本 of this browser: its entries in IndexedDB, and the calls of the notebook model in the
// worker (web/wasm/NotebookWeb.cpp). The model decides; this file only keeps what it answers.
// Every change is written in one transaction that first checks the revision the model was read
// at, so a second window writing in between is never overwritten: its change is read and the
// call made again. Nothing leaves the browser.

const DB_NAME = 'qimbel-notebook';
// MIGRATIONS[i] takes the database from version i to version i + 1; its length is the version.
const MIGRATIONS = [
  // 1: the entries (the fields of the model, as 导出 writes them), each problem once.
  (db) => {
    const entries = db.createObjectStore('entries', { keyPath: 'id' });
    entries.createIndex('key', 'key', { unique: true });
  },
  // 2: the revision and the next id; the entries by the day of their last wrong try.
  (db, tx) => {
    db.createObjectStore('meta');
    tx.objectStore('entries').createIndex('lastWrong', 'lastWrong');
  },
];
export const SCHEMA_VERSION = MIGRATIONS.length;
const META = 'state';
const TRIES = 3; // a call made again after another window wrote, at most
const TODAY_STORE = 'qimbel.web.today'; // a fixed "today" (the tests' simulated dates)

// Today as the model counts days: the local date, "2026-12-09".
export function today() {
  try {
    const fixed = localStorage.getItem(TODAY_STORE);
    if (fixed && /^\d{4}-\d{2}-\d{2}$/.test(fixed)) return fixed;
  } catch {
    /* the real date */
  }
  const d = new Date();
  const two = (n) => String(n).padStart(2, '0');
  return `${d.getFullYear()}-${two(d.getMonth() + 1)}-${two(d.getDate())}`;
}

// Why IndexedDB refused, as a sentence for the pupil.
function storeFailure(error) {
  const name = error && error.name;
  if (name === 'QuotaExceededError') return '浏览器的存储空间已满，这次的改动没有存上。';
  if (name === 'VersionError') return '这个浏览器里的错题本是新版本的 Qimbel 写的，请刷新页面后再试。';
  if (name === 'InvalidStateError' || name === 'SecurityError') return '这个浏览器不允许保存错题本（可能是无痕模式），这次的改动没有存上。';
  return `错题本没有存上（${name || error}）。`;
}

function request(req) {
  return new Promise((resolve, reject) => {
    req.onsuccess = () => resolve(req.result);
    req.onerror = () => reject(req.error);
  });
}

function finished(tx) {
  return new Promise((resolve, reject) => {
    tx.oncomplete = () => resolve();
    tx.onabort = () => reject(tx.error || { name: 'AbortError' });
    tx.onerror = () => {}; // the abort that follows reports it
  });
}

export class NotebookDb {
  constructor(name = DB_NAME) {
    this.name = name;
    this.db = null;
  }

  open() {
    if (this.db) return Promise.resolve(this.db);
    return new Promise((resolve, reject) => {
      let req;
      try {
        req = indexedDB.open(this.name, SCHEMA_VERSION);
      } catch (error) {
        reject(error);
        return;
      }
      req.onupgradeneeded = (event) => {
        for (let v = event.oldVersion; v < SCHEMA_VERSION; ++v) MIGRATIONS[v](req.result, req.transaction);
      };
      req.onsuccess = () => {
        this.db = req.result;
        // A newer page in another window wants to migrate: this one lets go and reads again later.
        this.db.onversionchange = () => {
          this.db.close();
          this.db = null;
        };
        resolve(this.db);
      };
      req.onerror = () => reject(req.error);
      req.onblocked = () => reject({ name: 'InvalidStateError' });
    });
  }

  // Every row, the revision and the next id, read in one transaction.
  async readAll() {
    const db = await this.open();
    const tx = db.transaction(['entries', 'meta'], 'readonly');
    const [rows, meta] = await Promise.all([request(tx.objectStore('entries').getAll()), request(tx.objectStore('meta').get(META))]);
    return { rows, revision: meta ? meta.revision : 0, nextId: meta ? meta.nextId : 1 };
  }

  async revision() {
    const db = await this.open();
    const meta = await request(db.transaction('meta', 'readonly').objectStore('meta').get(META));
    return meta ? meta.revision : 0;
  }

  // The rows of one change, all or none; {conflict: true} when another window wrote since
  // `expected`.
  async commit(expected, writes, nextId) {
    const db = await this.open();
    const tx = db.transaction(['entries', 'meta'], 'readwrite', { durability: 'strict' });
    const done = finished(tx);
    const meta = tx.objectStore('meta');
    const entries = tx.objectStore('entries');
    let conflict = false;
    let refused = null; // a write the store would not even start
    meta.get(META).onsuccess = (event) => {
      const kept = event.target.result;
      if ((kept ? kept.revision : 0) !== expected) {
        conflict = true;
        tx.abort();
        return;
      }
      try {
        for (const write of writes) {
          if (write.row) entries.put({ ...write.row, key: write.key });
          else entries.delete(write.id);
        }
        meta.put({ revision: expected + 1, nextId }, META);
      } catch (error) {
        refused = error;
        tx.abort();
      }
    };
    try {
      await done;
    } catch (error) {
      // The same problem kept by another window meanwhile is a conflict too.
      if (conflict || (error && error.name === 'ConstraintError')) return { conflict: true };
      throw refused || error;
    }
    return { conflict: false };
  }
}

// The notebook model in the worker over the rows of IndexedDB. call(words, text, extra): words
// after the revision and today (see NotebookWeb.cpp); the model's answer, or {error}.
export class NotebookClient {
  constructor(engine, db = new NotebookDb()) {
    this.engine = engine;
    this.db = db;
  }

  async reopen() {
    const { rows, revision, nextId } = await this.db.readAll();
    const text = rows.length === 0 ? ''
      : JSON.stringify({ format: 'qimbel-notebook', version: 1, entries: rows.map(({ key, ...row }) => row) });
    return this.engine.call('notebook', [['open', revision, today(), nextId], text]);
  }

  async call(words, text = '', extra = '') {
    try {
      for (let attempt = 0; attempt < TRIES; ++attempt) {
        const revision = await this.db.revision();
        const answer = await this.engine.call('notebook', [[words[0], revision, today(), ...words.slice(1)], text, extra]);
        if (answer.closed) {
          const opened = await this.reopen();
          if (opened.error) return opened;
          continue;
        }
        if (answer.writes && answer.writes.length > 0) {
          let conflict = false;
          try {
            ({ conflict } = await this.db.commit(revision, answer.writes, answer.nextId));
          } catch (failure) {
            // The model read the rows again at the next call; what it answered (a marked
            // working, a round of 练一练) still stands, only the notebook did not change.
            return { ...answer, ok: false, writes: [], message: storeFailure(failure), unsaved: true };
          }
          if (conflict) continue;
          document.dispatchEvent(new CustomEvent('qimbel:notebook-changed'));
        }
        return answer;
      }
      return { error: '错题本正被另一个窗口改动，请再试一次。' };
    } catch (failure) {
      if (failure && failure.trap !== undefined) return { error: '运算模块出错，已重新启动；错题本没有改动。' };
      return { error: storeFailure(failure) };
    }
  }
}
