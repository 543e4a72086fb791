#pragma once

#include <QByteArray>

#include <optional>

// The file that a save to `path` writes: links are followed however deep, each read from the
// folder it stands in (so "L/../f" through a linked folder L is the file the system finds,
// not "f"), and the folders are resolved too. A dangling link gives the file it names, which
// the save creates. Nothing when a folder on the way is missing, the name is a folder's, or
// the links loop.
std::optional<QByteArray> realSaveTarget(QByteArray path);
