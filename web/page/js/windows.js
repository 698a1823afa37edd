// The windows the engine asks for by a command's name. The page has the settings dialog and
// the input panel; the desktop's other windows are not part of the page yet.
export const NOT_ON_PAGE = 'この画面はウェブ版にはまだありません。';

export class PageWindows {
  #settings;
  #keypad;
  #status;

  constructor({ settings, keypad, status }) {
    this.#settings = settings;
    this.#keypad = keypad;
    this.#status = status;
  }

  open(name) {
    switch (name) {
      case 'SettingsDialog':
      case 'ProcessSettingsDialog':
      case 'FontDialog':
        this.#settings.show();
        break;
      case 'InputPanelSwitch':
        this.#keypad.visible = !this.#keypad.visible;
        break;
      case 'HideInputPanel':
        this.#keypad.visible = false;
        break;
      default:
        this.#status.show(NOT_ON_PAGE);
    }
  }
}
