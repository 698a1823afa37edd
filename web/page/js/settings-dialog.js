// The settings dialog (条件設定) of the page: answer forms, decimals, worked solutions, font
// sizes and the week's goals. Every change goes to the engine at once, as the desktop's
// dialog writes into the settings at once; the engine checks and keeps the values.
const ANSWER = '▼答の表示▼';
const PROCESS = '▼過程表示▼';
const SCREEN = '▼計算画面▼';
const GOALS = '▼週の目標▼';
const MAX_GOALS = 10;

export class SettingsDialog {
  #dialog;
  #session;

  constructor(dialog, session) {
    this.#dialog = dialog;
    this.#session = session;
  }

  get open() { return this.#dialog.open; }

  show() {
    this.#build();
    this.#dialog.showModal();
  }

  #build() {
    const s = this.#session;
    const d = this.#dialog;
    d.replaceChildren();
    const form = el('form', { method: 'dialog' });
    form.append(el('h2', { id: 'settings-title', textContent: '条件設定' }));

    const answer = fieldset('◆答の表示◆');
    const anssyu = s.setting(ANSWER, 'ANSSYU');
    ['帯分数のみ', '仮分数のみ', '帯・仮分数両方'].forEach((caption, i) => {
      answer.append(radio('anssyu', caption, String(i) === anssyu, () => s.setSetting(ANSWER, 'ANSSYU', i)));
    });
    answer.append(checkbox('小数も表示', s.setting(ANSWER, 'SYOUDSP') === '1',
      (on) => s.setSetting(ANSWER, 'SYOUDSP', on ? 1 : 0)));
    form.append(answer);

    const process = fieldset('◆計算過程を表示？');
    const procdsp = s.setting(PROCESS, 'PROCDSP');
    ['表示しない', '表示する'].forEach((caption, i) => {
      process.append(radio('procdsp', caption, String(i) === procdsp, () => s.setSetting(PROCESS, 'PROCDSP', i)));
    });
    form.append(process);

    const sizes = fieldset('◆文字の大きさ');
    sizes.append(number('計算画面', s.setting(SCREEN, 'FONTSIZE'), (v) => s.setSetting(SCREEN, 'FONTSIZE', v)));
    sizes.append(number('今週の目標', s.setting(GOALS, 'FONTSIZE'), (v) => s.setSetting(GOALS, 'FONTSIZE', v)));
    form.append(sizes);

    form.append(this.#goals());

    const buttons = el('div', { className: 'buttons' });
    buttons.append(el('button', { value: 'close', textContent: '閉じる' }));
    form.append(buttons);
    d.append(form);
  }

  #goals() {
    const s = this.#session;
    const box = fieldset('◆今週の目標（一行に一つ、十まで）');
    const count = Number(s.setting(GOALS, 'SOUSUU') ?? 0);
    const goals = [];
    for (let i = 0; i < count; i++) goals.push(s.setting(GOALS, `MOKUHYOU${i}`) ?? '');
    const area = el('textarea', { rows: 4, value: goals.join('\n') });
    area.setAttribute('aria-label', '今週の目標');
    const choice = el('select');
    choice.setAttribute('aria-label', '表示する目標');
    const fill = (list) => {
      const shown = s.setting(GOALS, 'DSPBANGOU');
      choice.replaceChildren(el('option', { value: '-1', textContent: '（表示しない）' }));
      list.forEach((g, i) => choice.append(el('option', { value: String(i), textContent: g })));
      choice.value = list.length && Number(shown) < list.length ? shown : '-1';
    };
    fill(goals);
    area.addEventListener('change', () => {
      const list = area.value.split('\n').map((t) => t.trim()).filter(Boolean).slice(0, MAX_GOALS);
      s.setSetting(GOALS, 'SOUSUU', list.length);
      list.forEach((g, i) => s.setSetting(GOALS, `MOKUHYOU${i}`, g));
      fill(list);
    });
    choice.addEventListener('change', () => s.setSetting(GOALS, 'DSPBANGOU', choice.value));
    box.append(area, labelled('表示する目標', choice));
    return box;
  }
}

function el(tag, props = {}) {
  return Object.assign(document.createElement(tag), props);
}

function fieldset(legend) {
  const f = el('fieldset');
  f.append(el('legend', { textContent: legend }));
  return f;
}

function labelled(caption, input) {
  const l = el('label');
  l.append(input, caption);
  return l;
}

function radio(name, caption, checked, onPick) {
  const input = el('input', { type: 'radio', name, checked });
  input.addEventListener('change', () => input.checked && onPick());
  return labelled(caption, input);
}

function checkbox(caption, checked, onChange) {
  const input = el('input', { type: 'checkbox', checked });
  input.addEventListener('change', () => onChange(input.checked));
  return labelled(caption, input);
}

function number(caption, value, onChange) {
  const input = el('input', { type: 'number', min: 6, max: 72, value: value ?? '' });
  input.addEventListener('change', () => onChange(input.value));
  const l = el('label');
  l.append(caption, input);
  return l;
}
