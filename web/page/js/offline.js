// Registers the service worker that keeps the page, the engine and the icons for offline use.
export function registerOffline() {
  if (!('serviceWorker' in navigator) || location.protocol === 'file:') return;
  navigator.serviceWorker.register('sw.js').catch(() => {});
}
