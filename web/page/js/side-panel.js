// The side panel: today's date and the week's goal, standing upright as on the desktop.
// The labels come from the engine (dateLabels), as the desktop writes them.
import { fontStack } from './font-stack.js';

const GOALS = '▼週の目標▼';

export class SidePanel {
  #els;
  #session;
  #engine;
  #shownDay = '';

  constructor(elements, session, engine) {
    this.#els = elements;
    this.#session = session;
    this.#engine = engine;
    session.onChange(() => this.update());
    this.update();
  }

  set visible(shown) { this.#els.panel.hidden = !shown; }

  update(now = new Date()) {
    this.#showDate(now);
    this.#showGoal();
  }

  #showDate(now) {
    const day = now.toDateString();
    if (day === this.#shownDay) return;
    this.#shownDay = day;
    const month = now.getMonth() + 1;
    const date = now.getDate();
    const weekday = now.getDay();
    const labels = this.#engine.dateLabels(month, date, weekday);
    this.#els.month.textContent = labels.month;
    this.#els.day.textContent = labels.day;
    this.#els.weekday.textContent = labels.weekday;
    this.#els.weekday.style.color = labels.weekdayColor;
    this.#els.panel.setAttribute('aria-label', `${month}月${date}日 ${labels.weekday}`);
  }

  #showGoal() {
    const s = this.#session;
    const count = Number(s.setting(GOALS, 'SOUSUU') ?? 0);
    const shown = Number(s.setting(GOALS, 'DSPBANGOU') ?? -1);
    const text = shown >= 0 && shown < count ? s.setting(GOALS, `MOKUHYOU${shown}`) ?? '' : '';
    const goal = this.#els.goal;
    if (goal.textContent !== text) goal.textContent = text;
    goal.style.fontFamily = fontStack('IPAGothic');
    goal.style.fontSize = `${Math.round((Number(s.setting(GOALS, 'FONTSIZE')) || 14) * 96 / 72)}px`;
    goal.style.color = bgrToCss(Number(s.setting(GOALS, 'FONTCOLOR')) || 0);
    goal.setAttribute('aria-label', `今週の目標 ${text}`);
  }
}

// The settings keep colours as 0x00BBGGRR numbers.
export function bgrToCss(bgr) {
  const r = bgr & 0xff;
  const g = (bgr >> 8) & 0xff;
  const b = (bgr >> 16) & 0xff;
  return `#${[r, g, b].map((v) => v.toString(16).padStart(2, '0')).join('')}`;
}
