#pragma once
// A name the user types that becomes part of a folder name (the "-publish" and "-back"
// folders beside an ontology or a termbase).

#include <QString>

// False when the name holds a character no file name may hold on any of the systems
// the files travel to ("/", "\", ":", "*", "?", '"', "<", ">", "|", control characters),
// or consists of dots only (it would name the folder itself or its parent). An empty
// name is valid here: whether a name may be empty is the caller's rule.
bool IsValidFolderName(const QString &name);
