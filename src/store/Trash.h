#pragma once

#include <QString>

#include <optional>

// The desktop's trash, laid out as the desktops lay it out ("files" beside "info" notes), so that
// the desktop's own trash can show and restore what went there: a file goes to the trash of its
// own file system (the user's, or the one at the top of its mount), with a note of where it came
// from.
namespace trash {

// Moves the file (a link, not where it leads) to the trash and returns where it went; nothing
// when it cannot go there, with why in problem, the file then staying where it was. It gives up
// rather than waits: a trash that refuses files is a failure at once.
std::optional<QString> move(const QString& path, QString& problem);

} // namespace trash
