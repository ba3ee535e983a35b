#pragma once
// Names for many concepts at once, in one language: each run is one transaction, so a
// failure leaves every name as it was. Concepts are given by identifier; one that is not
// in the ontology (any more) is passed over without a word.

#include "BatchProgress.h"

#include <QString>
#include <QStringList>

enum class BatchNameForm {
    SameAsIdentifier,  // the identifier as it stands: PHYSICAL-OBJECT
    Label,             // its readable label: physical object
};

// Gives each concept a name in lang. A concept that has that name already gets it a
// second time: names are the user's, and nothing makes them unique. Returns how many
// names were added.
qsizetype AddBatchNames(const QStringList &concepts, const QString &lang, BatchNameForm form,
                        const BatchProgress &progress = {});

// Deletes every name of each concept in lang, and no other name. Returns how many
// names were deleted.
qsizetype RemoveBatchNames(const QStringList &concepts, const QString &lang, const BatchProgress &progress = {});
