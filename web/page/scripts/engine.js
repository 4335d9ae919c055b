// The calculation engine: the WebAssembly request layer in a worker, so that a long request never freezes the page.

// The status of an answer that reports a fault of the program rather than of
// the request (the request layer's own statuses are 0, 1 and 2).
const INTERNAL_ERROR = 70;

// A request still running after this long is abandoned when another
// arrives: the worker is replaced rather than waited for.
const ABANDON_AFTER_MS = 250;

// A worker that has not answered its first message after this long (some
// browsers never start a worker from a page opened as a file, and say
// nothing) is given up for the page itself.
const WORKER_START_MS = 3000;

// Runs inside the worker (its text is sent there): answers each message
// {id, verb, options, files} with {id, text}; verb null asks for the verb
// table. files holds the texts of the files the request reads, by name.
function engineWorkerMain() {
  const ready = createTarniqModule();
  self.onmessage = async (event) => {
    const { id, verb, options, files } = event.data;
    let text;
    try {
      const engine = await ready;
      text = verb === null ? engine.verbs() : engine.run(verb, options, files || {});
    } catch (error) {
      // Status 70, INTERNAL_ERROR: the worker has none of the page's constants.
      const reason = error && error.message ? error.message : error;
      text = JSON.stringify({ status: 70, error: `internal error: ${reason}` });
    }
    self.postMessage({ id, text });
  };
}

function failure(message) {
  return JSON.stringify({ status: INTERNAL_ERROR, error: message });
}

class WorkerEngine {
  constructor(moduleText) {
    const source = `${moduleText}\n(${engineWorkerMain.toString()})();\n`;
    this.url = URL.createObjectURL(new Blob([source], { type: 'text/javascript' }));
    this.next = 0;
    this.start();
  }

  start() {
    this.waiting = new Map();  // id -> resolve, in the order sent
    this.busySince = 0;
    this.worker = new Worker(this.url);
    this.worker.onmessage = (event) => this.answered(event.data.id, event.data.text);
    // A worker that fails is replaced at the next request, not at once, so
    // that a worker that cannot start is not started again and again.
    this.worker.onerror = (event) => {
      event.preventDefault();
      this.stop(failure(`internal error: the calculation engine stopped (${event.message || 'no reason given'})`));
    };
  }

  answered(id, text) {
    const resolve = this.waiting.get(id);
    this.waiting.delete(id);
    this.busySince = performance.now();  // the next request, if any, starts now
    if (resolve) resolve(text);
  }

  stop(text) {
    if (this.worker) this.worker.terminate();
    this.worker = null;
    for (const resolve of this.waiting.values()) resolve(text);
    this.waiting.clear();
  }

  // The answer's JSON text; null when a newer request replaced this one.
  ask(verb, options, files = {}) {
    if (this.worker && this.waiting.size > 0 && performance.now() - this.busySince > ABANDON_AFTER_MS) this.stop(null);
    if (!this.worker) this.start();
    return new Promise((resolve) => {
      const id = ++this.next;
      if (this.waiting.size === 0) this.busySince = performance.now();
      this.waiting.set(id, resolve);
      this.worker.postMessage({ id, verb, options, files });
    });
  }
}

// Where workers are not allowed, the module runs in the page itself.
class PageEngine {
  constructor(moduleText) {
    const script = document.createElement('script');
    script.textContent = `${moduleText}\nwindow.tarniqEngineFactory = createTarniqModule;`;
    document.head.append(script);
    this.ready = window.tarniqEngineFactory();
  }

  async ask(verb, options, files = {}) {
    try {
      const engine = await this.ready;
      return verb === null ? engine.verbs() : engine.run(verb, options, files);
    } catch (error) {
      return failure(`internal error: ${error && error.message ? error.message : error}`);
    }
  }
}

function delay(ms) {
  return new Promise((resolve) => setTimeout(resolve, ms));
}

// After the page's next paint (or a moment, for a page not shown), so that
// loading the module in the page does not hold up the form.
function afterPaint() {
  return new Promise((resolve) => {
    requestAnimationFrame(() => setTimeout(resolve, 0));
    setTimeout(resolve, 200);
  });
}

// The engine, once it answers: a worker when the browser allows one and it
// answers within WORKER_START_MS, else the page itself. Its first answer is
// the verb table, which the page already holds; here it only shows that the
// module runs.
async function startEngine(moduleText) {
  let worker = null;
  try {
    worker = new WorkerEngine(moduleText);
  } catch (error) {
    // No workers here.
  }
  if (worker) {
    const answer = await Promise.race([worker.ask(null), delay(WORKER_START_MS).then(() => null)]);
    try {
      if (answer !== null && Array.isArray(JSON.parse(answer))) return worker;
    } catch (error) {
      // Not a verb table: the worker failed.
    }
    worker.stop(null);
  }
  await afterPaint();
  return new PageEngine(moduleText);
}
