// tarvo-reken and the data generators under Node: the environment the
// process was started with, as the native programs see it.
Module['preRun'] = Module['preRun'] || [];
Module['preRun'].push(function () {
  Object.assign(ENV, process.env);
});
