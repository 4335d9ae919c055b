// The calculation engine: the WebAssembly request layer in a worker, so that a long request never freezes the page.

// The status of an answer that reports a fault of the program rather than of
// the request (the request layer's own statuses are 0, 1 and 2).
const INTERNAL_ERROR = 70;

// A request still running after this long is abandoned when another
// arrives: the worker is replaced rather than waited for.
const ABANDON_AFTER_MS = 250;

// Runs inside the worker (its text is sent there): answers each message
// {id, verb, options} with {id, text}; verb null asks for the verb table.
function engineWorkerMain() {
  const ready = createTarniqModule();
  self.onmessage = async (event) => {
    const { id, verb, options } = event.data;
    let text;
    try {
      const engine = await ready;
      text = verb === null ? engine.verbs() : engine.run(verb, options);
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
  ask(verb, options) {
    if (this.worker && this.waiting.size > 0 && performance.now() - this.busySince > ABANDON_AFTER_MS) this.stop(null);
    if (!this.worker) this.start();
    return new Promise((resolve) => {
      const id = ++this.next;
      if (this.waiting.size === 0) this.busySince = performance.now();
      this.waiting.set(id, resolve);
      this.worker.postMessage({ id, verb, options });
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

  async ask(verb, options) {
    try {
      const engine = await this.ready;
      return verb === null ? engine.verbs() : engine.run(verb, options);
    } catch (error) {
      return failure(`internal error: ${error && error.message ? error.message : error}`);
    }
  }
}

// The engine and its verb table (JSON text): a worker when the browser
// allows one and it starts, else the page itself.
async function startEngine() {
  const moduleText = document.getElementById('engine-module').textContent;
  try {
    const engine = new WorkerEngine(moduleText);
    const verbs = await engine.ask(null);
    if (Array.isArray(JSON.parse(verbs))) return { engine, verbs };
    engine.stop(null);
  } catch (error) {
    // No worker here: fall through to the page.
  }
  const engine = new PageEngine(moduleText);
  return { engine, verbs: await engine.ask(null) };
}
