// Served from a web server, the page names its manifest (so that it can be
// installed) and keeps itself for play without a network (service_worker.js).
// From disk it plays as it is.
(function () {
  if (!('serviceWorker' in navigator) || !/^https?:$/.test(location.protocol)) return;
  var manifest = document.createElement('link');
  manifest.rel = 'manifest';
  manifest.href = 'manifest.webmanifest';
  document.head.appendChild(manifest);
  var touchIcon = document.createElement('link');
  touchIcon.rel = 'apple-touch-icon';
  touchIcon.href = 'icons/touch.png';
  document.head.appendChild(touchIcon);
  addEventListener('load', function () { navigator.serviceWorker.register('service_worker.js'); });
})();
