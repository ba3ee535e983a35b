#pragma once
// How a command over many concepts tells its window how far it has come, so that the
// window can move its progress and paint while the command runs.

#include <QtGlobal>
#include <functional>

// Called after each concept with the number done so far.
using BatchProgress = std::function<void(qsizetype done)>;
