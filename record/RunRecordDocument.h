// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include <QString>

namespace wypelark {

class RunSheet;

// A run's record as a document a person can print or keep: the heading, then a table of every
// file with what became of it. Names are shown escaped, so that none can pass for another.
class RunRecordDocument {
public:
    explicit RunRecordDocument(const RunSheet& sheet) : mSheet(sheet) {}

    QString html() const;
    QString plainText() const;
    // Writes the document as PDF, replacing the file whole or not at all; what went wrong, or
    // nothing.
    QString writePdf(const QString& path) const;

private:
    const RunSheet& mSheet;
};

} // namespace wypelark
