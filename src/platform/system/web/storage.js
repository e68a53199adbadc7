// The player's settings and highscore live in the browser's storage: the
// folder the game keeps them in is mounted on IndexedDB and read back before
// the game starts.
Module.preRun = Module.preRun || [];
Module.preRun.push(function () {
  var folder = '/home/web_user/.config/brindlecog';
  FS.mkdirTree(folder);
  FS.mount(IDBFS, {}, folder);
  addRunDependency('player-files');
  FS.syncfs(true, function (error) {
    if (error) console.warn('Brindlecog: reading the browser storage failed: ' + error);
    removeRunDependency('player-files');
  });
});
