#pragma once

#include <QString>

#include <optional>

// How every operation that can fail, and that the user must hear about, reports: nothing on
// success, else a Failure saying what failed (which the window says in French) and the system's
// own words (which go to the log).
template <typename Error> struct Failure {
    Error error;
    QString detail;
};
template <typename Error> using Outcome = std::optional<Failure<Error>>;

enum class SaveError {
    InvalidName, // the shortcut's name is blank, would leave the folder or break its file
    NameTooLong, // the shortcut's file name would be longer than the system allows
    LinkOutside, // the shortcut's file is a link to a place outside the symbol folder
    NotStorable, // a value holds a line break or NUL
    Unreadable,  // the file exists but could not be read, so it is not replaced
    Io,          // the folder or the disk refused the write
};

enum class RemoveError {
    Gone,  // the file was no longer there
    Io,    // the folder refused the deletion
    Trash, // the trash refused the file, which stayed where it was
};
