// The input panel (数式操作パネル) as an on-screen keypad: the engine's list of the desktop
// panel's buttons, in the same rows and order, with the same captions and colours, grown to
// finger size. A tap presses the button in the engine.
import { fontStack } from './font-stack.js';

// The answer-form buttons the engine switches off once their form is on the screen.
const ANSWER_BUTTONS = { Button19: 'taiEnabled', Button18: 'kaEnabled', toSyousuuButton: 'syouEnabled' };
// A gap this wide between two rows of the desktop panel is one of its dividers.
const DIVIDER_GAP = 7;

export class Keypad {
  #element;
  #answerButtons = new Map();

  constructor(element, buttons, session) {
    this.#element = element;
    const title = document.createElement('div');
    title.className = 'keypad-title';
    title.textContent = '<数式操作ﾊﾟﾈﾙ>　▼Ｆ８▲';
    element.append(title);
    for (const [index, row] of rowsOf(buttons).entries()) {
      const div = document.createElement('div');
      div.className = 'keypad-row';
      if (index > 0 && row.dividedAbove) div.classList.add('divided');
      for (const b of row.buttons) div.append(this.#button(b, session));
      element.append(div);
    }
    session.onChange(({ screen }) => this.#showAnswerButtons(screen));
  }

  get visible() { return !this.#element.hidden; }
  set visible(shown) { this.#element.hidden = !shown; }

  #button(b, session) {
    const button = document.createElement('button');
    button.type = 'button';
    button.textContent = b.caption;
    button.dataset.name = b.name;
    button.setAttribute('aria-label', b.label);
    button.title = b.label;
    button.className = b.font === 'IPAPGothic' ? 'words' : 'fixed';
    button.style.fontFamily = fontStack(b.font);
    button.style.color = b.color;
    button.style.flexGrow = String(b.width);
    button.addEventListener('click', () => session.button(b.name));
    if (ANSWER_BUTTONS[b.name]) this.#answerButtons.set(button, ANSWER_BUTTONS[b.name]);
    return button;
  }

  #showAnswerButtons(screen) {
    for (const [button, flag] of this.#answerButtons) button.disabled = !screen[flag];
  }
}

// The buttons grouped by the row they stand in on the desktop panel, top row first.
export function rowsOf(buttons) {
  const rows = [];
  for (const b of [...buttons].sort((p, q) => p.top - q.top || p.left - q.left)) {
    const last = rows.at(-1);
    if (last && b.top < last.bottom) {
      last.buttons.push(b);
      last.bottom = Math.max(last.bottom, b.top + b.height);
    } else {
      rows.push({ buttons: [b], top: b.top, bottom: b.top + b.height,
        dividedAbove: last ? b.top - last.bottom >= DIVIDER_GAP : false });
    }
  }
  return rows;
}
