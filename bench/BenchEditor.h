#pragma once
// The termbase editor shown and open on a benchmark termbase (see BenchTermbase.h) of
// that many entries, made in folder; the size printed on every line is the entries.

#include "BenchTermbase.h"
#include "Figures.h"
#include "tbeditor/frmTBEDitor.h"

#include <memory>

namespace bench {

inline std::shared_ptr<frmTBEDitor> openBenchEditor(const QString &folder, int entries)
{
    QString path = MakeBenchTermbase(folder, entries);
    size() = QString::number(entries);
    auto editor = std::make_shared<frmTBEDitor>();
    editor->load();
    editor->show();
    editor->OpenTermbase(path);
    return editor;
}

}  // namespace bench
