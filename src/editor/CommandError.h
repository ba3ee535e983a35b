#pragma once
// How a command of the editor's windows reports a failure of the file: the engine's own
// sentence, after the command's transaction has rolled back.

#include "db/Error.h"
#include "ui/MsgBox.h"

inline void ReportCommandError(const db::DbError &e)
{
    ui::msgBox(e.description(), ui::Buttons::Ok, ui::Icon::Critical, QStringLiteral("Error"));
}
