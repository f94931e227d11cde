#pragma once
// One reset of everything the core keeps program-wide, back to a fresh start: the store and the
// loaded files, the filter set and its arguments, the load state and the error list, the reopen
// list, the settings, the view state and the positions of the dialogs. Fuzzing and tests call it
// between loads; a new program-wide value adds its reset here.

void ResetProgramState();
