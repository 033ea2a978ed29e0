// The worker that computes, seen from the page: calls return promises; a trap, running out of
// memory or 停止 ends the worker and starts a new one, and the calls that were waiting fail with
// {trap} so the page can say so. The page's texts live on the page, never in the worker.
export class Engine {
  constructor(onRestart) {
    this.onRestart = onRestart;
    this.nextId = 1;
    this.start();
  }

  start() {
    this.pending = new Map();
    // The first worker was started by the page itself (index.html), with what it has said since.
    const early = self.qimbelEarly;
    self.qimbelEarly = null;
    this.worker = early ? early.worker : new Worker('worker.js');
    this.ready = new Promise((resolve) => { this.markReady = resolve; });
    this.worker.onmessage = (event) => this.receive(event.data);
    if (early) for (const event of early.messages) this.receive(event.data);
    this.worker.onerror = (event) => {
      event.preventDefault();
      this.restart(event.message || 'worker error');
    };
  }

  receive(message) {
    if (message.ready) {
      this.markReady();
      return;
    }
    const call = this.pending.get(message.id);
    if (!call) return;
    if (message.progress !== undefined) {
      if (call.onProgress) call.onProgress(message.progress);
    } else if (message.trap !== undefined) {
      this.restart(message.trap);
    } else {
      this.pending.delete(message.id);
      call.resolve(message.result);
    }
  }

  call(name, args, onProgress) {
    const id = this.nextId++;
    return new Promise((resolve, reject) => {
      this.pending.set(id, { resolve, reject, onProgress });
      this.worker.postMessage({ id, call: name, args });
    });
  }

  // Ends the worker (it may be deep in a compute) and starts a fresh one.
  restart(reason) {
    const waiting = [...this.pending.values()];
    this.worker.terminate();
    this.start();
    for (const call of waiting) call.reject({ trap: reason });
    if (this.onRestart) this.onRestart(reason);
  }
}
