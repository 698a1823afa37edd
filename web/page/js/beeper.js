// The beep of a refused command: a short tone, since a page has no system beep.
export class Beeper {
  #audio = null;

  beep() {
    const AudioCtx = window.AudioContext || window.webkitAudioContext;
    if (!AudioCtx) return;
    this.#audio ??= new AudioCtx();
    const osc = this.#audio.createOscillator();
    const gain = this.#audio.createGain();
    gain.gain.value = 0.1;
    osc.frequency.value = 880;
    osc.connect(gain).connect(this.#audio.destination);
    osc.start();
    osc.stop(this.#audio.currentTime + 0.12);
  }
}
