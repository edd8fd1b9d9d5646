#pragma once

// Makes the environment follow the XDG base directory rules before anything reads it: a relative
// XDG_CONFIG_HOME, XDG_DATA_HOME, XDG_CACHE_HOME, XDG_STATE_HOME or XDG_RUNTIME_DIR is ignored,
// as are the relative entries of XDG_CONFIG_DIRS and XDG_DATA_DIRS; a HOME that is unset or
// relative is the user's home from the password database. Without one, nothing is written under
// the working folder or "/".
void followXdgRules();
