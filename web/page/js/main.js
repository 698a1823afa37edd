// Starts the page: the engine with the settings kept from the last visit, and the parts of
// the calculation screen around it.
import createRavloEngine from '../ravlo-engine.mjs';
import { Beeper } from './beeper.js';
import { CalcScreen } from './screen.js';
import { CalcSession } from './session.js';
import { KeyboardInput } from './keyboard.js';
import { Keypad } from './keypad.js';
import { MessageBox } from './message-box.js';
import { MessageRouter } from './message-router.js';
import { registerOffline } from './offline.js';
import { PageWindows } from './windows.js';
import { ScreenReading } from './screen-reading.js';
import { ScrollInput } from './scroll-input.js';
import { SettingsDialog } from './settings-dialog.js';
import { SettingsStore } from './settings-store.js';
import { SidePanel } from './side-panel.js';
import { Speaker } from './speech.js';
import { StatusLine } from './status-line.js';
import { Toast } from './toast.js';
import { Toolbar } from './toolbar.js';
import { IdleSaver } from './idle-saver.js';

const SCREEN = '▼計算画面▼';
const $ = (id) => document.getElementById(id);

async function start() {
  const engine = await createRavloEngine();
  const store = new SettingsStore(localStorage);
  const session = new CalcSession(new engine.Calculator(store.load()));

  const status = new StatusLine($('status-line'));
  const box = new MessageBox($('message-box'));
  const settingsDialog = new SettingsDialog($('settings-dialog'), session);
  const keypad = new Keypad($('keypad'), engine.inputButtons(), session);
  const reading = $('reading-text');
  const speaker = new Speaker(window.speechSynthesis, {
    notify: (text) => status.show(text),
    showText: (text) => { reading.hidden = false; reading.textContent = text; },
  });
  new MessageRouter(session, {
    status, box, toast: new Toast($('toast')), beeper: new Beeper(), speaker,
    windows: new PageWindows({ settings: settingsDialog, keypad, status }),
  });

  const canvas = $('screen');
  const screen = new CalcScreen(canvas, session, { bar: $('hscroll'), thumb: $('hscroll-thumb') });
  new ScrollInput(canvas, screen, session);
  new ScreenReading(canvas, $('screen-reading'), session);
  const side = new SidePanel({
    panel: $('side-panel'), month: $('date-month'), day: $('date-day'),
    weekday: $('date-weekday'), goal: $('goal'),
  }, session, engine);

  const inputString = $('input-string');
  const showPanels = ({ screen: state } = { screen: null }) => {
    inputString.hidden = session.setting('▼式の表示▼', 'INPUTSTR_DSP') !== '1';
    if (state) $('input-string-text').textContent = state.inputString;
    side.visible = session.setting(SCREEN, 'WAKIGAKI') !== '0';
    $('status-line').hidden = session.setting(SCREEN, 'SBARDSP') === '0';
  };
  showPanels();

  new Toolbar($('toolbar'), session, [
    { caption: '条件', title: '条件設定ボックス表示 (J)', action: () => settingsDialog.show() },
    { caption: 'パネル', title: '入力パネル表示する⇔しない (F8)', action: () => { keypad.visible = !keypad.visible; } },
  ]);
  // Ctrl+C: the engine hands over the computed line in ordinary notation.
  session.onChange(({ screen: state }) => {
    if (state.copiedLine) navigator.clipboard?.writeText(state.copiedLine).catch(() => {});
  });
  const dialogsOpen = () => box.open || settingsDialog.open;
  new KeyboardInput(document, session, dialogsOpen);

  const saver = new IdleSaver(() => store.save(session.settingsBytes()));
  let blinkTempo = 0;
  session.onChange((change) => {
    showPanels(change);
    screen.update();
    if (change.typed) requestAnimationFrame(() => screen.followEnd());
    if (!change.settingsChanged) return;
    const tempo = Number(session.setting(SCREEN, 'CURSOLTEMPO')) || 400;
    if (tempo !== blinkTempo) screen.startBlink(blinkTempo = tempo);
    saver.schedule();
  });
  blinkTempo = Number(session.setting(SCREEN, 'CURSOLTEMPO')) || 400;
  screen.startBlink(blinkTempo);
  $('settings-dialog').addEventListener('close', () => canvas.focus());
  canvas.focus();
  $('loading').hidden = true;
  document.documentElement.dataset.ready = 'true';
  // For the browser tests and benchmarks: the session, read-only use.
  window.ravloPage = { session, screen, status };
}

registerOffline();
start().catch((e) => {
  $('loading').textContent = `読み込みに失敗しました: ${e.message}`;
});
