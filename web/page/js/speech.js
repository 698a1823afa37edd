// Reading aloud with the browser's speech synthesis, only with a Japanese voice of the device
// itself (a network voice would send the pupil's work away and fail offline). Without one,
// the page says so once and shows what would have been read.
export const NO_VOICE_NOTICE = 'この端末には日本語の音声がないので、読み上げの代わりに文字で表示します。';

export function japaneseLocalVoice(voices) {
  return voices.find((v) => v.localService && /^ja([-_]|$)/i.test(v.lang)) ?? null;
}

// The settings' rate counts like the Windows speech rate: each step is a tenth of a power of 3.
export function speechRate(rate) {
  return Math.min(10, Math.max(0.1, 3 ** (rate / 10)));
}

export class Speaker {
  #synth;
  #voice = null;
  #notified = false;
  #notify;
  #showText;

  // notify(text): a status text; showText(text): the reading shown instead of spoken.
  constructor(synth, { notify, showText }) {
    this.#synth = synth;
    this.#notify = notify;
    this.#showText = showText;
    this.#findVoice();
    synth?.addEventListener?.('voiceschanged', () => this.#findVoice());
  }

  get hasVoice() { return this.#voice !== null; }

  speak(text, rate, volume) {
    if (!this.#voice) {
      if (!this.#notified) {
        this.#notified = true;
        this.#notify(NO_VOICE_NOTICE);
      }
      this.#showText(text);
      return;
    }
    const u = new SpeechSynthesisUtterance(text);
    u.voice = this.#voice;
    u.lang = this.#voice.lang;
    u.rate = speechRate(rate);
    u.volume = Math.min(1, Math.max(0, volume / 100));
    this.#synth.speak(u);
  }

  #findVoice() {
    this.#voice = this.#synth ? japaneseLocalVoice(this.#synth.getVoices()) : null;
  }
}
