// Hands each message of the engine to the part of the page that shows it, in the order the
// engine gave them.
export class MessageRouter {
  #parts;

  // parts: { status, box, toast, beeper, speaker, windows } (windows.open(name) for commands
  // that open a window of the page).
  constructor(session, parts) {
    this.#parts = parts;
    session.onChange(({ messages }) => messages.forEach((m) => this.route(m)));
  }

  route(m) {
    const p = this.#parts;
    switch (m.kind) {
      case 'status': p.status.show(m.text); break;
      case 'box': p.box.show(m.caption, m.text); break;
      case 'small': p.toast.show(m.caption, m.text, m.displayMs); break;
      case 'beep': p.beeper.beep(); break;
      case 'speak': p.speaker.speak(m.text, m.rate, m.volume); break;
      case 'window': p.windows.open(m.text); break;
    }
  }
}
