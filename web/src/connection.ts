// The link to the engine: the snapshot stream (reconnected automatically) and
// the ordered queue of user events. Typing in a field is sent debounced, but a
// pending text is always sent before any other event.
import type { EventAnswer, FileListing, Snapshot, UserEvent } from './protocol';

type SnapshotListener = (snapshot: Snapshot) => void;
// The status text of a computation that runs now (null once it has ended).
type ProgressListener = (status: string | null) => void;
type LinkListener = (connected: boolean) => void;

const kTypingDelayMs = 250;
const kMaxRetryMs = 4000;

interface Queued {
  event: UserEvent;
  resolve: (answer: EventAnswer) => void;
}

export class Connection {
  latest: Snapshot | null = null;
  private snapshotListeners: SnapshotListener[] = [];
  private linkListeners: LinkListener[] = [];
  private stream: EventSource | null = null;
  private retryMs = 250;
  private queue: Queued[] = [];
  private sending = false;
  private typing: { control: number; text: string; timer: number } | null = null;
  private seqWaiters: { seq: number; resolve: () => void }[] = [];
  private inFlight = 0;
  // Progress of the running computation: shown until a snapshot after `seq` arrives.
  private progress: { seq: number; status: string } | null = null;
  private progressListeners: ProgressListener[] = [];

  onSnapshot(listener: SnapshotListener): void {
    this.snapshotListeners.push(listener);
  }

  onProgress(listener: ProgressListener): void {
    this.progressListeners.push(listener);
  }

  // True while the engine computes and shows how far it has come.
  get computing(): boolean {
    return this.progress !== null;
  }

  // Asks the running computation to stop: sent at once, past the queued events
  // (the one that started the computation is still waiting for its answer).
  stop(): void {
    void this.post({ type: 'escape' });
  }

  private setProgress(progress: { seq: number; status: string } | null): void {
    this.progress = progress;
    this.progressListeners.forEach((l) => l(progress ? progress.status : null));
  }

  onLink(listener: LinkListener): void {
    this.linkListeners.push(listener);
  }

  // True while events are queued, being handled, or typed text waits to be sent.
  get busy(): boolean {
    return this.inFlight > 0 || this.queue.length > 0 || this.typing !== null;
  }

  // The text of a control that is typed but not yet acknowledged, if any.
  pendingText(control: number): string | undefined {
    if (this.typing && this.typing.control === control) return this.typing.text;
    for (const q of this.queue) if (q.event.type === 'set' && q.event.control === control) return q.event.text;
    return undefined;
  }

  start(): void {
    void this.fetchState();
    this.openStream();
  }

  private openStream(): void {
    this.stream?.close();
    const stream = new EventSource('/api/events');
    this.stream = stream;
    stream.onopen = () => {
      this.retryMs = 250;
      this.linkListeners.forEach((l) => l(true));
    };
    stream.onmessage = (message) => {
      try {
        this.accept(JSON.parse(message.data) as Snapshot);
      } catch (error) {
        console.error('KORA: unreadable snapshot', error);
      }
    };
    stream.addEventListener('progress', (message) => {
      try {
        const progress = JSON.parse((message as MessageEvent).data) as { seq: number; status: string };
        if (!this.latest || progress.seq >= this.latest.seq) this.setProgress(progress);
      } catch (error) {
        console.error('KORA: unreadable progress', error);
      }
    });
    stream.onerror = () => {
      this.linkListeners.forEach((l) => l(false));
      // The browser retries by itself unless the stream is closed for good.
      if (stream.readyState === EventSource.CLOSED) {
        window.setTimeout(() => {
          if (this.stream === stream) this.openStream();
        }, this.retryMs);
        this.retryMs = Math.min(kMaxRetryMs, this.retryMs * 2);
      }
    };
  }

  async fetchState(): Promise<void> {
    try {
      const response = await fetch('/api/state', { cache: 'no-store' });
      if (response.ok) this.accept((await response.json()) as Snapshot);
    } catch {
      // The stream reports the lost link.
    }
  }

  private accept(snapshot: Snapshot): void {
    if (this.latest && snapshot.seq < this.latest.seq) return;
    this.latest = snapshot;
    if (this.progress && snapshot.seq > this.progress.seq) this.setProgress(null);
    this.snapshotListeners.forEach((l) => l(snapshot));
    this.seqWaiters = this.seqWaiters.filter((w) => {
      if (snapshot.seq < w.seq) return true;
      w.resolve();
      return false;
    });
  }

  // Resolves once a snapshot numbered `seq` or later has been shown.
  waitForSeq(seq: number): Promise<void> {
    if (this.latest && this.latest.seq >= seq) return Promise.resolve();
    return new Promise((resolve) => {
      this.seqWaiters.push({ seq, resolve });
      window.setTimeout(() => void this.fetchState(), 400);
    });
  }

  // Typing: sent after a pause, or before the next other event.
  type(control: number, text: string): void {
    if (this.typing && this.typing.control !== control) this.flushTyping();
    if (this.typing) window.clearTimeout(this.typing.timer);
    const timer = window.setTimeout(() => this.flushTyping(), kTypingDelayMs);
    this.typing = { control, text, timer };
  }

  flushTyping(): void {
    const typed = this.typing;
    if (!typed) return;
    window.clearTimeout(typed.timer);
    this.typing = null;
    this.enqueue({ type: 'set', control: typed.control, text: typed.text });
  }

  send(event: UserEvent): Promise<EventAnswer> {
    this.flushTyping();
    return this.enqueue(event);
  }

  private enqueue(event: UserEvent): Promise<EventAnswer> {
    // Mouse moves are coalesced: only the newest position waiting to be sent counts.
    if (event.type === 'mouse' && event.action === 'move') {
      const last = this.queue[this.queue.length - 1];
      if (last && last.event.type === 'mouse' && last.event.action === 'move' && last.event.window === event.window) {
        const replaced = last.resolve;
        return new Promise((resolve) => {
          last.event = event;
          last.resolve = (answer) => {
            replaced(answer);
            resolve(answer);
          };
        });
      }
    }
    return new Promise((resolve) => {
      this.queue.push({ event, resolve });
      void this.pump();
    });
  }

  private async pump(): Promise<void> {
    if (this.sending) return;
    this.sending = true;
    while (this.queue.length > 0) {
      const next = this.queue.shift()!;
      this.inFlight++;
      const answer = await this.post(next.event);
      this.inFlight--;
      if (!answer.ok) console.warn('KORA refused', next.event, answer.error);
      next.resolve(answer);
    }
    this.sending = false;
    // Whatever was held back while events were in flight can be shown now.
    if (this.latest && !this.busy) this.snapshotListeners.forEach((l) => l(this.latest!));
  }

  private async post(event: UserEvent): Promise<EventAnswer> {
    try {
      const response = await fetch('/api/event', {
        method: 'POST',
        headers: { 'Content-Type': 'application/json' },
        body: JSON.stringify(event),
      });
      const body = (await response.json().catch(() => ({}))) as { ok?: boolean; seq?: number; error?: string };
      const answer: EventAnswer = { ok: response.ok && body.ok === true, seq: body.seq, error: body.error, status: response.status };
      if (answer.ok && answer.seq !== undefined) await this.waitForSeq(answer.seq);
      return answer;
    } catch (error) {
      return { ok: false, error: String(error), status: 0 };
    }
  }

  async listFiles(dir: string): Promise<FileListing | { error: string }> {
    try {
      const response = await fetch('/api/files?dir=' + encodeURIComponent(dir), { cache: 'no-store' });
      const body = await response.json();
      if (!response.ok) return { error: body.error ?? 'cannot list the folder' };
      return body as FileListing;
    } catch (error) {
      return { error: String(error) };
    }
  }
}
