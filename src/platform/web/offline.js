// Served from a web server, the page keeps itself for play without a network
// (service_worker.js). From disk it plays as it is.
if ('serviceWorker' in navigator && /^https?:$/.test(location.protocol)) {
  addEventListener('load', function () { navigator.serviceWorker.register('service_worker.js'); });
}
