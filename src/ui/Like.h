#pragma once
// Window captions are matched with the engine's pattern language, but letter case counts:
// "Add Relation" is Like "* Relation", "add relation" is not.

#include <QString>

namespace ui {

// Whole-string match: "*" any run, "?" one character, "#" one digit, "[abc]", "[a-z]", "[!abc]".
bool Like(const QString &text, const QString &pattern);

// False for a pattern the engine refuses: a "[" list that is never closed, or a range in
// a list that runs backwards ("[z-a]"). Like() itself takes such a "[" literally.
bool IsValidLikePattern(const QString &pattern);

}  // namespace ui
