#include "Like.h"

#include "db/Text.h"

namespace ui {

bool Like(const QString &text, const QString &pattern)
{
    return db::likeMatch(text, pattern, Qt::CaseSensitive);
}

}  // namespace ui
