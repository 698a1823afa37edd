// The desktop's menu commands that the input panel has no button for, as a row of buttons.
// Each forwards the command by name; the titles are the desktop menu's items.
const COMMANDS = [
  { name: 'ProcessDisplaySwitch', caption: '過程 F5', title: '計算過程表示する⇔しない (F5)', setting: ['▼過程表示▼', 'PROCDSP'] },
  { name: 'BetsukaiSwitch', caption: '別解 F6', title: '別解 (F6)' },
  { name: 'Reduce', caption: '約Y', title: '約分する (Ctrl+Y)' },
  { name: 'DecimalToFraction', caption: '小→分', title: '小数→分数 (Ctrl+B)' },
  { name: 'JunkanSyori', caption: '循環', title: '分数⇔循環小数 (Shift+R)' },
  { name: 'PrimeFactorize', caption: '素因数', title: '素因数分解をする (Shift+S)' },
  { name: 'NsinModeSwitch', caption: 'ｎ進', title: 'ｎ進法変換モード (Shift+N)' },
  { name: 'KeepAnswer', caption: '保存', title: '答を一時保存 (Ctrl+C)' },
  { name: 'PasteAnswer', caption: '貼付', title: '保存した答を貼り付け (Ctrl+P)' },
  { name: 'ViewAnswer', caption: 'Look', title: '保存した答をLookする' },
  { name: 'LineSpacingUp', caption: '行間＋', title: '行送りを広げる (Shift+PageUp)' },
  { name: 'LineSpacingDown', caption: '行間－', title: '行送りを狭める (Shift+PageDown)' },
  { name: 'EqualKaigyoSwitch', caption: '＝改行', title: '＝ で改行する⇔しない (Ctrl+L)', setting: ['▼式の表示▼', 'EQUAL_KAIGYO'] },
];

export class Toolbar {
  #pressed = [];

  // extra: buttons of the page itself ({ caption, title, action }) at the row's end.
  constructor(element, session, extra) {
    for (const c of COMMANDS) {
      const b = this.#make(c.caption, c.title, () => session.command(c.name));
      b.dataset.command = c.name;
      if (c.setting) this.#pressed.push([b, c.setting]);
      element.append(b);
    }
    const spacer = document.createElement('span');
    spacer.className = 'spacer';
    element.append(spacer);
    for (const e of extra) element.append(this.#make(e.caption, e.title, e.action));
    const show = () => {
      for (const [b, [section, key]] of this.#pressed) {
        b.setAttribute('aria-pressed', String(session.setting(section, key) === '1'));
      }
    };
    session.onChange(show);
    show();
  }

  #make(caption, title, action) {
    const b = document.createElement('button');
    b.type = 'button';
    b.textContent = caption;
    b.title = title;
    b.setAttribute('aria-label', title);
    b.addEventListener('click', action);
    return b;
  }
}
